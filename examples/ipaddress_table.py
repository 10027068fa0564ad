#!/usr/bin/env python3
"""Decodes the ipAddressTable of a numeric walk (examples/walk.txt unless a
file is named) with tevasn.decode_walk and prints one row per address: the
address shown by its textual convention, then the row's columns."""

from __future__ import annotations

import sys
from ipaddress import IPv4Address, IPv6Address
from pathlib import Path
from typing import Dict, List, Tuple

import tevasn

ENTRY = "1.3.6.1.2.1.4.34.1"  # ipAddressEntry, INDEX { ipAddressAddrType, ipAddressAddr }
COLUMNS = {3: "ifIndex", 4: "type", 6: "origin", 7: "status"}
CONVENTIONS = {1: "InetAddressIPv4", 2: "InetAddressIPv6", 4: "InetAddressIPv6z"}


def address_octets(address: tevasn.IndexValue) -> bytes:
    """The InetAddress octets of a decoded address (a zone as four more octets)."""
    if isinstance(address, IPv4Address):
        return address.packed
    if isinstance(address, IPv6Address):
        zone = b"" if address.scope_id is None else int(address.scope_id).to_bytes(4, "big")
        return address.packed + zone
    raise ValueError(f"no textual convention here for {address!r}")


def main(argv: List[str]) -> int:
    path = Path(argv[1]) if len(argv) > 1 else Path(__file__).with_name("walk.txt")
    with path.open(encoding="utf-8") as walk:
        lines = [line for line in walk if line.startswith(f".{ENTRY}.")]
    rows: Dict[Tuple[tevasn.IndexValue, ...], Dict[str, str]] = {}
    for column, index, value in tevasn.decode_walk(lines, entry=ENTRY, layout="inetaddress"):
        words = value.split(": ", 1)[-1]
        if column == 3:  # ipAddressIfIndex, by its DISPLAY-HINT "d"
            words = tevasn.format_integer_hint("d", int(words))
        rows.setdefault(index, {})[COLUMNS.get(column, str(column))] = words
    for (kind, address), fields in rows.items():
        assert isinstance(kind, int)
        shown = tevasn.format_tc(CONVENTIONS[kind], address_octets(address))
        print(f"{shown:<28}" + "  ".join(f"{name}={text}" for name, text in fields.items()))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
