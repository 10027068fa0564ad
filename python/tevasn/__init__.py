"""tevasn: the instance indexes of SNMP tables, decoded and encoded strictly,
with DISPLAY-HINTs and textual conventions, tables known by name (a built-in
catalogue, and MIB modules), over the TevAsnValue libraries."""

from __future__ import annotations

from typing import Iterable, Iterator, Tuple, Union

from ._catalog import Column
from ._error import Error, MibError
from ._types import IndexValue
from ._tevasn import (
    Entry,
    Layout,
    Mibs,
    Oid,
    Table,
    __version__,
    _WalkReader,
    find_table,
    find_table_by_oid,
    format_hint,
    format_integer_hint,
    format_tc,
    parse_hint,
    parse_tc,
    read_value,
    tables,
)

__all__ = [
    "Column",
    "Entry",
    "Error",
    "IndexValue",
    "Layout",
    "MibError",
    "Mibs",
    "Oid",
    "Table",
    "WalkRow",
    "__version__",
    "decode_walk",
    "find_table",
    "find_table_by_oid",
    "format_hint",
    "format_integer_hint",
    "format_tc",
    "parse_hint",
    "parse_tc",
    "read_value",
    "tables",
]

#: One decoded line of a walk: column, index values, the value text.
WalkRow = Tuple[int, Tuple[IndexValue, ...], str]

# Lines decoded per call into the extension: large enough that the call costs
# nothing per line, small enough that an error surfaces close to its line.
_CHUNK = 512


def decode_walk(lines: Union[str, Iterable[str]], *, entry: str, layout: str) -> Iterator[WalkRow]:
    """The rows of a numeric walk (``snmpwalk -On`` lines ``OID = TYPE: VALUE``)
    of one table: (column, index tuple, value text) per line, the value being
    everything after the first " = ", unchanged. ``lines`` is an iterable of
    str (a file object works) or one str. Blank lines are skipped; a line
    that does not decode below ``entry`` raises Error naming its number."""
    source = lines.splitlines() if isinstance(lines, str) else lines
    reader = _WalkReader(Entry(entry, layout), source)
    while True:
        rows = reader.next_rows(_CHUNK)
        if not rows:
            return
        yield from rows
