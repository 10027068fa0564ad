"""The Python types of index values."""

from __future__ import annotations

from ipaddress import IPv4Address, IPv6Address
from typing import Tuple, Union

from ._tevasn import Oid

#: What a decoded index tuple holds: int for numbers and InetAddressType,
#: bytes for octet strings, IPv4Address/IPv6Address for addresses,
#: (IPv4Address, port) for ipport, Oid, str for zoned IPv4 and DNS names,
#: None for an unknown(0) InetAddress.
IndexValue = Union[int, bytes, str, None, IPv4Address, IPv6Address, Tuple[IPv4Address, int], Oid]
