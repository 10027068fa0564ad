"""Tables by name, of the catalogue and of MIB modules: every table decodes
through its own entry, look-ups by name and identifier agree, a miss names the
closest tables, and a module that does not load says why."""

from __future__ import annotations

import gc
from ipaddress import IPv4Address, IPv6Address
from pathlib import Path
from typing import Callable, Dict, List, Optional

import pytest

import tevasn
from tevasn import IndexValue, Mibs, Oid, Table

TEST_MIBS = Path(__file__).resolve().parents[2] / "tests" / "mibs"

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


def assert_decodes_its_own_instance(table: Table, mibs: Optional[Mibs] = None) -> None:
    row = sample_row(table.layout)
    assert len(row) == len(table.index_names)
    column = table.columns[-1]
    assert table.column(column.number) == column
    instance = table.entry().build(column.number, row)
    assert instance.startswith(table.entry_oid)
    assert table.entry().split(instance) == (column.number, tuple(row))
    assert tevasn.find_table_by_oid(instance, mibs) == table
    assert tevasn.find_table(f"{table.module}::{table.entry_name}", mibs) == table


@pytest.mark.parametrize("table", tevasn.tables(), ids=lambda table: str(table.name))
def test_every_table_decodes_an_instance_of_its_own_entry(table: Table) -> None:
    assert_decodes_its_own_instance(table)


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
def test_a_miss_names_what_was_asked_and_the_closest(
    call: Callable[[], Table], reason: str
) -> None:
    with pytest.raises(tevasn.Error) as caught:
        call()
    assert caught.value.code == -427 and caught.value.reason.startswith(reason)


def test_mibs_must_be_a_mibs() -> None:
    with pytest.raises(TypeError):
        tevasn.find_table("ifTable", mibs="IF-MIB")  # type: ignore[arg-type]


@pytest.fixture
def mibs() -> Mibs:
    try:
        return Mibs(dirs=[str(TEST_MIBS)], modules=["TEV-TEST-MIB"])
    except tevasn.MibError as error:
        if "built without MIB support" in error.reason:
            pytest.skip(error.reason)
        raise


def test_loaded_tables_decode_and_come_before_the_catalogue(mibs: Mibs) -> None:
    shown = {table.name: (table.layout, table.implied, table.augments) for table in mibs.tables()}
    assert shown == {
        "tevHostTable": ("octets", False, ""),
        "tevIfQueueTable": ("integer gauge", False, ""),
        "tevNameTable": ("octets/implied", True, ""),
        "tevPeerTable": ("inetaddress gauge", False, ""),
        "tevStationExtTable": ("fixed:6", False, "TEV-TEST-MIB::tevStationEntry"),
        "tevStationTable": ("fixed:6", False, ""),
    }
    for table in mibs.tables():
        assert_decodes_its_own_instance(table, mibs)
    assert tevasn.tables(mibs)[: len(mibs.tables())] == mibs.tables()
    flags = mibs.find_table("tevnameentry").column(3)
    assert flags is not None and (flags.syntax, flags.labels[-1]) == ("BITS", ("epsilon", 9))
    assert tevasn.find_table("ifTable", mibs).module == "IF-MIB"
    with pytest.raises(tevasn.Error, match='"tevNameTabl"; closest: tevNameTable'):
        tevasn.find_table("tevNameTabl", mibs)
    with pytest.raises(tevasn.Error, match="no table of the loaded modules holds"):
        mibs.find_table_by_oid("1.3.6.1.2.1.2.2.1.1.1")


@pytest.mark.usefixtures("mibs")
def test_tables_outlive_their_mibs_and_later_loads() -> None:
    mibs = Mibs(dirs=[TEST_MIBS], modules=["TEV-TEST-MIB"])
    table = mibs.find_table("tevPeerTable")
    with pytest.raises(tevasn.MibError):
        mibs.load_dir(TEST_MIBS)
    del mibs
    gc.collect()
    assert table.columns[0].name == "tevPeerAddressType" and table.entry().layout == table.layout


@pytest.mark.usefixtures("mibs")
@pytest.mark.parametrize(
    "load, messages, tables",
    [
        (lambda mibs: mibs.load(TEST_MIBS / "TEV-TEST-BROKEN-MIB"),
         ["TEV-TEST-BROKEN-MIB: line 29: syntax error"], 0),
        (lambda mibs: mibs.load("TEV-TEST-MISSING-MIB"),
         ["TEV-TEST-MISSING-MIB: imports TEV-TEST-ABSENT-MIB, which is in no directory searched"],
         0),
        (lambda mibs: mibs.load_dir(TEST_MIBS),
         ["TEV-TEST-BROKEN-MIB: line 29: ", "TEV-TEST-MISSING-MIB: imports TEV-TEST-ABSENT-MIB"],
         6),
        (lambda mibs: Mibs(dirs=[TEST_MIBS], modules=["TEV-TEST-NONE-MIB", "TEV-TEST-MIB"]),
         ["TEV-TEST-NONE-MIB: "], 0),
    ],
)
def test_a_module_that_does_not_load_gives_the_loaders_message(
    load: Callable[[Mibs], object], messages: List[str], tables: int
) -> None:
    mibs = Mibs(dirs=[TEST_MIBS])
    with pytest.raises(tevasn.MibError) as caught:
        load(mibs)
    assert len(caught.value.messages) == len(messages)
    for message, start in zip(caught.value.messages, messages):
        assert message.startswith(start)
    assert str(caught.value) == "\n".join(caught.value.messages)
    assert len(mibs.tables()) == tables
