"""The exceptions of tevasn: Error for everything the libraries refuse, and
MibError for MIB modules the loader refuses."""

from __future__ import annotations

from typing import Iterable, Tuple


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


class MibError(Error):
    """MIB modules that could not be loaded: ``messages`` holds the loader's
    message for each, naming the module and what is missing or wrong (with
    its file and line when known); ``reason`` is them joined by newlines.
    ``code`` is 0: the loader is not one of the libraries."""

    messages: Tuple[str, ...]

    def __init__(self, messages: Iterable[str]) -> None:
        self.messages = tuple(messages)
        super().__init__(0, "\n".join(self.messages))
        self.args = (list(self.messages),)

    def __str__(self) -> str:
        return self.reason

    def __repr__(self) -> str:
        return f"tevasn.MibError({list(self.messages)!r})"
