#!/usr/bin/env python3
"""tevasn (Python) beside pysnmp on the same table rows.

Decodes the same instance indexes with pysnmp's MibTableRow.getIndicesFromInstId
and with tevasn (Layout.decode one call per row, Layout.decode_many one call for
all, decode_walk over generated `snmpwalk -On` lines), checks that both give
the same values, and prints a Markdown table of per-row times: the median of
the runs' CPU time (the machine is shared; CPU time leaves out the waits for a
core), with the load average before and after.

    PYTHONPATH=build/release/python /usr/bin/python3 bench/python_rows.py
Needs Debian's python3-pysnmp4 and the built tevasn package.
"""

from __future__ import annotations

import argparse
import os
import random
import statistics
import time
from ipaddress import IPv4Address, IPv6Address
from typing import Any, Callable, Dict, List, Sequence, Tuple

import tevasn
from pysnmp.smi import builder

Index = Tuple[int, ...]

mib = builder.MibBuilder()
mib.loadModules("SNMP-VIEW-BASED-ACM-MIB", "SNMP-TARGET-MIB", "RFC1213-MIB", "INET-ADDRESS-MIB")


def pysnmp_row(module: str, name: str) -> Any:
    (row,) = mib.importSymbols(module, name)
    return row


def pysnmp_inet_row() -> Any:
    """An ipNetToPhysicalEntry-like row (Integer32, InetAddressType, InetAddress):
    no MIB that pysnmp ships has one."""
    if mib.mibSymbols.get("BENCH-MIB"):
        return pysnmp_row("BENCH-MIB", "benchEntry")
    row_class, column, integer = mib.importSymbols(
        "SNMPv2-SMI", "MibTableRow", "MibTableColumn", "Integer32")
    kind, address = mib.importSymbols("INET-ADDRESS-MIB", "InetAddressType", "InetAddress")
    entry = WALK_ENTRY
    row = row_class(entry).setIndexNames(
        (0, "BENCH-MIB", "benchIfIndex"), (0, "BENCH-MIB", "benchType"),
        (0, "BENCH-MIB", "benchAddr"))
    mib.exportSymbols("BENCH-MIB", benchEntry=row,
                      benchIfIndex=column(entry + (1,), integer()),
                      benchType=column(entry + (2,), kind()),
                      benchAddr=column(entry + (3,), address()))
    return row


WALK_ENTRY = (1, 3, 6, 1, 2, 1, 4, 35, 1)


def name(rng: random.Random) -> List[int]:
    return [rng.randrange(97, 123) for _ in range(rng.randrange(1, 17))]


def inet(rng: random.Random) -> List[int]:
    if rng.random() < 0.5:
        return [1, 4, 10, rng.randrange(256), rng.randrange(256), rng.randrange(1, 255)]
    return [2, 16, 32, 1, 13, 184] + [rng.randrange(256) for _ in range(12)]


# layout, pysnmp's row, a generator of one index
CASES: List[Tuple[str, str, Callable[[], Any], Callable[[random.Random], List[int]]]] = [
    ("integer octets", "vacmSecurityToGroupEntry",
     lambda: pysnmp_row("SNMP-VIEW-BASED-ACM-MIB", "vacmSecurityToGroupEntry"),
     lambda r: [r.randrange(1, 4)] + [len(n := name(r))] + n),
    ("octets/implied", "snmpTargetAddrEntry",
     lambda: pysnmp_row("SNMP-TARGET-MIB", "snmpTargetAddrEntry"), name),
    ("ipaddress", "ipAddrEntry", lambda: pysnmp_row("RFC1213-MIB", "ipAddrEntry"),
     lambda r: [10, r.randrange(256), r.randrange(256), r.randrange(1, 255)]),
    ("integer inetaddress", "ipNetToPhysicalEntry-like", pysnmp_inet_row,
     lambda r: [r.randrange(1, 100)] + inet(r)),
    ("octets oid", "vacmViewTreeFamilyEntry",
     lambda: pysnmp_row("SNMP-VIEW-BASED-ACM-MIB", "vacmViewTreeFamilyEntry"),
     lambda r: [len(n := name(r))] + n + [7, 1, 3, 6, 1, 2, 1, r.randrange(1, 50)]),
]


def pysnmp_value(value: Any) -> Any:
    """A pysnmp index value as the Python value tevasn gives."""
    tag = value.tagSet.getBaseTag().tagId
    if tag == 2:
        return int(value)
    if tag == 6:
        return tuple(value)
    octets = value.asOctets()
    if value.tagSet[0].tagClass == 64:  # IpAddress
        return IPv4Address(octets)
    kind = type(value).__name__
    if kind == "InetAddressIPv4":
        return IPv4Address(octets)
    if kind == "InetAddressIPv6":
        return IPv6Address(octets)
    return bytes(octets)


