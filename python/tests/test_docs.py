"""The Python examples of docs/python.md run as written."""

from __future__ import annotations

import re
from pathlib import Path

DOC = Path(__file__).resolve().parents[2] / "docs" / "python.md"


def test_the_examples_of_the_guide_run() -> None:
    blocks = re.findall(r"```python\n(.*?)```", DOC.read_text(encoding="utf-8"), re.S)
    assert blocks
    for block in blocks:
        exec(compile(block, str(DOC), "exec"), {})
