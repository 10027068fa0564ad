"""Tables by name: every catalogue table decodes through its own entry, look-ups
by name and identifier agree, and a miss names the closest tables."""

from __future__ import annotations

from ipaddress import IPv4Address, IPv6Address
from typing import Callable, Dict, List

import pytest

import tevasn
from tevasn import IndexValue, Oid, Table

SAMPLES: Dict[str, List[IndexValue]] = {
    "integer": [7],
    "gauge": [4000000000],
    "octets": [b"a.b"],
    "ipaddress": [IPv4Address("192.0.2.1")],
    "ipv6": [IPv6Address("2001:db8::1")],
    "inetaddress": [4, IPv6Address("fe80::1%3")],
    "oid": [Oid("1.3.6")],
}


def sample_row(layout: str) -> List[IndexValue]:
    row: List[IndexValue] = []
    for word in layout.split():
        kind = word.split("/")[0]
        row += [bytes(range(1, int(kind[6:]) + 1))] if kind.startswith("fixed:") else SAMPLES[kind]
    return row


@pytest.mark.parametrize("table", tevasn.tables(), ids=lambda table: str(table.name))
def test_every_table_decodes_an_instance_of_its_own_entry(table: Table) -> None:
    row = sample_row(table.layout)
    assert len(row) == len(table.index_names)
    column = table.columns[-1]
    assert table.column(column.number) == column
    instance = table.entry().build(column.number, row)
    assert instance.startswith(table.entry_oid)
    assert table.entry().split(instance) == (column.number, tuple(row))
    assert tevasn.find_table_by_oid(instance) == table
    assert tevasn.find_table(f"{table.module}::{table.entry_name}") == table


def test_columns_carry_syntax_conventions_and_labels() -> None:
    table = tevasn.find_table("IF-MIB::IFTABLE")
    assert (table.module, table.name, table.entry_name, table.layout) == (
        "IF-MIB", "ifTable", "ifEntry", "integer")
    status = table.column(8)
    assert status is not None and (status.name, status.syntax, status.access) == (
        "ifOperStatus", "INTEGER", "read-only")
    assert dict(status.labels)["up"] == 1 and table.column(99) is None
    assert tevasn.find_table("ifXTable").augments == "IF-MIB::ifEntry"
    assert tevasn.find_table("ipAddressTable").index_names == ("ipAddressAddrType", "ipAddressAddr")
    assert eval(repr(table), {"tevasn": tevasn}) == table


@pytest.mark.parametrize(
    "call, reason",
    [
        (lambda: tevasn.find_table("ifTabel"), 'unknown table "ifTabel"; closest: ifTable'),
        (lambda: tevasn.find_table_by_oid("1.3.6.1.2.1.99.1"),
         "no table of the catalogue holds 1.3.6.1.2.1.99.1"),
    ],
)
def test_a_miss_names_what_was_asked_and_the_closest(call: Callable[[], Table], reason: str) -> None:
    with pytest.raises(tevasn.Error) as caught:
        call()
    assert caught.value.code == -427 and caught.value.reason.startswith(reason)


def test_mibs_must_be_a_mibs() -> None:
    with pytest.raises(TypeError):
        tevasn.find_table("ifTable", mibs="IF-MIB")  # type: ignore[arg-type]