def ours(values: Sequence[Any]) -> Tuple[Any, ...]:
    return tuple(tuple(v) if isinstance(v, tevasn.Oid) else v for v in values)


def cpu_median(run: Callable[[], object], runs: int) -> float:
    times = []
    for _ in range(runs):
        start = time.process_time()
        run()
        times.append(time.process_time() - start)
    return statistics.median(times)


def walk_lines(rows: List[Index], columns: int) -> List[str]:
    prefix = "." + ".".join(map(str, WALK_ENTRY))
    return [f"{prefix}.{column}.{'.'.join(map(str, index))} = INTEGER: {n}"
            for column in range(4, 4 + columns) for n, index in enumerate(rows)]


def pysnmp_walk(row: Any, lines: List[str]) -> List[Tuple[int, Tuple[Any, ...], str]]:
    """What a pysnmp script does with each walk line: the identifier's
    sub-identifiers, the column after the entry, the index values."""
    out = []
    n = len(WALK_ENTRY)
    for line in lines:
        oid, _, value = line.rstrip("\n").partition(" = ")
        ids = tuple(int(x) for x in oid.lstrip(".").split("."))
        if ids[:n] != WALK_ENTRY or len(ids) <= n + 1:
            raise ValueError(f"not below the entry: {line}")
        out.append((ids[n], row.getIndicesFromInstId(ids[n + 1:]), value))
    return out


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--rows", type=int, default=2000, help="rows per layout")
    parser.add_argument("--runs", type=int, default=7, help="runs per measure (median)")
    parser.add_argument("--walk-lines", type=int, default=100_000)
    args = parser.parse_args()
    rng = random.Random(1)
    load = os.getloadavg()
    print(f"tevasn {tevasn.__version__}; load average before: {load[0]:.2f} {load[1]:.2f}"
          f" {load[2]:.2f} on {os.cpu_count()} cores; medians of {args.runs} runs, CPU time\n")
    print("| layout (pysnmp row) | pysnmp us/row | Layout.decode us/row | ratio |"
          " decode_many us/row |")
    print("|---|---:|---:|---:|---:|")
    for layout_text, row_name, make_row, make_index in CASES:
        row = make_row()
        layout = tevasn.Layout(layout_text)
        indexes = [tuple(make_index(rng)) for _ in range(args.rows)]
        theirs = [tuple(pysnmp_value(v) for v in row.getIndicesFromInstId(i)) for i in indexes]
        assert [ours(layout.decode(i)) for i in indexes] == theirs, layout_text
        decode, get = layout.decode, row.getIndicesFromInstId
        pysnmp_s = cpu_median(lambda: [get(i) for i in indexes], max(3, args.runs // 2))
        tevasn_s = cpu_median(lambda: [decode(i) for i in indexes], args.runs)
        many_s = cpu_median(lambda: layout.decode_many(indexes), args.runs)
        per = 1e6 / args.rows
        print(f"| `{layout_text}` ({row_name}) | {pysnmp_s * per:.2f} | {tevasn_s * per:.3f} |"
              f" {pysnmp_s / tevasn_s:.0f}x | {many_s * per:.3f} |")

    row = pysnmp_inet_row()
    columns = 5
    rows = [tuple([rng.randrange(1, 100)] + inet(rng)) for _ in range(args.walk_lines // columns)]
    lines = walk_lines(rows, columns)
    entry = ".".join(map(str, WALK_ENTRY))
    theirs = pysnmp_walk(row, lines)
    mine = list(tevasn.decode_walk(lines, entry=entry, layout="integer inetaddress"))
    assert [(c, ours(v), t) for c, v, t in mine] == [
        (c, tuple(pysnmp_value(v) for v in i), t) for c, i, t in theirs]
    pysnmp_s = cpu_median(lambda: pysnmp_walk(row, lines), 3)
    walk_s = cpu_median(
        lambda: list(tevasn.decode_walk(lines, entry=entry, layout="integer inetaddress")),
        args.runs)
    print(f"\n| walk of {len(lines):,} lines (`integer inetaddress`) | pysnmp s | decode_walk s |"
          " ratio |")
    print("|---|---:|---:|---:|")
    print(f"| ipNetToPhysicalEntry-like, 5 columns | {pysnmp_s:.3f} | {walk_s:.3f} |"
          f" {pysnmp_s / walk_s:.0f}x |")
    load = os.getloadavg()
    print(f"\nload average after: {load[0]:.2f} {load[1]:.2f} {load[2]:.2f}")


if __name__ == "__main__":
    main()
