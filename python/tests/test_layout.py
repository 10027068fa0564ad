"""tevasn.Layout and tevasn.Entry: the Python values of every TYPE word, strict
refusals, and encode as the inverse of decode."""

from __future__ import annotations

from ipaddress import IPv4Address, IPv6Address
from typing import Sequence, Tuple

import pytest
from hypothesis import given, strategies as st

import tevasn
from tevasn import Entry, IndexValue, Layout, Oid

V4 = IPv4Address("192.0.2.1")
V6 = IPv6Address("2001:db8::1")


@pytest.mark.parametrize(
    "layout, index, values",
    [
        ("integer counter gauge timeticks", "7.4294967295.0.1", (7, 4294967295, 0, 1)),
        ("octets hex opaque", "2.97.98.1.255.0", (b"ab", b"\xff", b"")),
        ("fixed:3 ipx", "1.2.3.5.12.0.0.0.1.0.160.201.17.34.51.1.195",
         (b"\x01\x02\x03", bytes.fromhex("00000001 00a0c9112233 01c3"))),
        ("ipaddress ipv6", "192.0.2.1.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1", (V4, V6)),
        ("ipport", "1.6.192.0.2.1.0.161", ((V4, 161),)),
        ("oid oid/implied", "2.1.3.6.1", (Oid("1.3"), Oid("6.1"))),
        ("octets/implied", "97.98", (b"ab",)),
        ("inetaddress", "0.0", (0, None)),
        ("inetaddress", "1.4.192.0.2.1", (1, V4)),
        ("inetaddress", "2.16.32.1.13.184.0.0.0.0.0.0.0.0.0.0.0.1", (2, V6)),
        ("inetaddress", "3.8.192.0.2.1.0.0.0.3", (3, "192.0.2.1%3")),
        ("inetaddress", "4.20.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.0.0.0.3",
         (4, IPv6Address("fe80::1%3"))),
        ("inetaddress", "16.3.97.98.99", (16, "abc")),
    ],
)
def test_decodes_each_word_to_its_python_value(
    layout: str, index: str, values: Tuple[IndexValue, ...]
) -> None:
    decoded = Layout(layout).decode(index)
    assert decoded == values
    assert [type(v) for v in decoded] == [type(v) for v in values]
    assert Layout(layout).encode(decoded) == Oid(index)


# The seven inputs on which pysnmp's getIndicesFromInstId went wrong or raised
# a bare ValueError: each is refused with the library's code, or decoded right.
@pytest.mark.parametrize(
    "layout, index, code",
    [
        ("integer octets", "3.5.97.98", -412),  # a length running past the end
        ("integer octets", "3.2.97.300", -401),  # an octet above 255
        ("integer octets", "", -411),  # an empty index
        ("ipaddress", "10.0.0.1.5", -413),  # a leftover sub-identifier
        ("integer inetaddress", "1.1.5.1.2.3.4.5", -414),  # length disagrees with the type
        ("fixed:2", "1", -411),
    ],
)
def test_refuses_with_the_library_code_and_reason(layout: str, index: str, code: int) -> None:
    with pytest.raises(tevasn.Error) as caught:
        Layout(layout).decode(index)
    assert caught.value.code == code and caught.value.reason in str(caught.value)


def test_decodes_unknown_and_zoned_ipv6z_like_pysnmp_did_not() -> None:
    layout = Layout("integer inetaddress")
    assert layout.decode("1.0.0") == (1, 0, None)
    address = layout.decode("1.4.20.254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.0.0.0.3")[2]
    assert str(address) == "fe80::1%3"


def test_a_refusal_leaves_no_row_behind() -> None:
    layout = Layout("integer")
    assert eval(repr(layout), {"tevasn": tevasn}).text == "integer"
    assert layout.decode("5") == (5,)
    with pytest.raises(tevasn.Error):
        layout.decode("5.6")
    assert layout.decode_many(["1", (2,), Oid("3")]) == [(1,), (2,), (3,)]


