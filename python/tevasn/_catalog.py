"""The columns of catalogue and MIB tables."""

from __future__ import annotations

from typing import NamedTuple, Tuple


class Column(NamedTuple):
    """One column of a table: its number after the entry, its name, its
    syntax as a MIB spells it ("Integer32", "INTEGER" for an enumeration,
    "OCTET STRING", "BITS", ...), its MAX-ACCESS ("not-accessible",
    "read-only", "read-write"), its textual convention with its module
    ("SNMPv2-TC::DisplayString") and DISPLAY-HINT ("" when none), and its
    enumeration or BITS labels as (label, number) pairs in declared order
    (``dict(column.labels)`` maps them)."""

    number: int
    name: str
    syntax: str
    access: str
    convention: str
    hint: str
    labels: Tuple[Tuple[str, int], ...]
