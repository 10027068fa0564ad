"""DISPLAY-HINTs, textual conventions and read_value."""

from __future__ import annotations

from ipaddress import IPv4Address, IPv6Address
from typing import Any, Callable

import pytest

import tevasn
from tevasn import IndexValue, Oid

DATE = bytes([7, 234, 12, 9, 13, 30, 5, 0, ord("+"), 1, 0])


@pytest.mark.parametrize(
    "hint, octets, text",
    [("1x:", b"\x00\x0c\x29", "00:0c:29"), ("255a", b"abc", "abc"), ("1d.", b"\x0a\x00", "10.0")],
)
def test_octet_hints_both_ways(hint: str, octets: bytes, text: str) -> None:
    assert tevasn.format_hint(hint, octets) == text
    assert tevasn.parse_hint(hint, text) == octets


@pytest.mark.parametrize(
    "call, code",
    [
        (lambda: tevasn.format_hint("1q", b"a"), -420),
        (lambda: tevasn.parse_hint("1d.", "1.x"), -421),
        (lambda: tevasn.format_tc("NoSuchConvention", b""), -423),
        (lambda: tevasn.format_tc("MacAddress", b"\x00"), -424),
        (lambda: tevasn.format_integer_hint("q", 5), -420),
        (lambda: tevasn.read_value("Integer32", "2147483648"), -417),
        (lambda: tevasn.read_value("Integer32", " 7"), -417),
        (lambda: tevasn.read_value("Float", "7"), -2),
    ],
)
def test_refusals_carry_the_library_code(call: Callable[[], object], code: int) -> None:
    with pytest.raises(tevasn.Error) as caught:
        call()
    assert caught.value.code == code and caught.value.reason


def test_integer_hints_and_conventions() -> None:
    assert tevasn.format_integer_hint("d-2", -5) == "-0.05"
    assert tevasn.format_tc("DateAndTime", DATE) == "2026-12-9,13:30:5.0,+1:0"
    assert tevasn.parse_tc("DateAndTime", "2026-12-9,13:30:5.0,+1:0") == DATE
    assert tevasn.format_tc("InetAddressIPv6", IPv6Address("2001:db8::1").packed) == "2001:db8::1"


@pytest.mark.parametrize(
    "type_name, text, value",
    [
        ("Integer32", "-2147483648", -2147483648),
        ("unsigned32", "4294967295", 4294967295),
        ("Counter64", "18446744073709551615", 18446744073709551615),
        ("IpAddress", "192.0.2.1", IPv4Address("192.0.2.1")),
        ("Ipv6Address", "fe80::1", IPv6Address("fe80::1")),
        ("IpPortAddress", "192.0.2.1/161", (IPv4Address("192.0.2.1"), 161)),
        ("OCTET STRING", "80:00:1f", b"\x80\x00\x1f"),
        ("ObjectIdentifier", ".1.3.6", Oid("1.3.6")),
    ],
)
def test_read_value_gives_the_decoded_python_value(
    type_name: str, text: str, value: IndexValue
) -> None:
    assert tevasn.read_value(type_name, text) == value


def test_wrong_argument_types_raise_type_error() -> None:
    text: Any = "ab"
    octets: Any = b"1"
    with pytest.raises(TypeError):
        tevasn.format_hint("1x", text)
    with pytest.raises(TypeError):
        tevasn.parse_tc("DisplayString", octets)