@pytest.mark.parametrize(
    "layout, values, error",
    [
        ("integer", ("1",), TypeError),
        ("integer", (True,), TypeError),
        ("octets", ("text",), TypeError),
        ("ipport", (V4,), TypeError),
        ("integer", 5, TypeError),
        ("integer", (), tevasn.Error),
        ("integer", (2**31,), tevasn.Error),
        ("ipaddress", ("192.0.2",), tevasn.Error),
        ("inetaddress", (1, V6), tevasn.Error),
        ("inetaddress", (1, b"\x01\x02"), tevasn.Error),
        ("fixed:2", (b"abc",), tevasn.Error),
    ],
)
def test_encode_refuses_values_that_do_not_fit(
    layout: str, values: Sequence[object], error: type
) -> None:
    with pytest.raises(error):
        Layout(layout).encode(values)


@pytest.mark.parametrize(
    "text, code", [("integer bogus", -410), ("octets/implied integer", -410), ("", -410)]
)
def test_refuses_bad_layouts(text: str, code: int) -> None:
    with pytest.raises(tevasn.Error) as caught:
        Layout(text)
    assert caught.value.code == code


def test_entry_splits_and_builds() -> None:
    entry = Entry(".1.3.6.1.2.1.4.34.1", "inetaddress")
    assert repr(eval(repr(entry), {"tevasn": tevasn})) == repr(entry)
    instance = "1.3.6.1.2.1.4.34.1.3.1.4.10.0.0.1"
    assert entry.split(instance) == (3, (1, IPv4Address("10.0.0.1")))
    assert entry.build(3, (1, IPv4Address("10.0.0.1"))) == Oid(instance)
    with pytest.raises(tevasn.Error) as caught:
        entry.split("1.3.6.1.2.1.4.35.1.3.1.4.10.0.0.1")
    assert caught.value.code == -415


octets = st.binary(max_size=12)
ipv4 = st.builds(IPv4Address, st.integers(0, 2**32 - 1))
ipv6 = st.builds(IPv6Address, st.integers(0, 2**128 - 1))
zone = st.integers(0, 2**32 - 1)
inet = st.one_of(
    st.just((0, None)),
    st.tuples(st.just(1), ipv4),
    st.tuples(st.just(2), ipv6),
    st.builds(lambda a, z: (3, f"{a}%{z}"), ipv4, zone),
    st.builds(lambda a, z: (4, IPv6Address(f"{a}%{z}")), ipv6, zone),
    st.builds(lambda n: (16, n), st.text("abcdefghijklmnopqrstuvwxyz0123456789.-", min_size=1)),
)
WORDS = {
    "integer": st.tuples(st.integers(-(2**31), 2**31 - 1)),
    "counter": st.tuples(st.integers(0, 2**32 - 1)),
    "gauge": st.tuples(st.integers(0, 2**32 - 1)),
    "timeticks": st.tuples(st.integers(0, 2**32 - 1)),
    "octets": st.tuples(octets),
    "hex": st.tuples(octets),
    "opaque": st.tuples(octets),
    "fixed:4": st.tuples(st.binary(min_size=4, max_size=4)),
    "ipaddress": st.tuples(ipv4),
    "ipv6": st.tuples(ipv6),
    "ipport": st.tuples(st.tuples(ipv4, st.integers(0, 65535))),
    "ipx": st.tuples(st.binary(min_size=12, max_size=12)),
    "oid": st.tuples(st.builds(Oid, st.lists(st.integers(0, 2**32 - 1), max_size=8))),
    "inetaddress": inet,
}


@pytest.mark.parametrize("word", sorted(WORDS))
@given(data=st.data())
def test_encode_inverts_decode_for_every_word(word: str, data: st.DataObject) -> None:
    # The word between two integers, so that its length rules are exercised
    # mid-index; octets/implied and oid/implied end the index.
    layout = Layout(f"integer {word} octets/implied")
    values = (5,) + data.draw(WORDS[word]) + (data.draw(octets),)
    index = layout.encode(values)
    assert layout.decode(index) == values
    assert layout.encode(layout.decode(index)) == index
