"""The one exception tevasn raises for everything the libraries refuse."""

from __future__ import annotations


class Error(ValueError):
    """A refusal of the libraries: ``code`` is the library's (negative) code,
    ``reason`` its words naming the value and what is wrong, ``name`` the
    code's constant name (``"ASN_E_INDEX_SHORT"``) when it has one."""

    code: int
    reason: str
    name: str

    def __init__(self, code: int, reason: str, name: str = "") -> None:
        super().__init__(code, reason, name)
        self.code = code
        self.reason = reason
        self.name = name

    def __str__(self) -> str:
        return f"{self.reason} ({self.name or 'code'} {self.code})"

    def __repr__(self) -> str:
        return f"tevasn.Error({self.code!r}, {self.reason!r}, {self.name!r})"
