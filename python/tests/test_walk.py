"""tevasn.decode_walk: numeric walk lines, against the C++ tool."""

from __future__ import annotations

import io
import os
import subprocess
from ipaddress import IPv4Address, IPv6Address
from typing import List, Tuple

import pytest
from hypothesis import HealthCheck, given, settings, strategies as st

import tevasn
from tevasn import Entry, IndexValue, decode_walk

ENTRY = "1.3.6.1.2.1.4.34.1"
LAYOUT = "integer octets inetaddress"
TYPE_NAMES = {0: "unknown", 1: "ipv4", 2: "ipv6", 3: "ipv4z", 4: "ipv6z", 16: "dns"}


def test_reads_lines_one_string_or_a_file() -> None:
    text = (
        ".1.3.6.1.2.1.4.34.1.3.1.4.10.0.0.1 = INTEGER: 1000\n"
        "\n"
        ".1.3.6.1.2.1.4.34.1.5.2.16.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1 = OID: .0.0 = x\n"
    )
    rows = [
        (3, (1, IPv4Address("10.0.0.1")), "INTEGER: 1000"),
        (5, (2, IPv6Address("2001:db8::1")), "OID: .0.0 = x"),
    ]
    for source in (text, text.splitlines(), io.StringIO(text)):
        assert list(decode_walk(source, entry=ENTRY, layout="inetaddress")) == rows


@pytest.mark.parametrize(
    "bad, code",
    [
        (".1.3.6.1.2.1.4.35.1.3.1.4.10.0.0.1 = INTEGER: 1", -415),
        (".1.3.6.1.2.1.4.34.1.3.1.4.10.0.0 = INTEGER: 1", -412),
        ("1.3.6.1.x = INTEGER: 1", -2),
        (" = INTEGER: 1", -2),
    ],
)
def test_a_bad_line_raises_naming_its_number(bad: str, code: int) -> None:
    lines = ["1.3.6.1.2.1.4.34.1.3.1.4.10.0.0.1 = INTEGER: 1"] * 600 + [bad]
    rows = decode_walk(lines, entry=ENTRY, layout="inetaddress")
    with pytest.raises(tevasn.Error) as caught:
        list(rows)
    assert caught.value.code == code and caught.value.reason.startswith("line 601: ")


def test_lines_must_be_str() -> None:
    with pytest.raises(TypeError):
        list(decode_walk([b"1.3"], entry=ENTRY, layout="inetaddress"))  # type: ignore[list-item]


def tool_text(value: IndexValue) -> str:
    if isinstance(value, bytes):
        return value.hex(":")
    return "" if value is None else str(value)


row = st.tuples(
    st.integers(1, 30),
    st.integers(-(2**31), 2**31 - 1),
    st.binary(max_size=6),
    st.sampled_from([(1, IPv4Address("192.0.2.7")), (0, None), (16, "a.example"),
                     (4, IPv6Address("fe80::9%2")), (3, "10.1.2.3%7"),
                     (2, IPv6Address("2001:db8:0:0:1::1"))]),
)


@pytest.mark.skipif("TEVASN_TOOL" not in os.environ, reason="TEVASN_TOOL names the tevasn tool")
@settings(max_examples=25, deadline=None, suppress_health_check=[HealthCheck.too_slow])
@given(st.lists(row, min_size=1, max_size=40))
def test_agrees_with_the_tool(rows: List[Tuple[int, int, bytes, Tuple[int, IndexValue]]]) -> None:
    entry = Entry(ENTRY, LAYOUT)
    lines = [f".{entry.build(c, (i, o) + a)} = INTEGER: {n}" for n, (c, i, o, a) in enumerate(rows)]
    tool = subprocess.run(
        [os.environ["TEVASN_TOOL"], "decode", "--octets", "hex", "--entry", ENTRY, *LAYOUT.split()],
        input="\n".join(lines) + "\n", capture_output=True, text=True, check=True,
    )
    ours = []
    for column, values, text in decode_walk(lines, entry=ENTRY, layout=LAYOUT):
        kind, address = values[2], values[3]
        assert isinstance(kind, int)
        if isinstance(address, str) and kind == 16:  # the octet policy covers dns names
            address = address.encode()
        fields = [str(column), str(values[0]), tool_text(values[1]), TYPE_NAMES[kind]]
        ours.append("\t".join(fields + [tool_text(address)]))
        assert text.startswith("INTEGER: ")
    assert ours == tool.stdout.splitlines()
