"""The Python examples of docs/python.md run as written."""

from __future__ import annotations

import re
from pathlib import Path

import pytest

import tevasn

DOC = Path(__file__).resolve().parents[2] / "docs" / "python.md"
BLOCKS = re.findall(r"```python\n(.*?)```", DOC.read_text(encoding="utf-8"), re.S)


def mibs_missing() -> str:
    """Why the guide's MIB example cannot run here, or ""."""
    if not Path("/usr/share/snmp/mibs/NET-SNMP-EXTEND-MIB.txt").exists():
        return "no libsnmp-base modules"
    try:
        tevasn.Mibs()
    except tevasn.MibError as error:
        return error.reason
    return ""


@pytest.mark.parametrize("block", BLOCKS, ids=[f"block{i}" for i in range(len(BLOCKS))])
def test_the_examples_of_the_guide_run(block: str) -> None:
    if "tevasn.Mibs(" in block and mibs_missing():
        pytest.skip(mibs_missing())
    exec(compile(block, str(DOC), "exec"), {})
