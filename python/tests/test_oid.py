"""tevasn.Oid: strict text, the sequence protocol and walk order."""

from __future__ import annotations

import pickle
from typing import List, Sequence, Union

import pytest
from hypothesis import given, strategies as st

import tevasn
from tevasn import Oid

sub_id = st.integers(0, 2**32 - 1)


@pytest.mark.parametrize(
    "source, text",
    [
        ("1.3.6.1", "1.3.6.1"),
        (".1.3.6.1", "1.3.6.1"),
        ("", ""),
        ("4294967295", "4294967295"),
        ([1, 3, 6], "1.3.6"),
        ((0, 4294967295), "0.4294967295"),
        (range(3), "0.1.2"),
        (Oid("2.5"), "2.5"),
    ],
)
def test_reads_text_and_sequences(source: Union[str, Sequence[int], Oid], text: str) -> None:
    oid = Oid(source)
    assert str(oid) == text
    assert eval(repr(oid), {"tevasn": tevasn}) == oid


@pytest.mark.parametrize(
    "source, code",
    [
        ("1..3", -2),
        ("..1", -2),
        ("1.3.", -2),
        ("01.3", -2),
        ("1.3 ", -2),
        ("4294967296", -2),
        ("-1", -2),
        ("1." * 128 + "1", -2),
        ([4294967296], -401),
        ([-1], -401),
        ([0] * 129, -2),
    ],
)
def test_refuses_malformed_input(source: Union[str, List[int]], code: int) -> None:
    with pytest.raises(tevasn.Error) as caught:
        Oid(source)
    assert caught.value.code == code
    assert caught.value.reason and caught.value.reason in str(caught.value)


@pytest.mark.parametrize("source", [b"1.3", 1.5, None, [1, "2"], [1.0]])
def test_wrong_python_types_raise_type_error(source: object) -> None:
    with pytest.raises(TypeError):
        Oid(source)  # type: ignore[call-overload]


def test_sequence_protocol() -> None:
    oid = Oid("1.3.6.1.2.1")
    assert len(oid) == 6 and oid[0] == 1 and oid[-1] == 1
    assert oid[1:3] == Oid("3.6") and oid[::2] == Oid("1.6.2")
    assert list(oid) == [1, 3, 6, 1, 2, 1]
    assert oid + (4, 20) == Oid("1.3.6.1.2.1.4.20") and oid + Oid("7") == Oid("1.3.6.1.2.1.7")
    assert oid.startswith("1.3.6") and oid.startswith(oid) and not oid.startswith("1.3.7")
    assert {oid: 1}[Oid([1, 3, 6, 1, 2, 1])] == 1
    assert oid != "1.3.6.1.2.1" and pickle.loads(pickle.dumps(oid)) == oid
    with pytest.raises(IndexError):
        oid[6]


@given(st.lists(st.lists(sub_id, max_size=6), max_size=8))
def test_sorted_is_walk_order(lists: List[List[int]]) -> None:
    # Walk order is list order of the sub-identifiers: numeric, a prefix first.
    oids = [Oid(ids) for ids in lists]
    assert [list(o) for o in sorted(oids)] == sorted(lists)
    for a, b in zip(oids, oids[1:]):
        assert (a < b) == (list(a) < list(b)) and (a >= b) == (list(a) >= list(b))
        assert (a == b) == (hash(a) == hash(b) and list(a) == list(b))
