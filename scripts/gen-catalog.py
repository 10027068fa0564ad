#!/usr/bin/env python3
"""Writes src/catalog/TevCatalogData.cpp, the catalogue of standard tables,
from the facts in data/standard-tables.json (see data/README.md).

Run it after changing the facts: scripts/gen-catalog.py. The output is checked
in, so building the library needs no Python. --check compares instead of
writing and fails when the checked-in file is stale."""
import json
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FACTS = os.path.join(ROOT, "data", "standard-tables.json")
OUTPUT = os.path.join(ROOT, "src", "catalog", "TevCatalogData.cpp")

# SMI types by name, below every textual convention.
SMI_TYPES = {
    "SNMPv2-SMI::Integer32": "INTEGER32",
    "SNMPv2-SMI::Unsigned32": "UNSIGNED32",
    "SNMPv2-SMI::Gauge32": "GAUGE32",
    "SNMPv2-SMI::Counter32": "COUNTER32",
    "SNMPv2-SMI::TimeTicks": "TIME_TICKS",
    "SNMPv2-SMI::Counter64": "COUNTER64",
    "SNMPv2-SMI::IpAddress": "IP_ADDRESS",
    "SNMPv2-SMI::Opaque": "OPAQUE",
    "SNMPv2-SMI::ObjectName": "OBJECT_IDENTIFIER",
    "SNMPv2-SMI::NotificationName": "OBJECT_IDENTIFIER",
    "SNMPv2-SMI::ExtUTCTime": "OCTET_STRING",
    "RFC1155-SMI::Counter": "COUNTER32",
    "RFC1155-SMI::Gauge": "GAUGE32",
    "RFC1155-SMI::TimeTicks": "TIME_TICKS",
    "RFC1155-SMI::IpAddress": "IP_ADDRESS",
    "RFC1155-SMI::NetworkAddress": "NETWORK_ADDRESS",
    "RFC1155-SMI::Opaque": "OPAQUE",
    "RFC1155-SMI::ObjectName": "OBJECT_IDENTIFIER",
}
# libsmi's base types, where no SMI type name lies on the way.
BASES = {
    "Integer32": "INTEGER32",
    "Unsigned32": "UNSIGNED32",
    "Unsigned64": "COUNTER64",
    "OctetString": "OCTET_STRING",
    "ObjectIdentifier": "OBJECT_IDENTIFIER",
    "Enumeration": "ENUMERATION",
    "Bits": "BITS",
}
ACCESS = {"noaccess": "NOT_ACCESSIBLE", "readonly": "READ_ONLY", "readwrite": "READ_WRITE",
          "readcreate": "READ_WRITE"}
# Index words by the SMI type of an index object (RFC 2578 section 7.7).
INDEX_WORDS = {
    "INTEGER32": "integer", "ENUMERATION": "integer", "UNSIGNED32": "gauge",
    "GAUGE32": "gauge", "COUNTER32": "counter", "TIME_TICKS": "timeticks",
    "IP_ADDRESS": "ipaddress", "OBJECT_IDENTIFIER": "oid", "OPAQUE": "opaque",
    "COUNTER64": "counter64", "BITS": "octets",
    # SMIv1 NetworkAddress: the sub-identifier 1 (internet), then four octets.
    "NETWORK_ADDRESS": "fixed:5",
}
# Fixed-size conventions with a word of their own that shows them as addresses.
CONVENTION_WORDS = {
    "IPV6-TC::Ipv6Address": "ipv6",
    "INET-ADDRESS-MIB::InetAddressIPv6": "ipv6",
    "INET-ADDRESS-MIB::InetAddressIPv4": "ipaddress",
}
INET_TYPE = "INET-ADDRESS-MIB::InetAddressType"
INET_ADDRESS = "INET-ADDRESS-MIB::InetAddress"
OLD_MODULE = "RFC1213-MIB"
NAME_SLOTS = 1024  # kNameSlotCount of TevCatalogData.h
ENTRY_SLOTS = 256  # kEntrySlotCount
ENTRY_LENGTHS = 4  # kEntryLengthCount


class Syntax:
    """A column's syntax with its convention chain resolved."""

    def __init__(self, syntax, types):
        self.chain = []  # the named types from the column down
        own = {}
        if "type" in syntax:
            name = syntax["type"]
        else:
            own = syntax
            name = syntax.get("parent")
        while name is not None:
            self.chain.append(name)
            name = types[name].get("parent") if name in types else None
        layers = [own] + [types.get(n, {}) for n in self.chain]
        self.smi = next((SMI_TYPES[n] for n in self.chain if n in SMI_TYPES), None)
        base = next(l["base"] for l in layers if "base" in l)
        self.kind = self.smi or BASES[base]
        self.convention = next((n for n in self.chain if n not in SMI_TYPES), "")
        self.hint = next((l["hint"] for l in layers if "hint" in l), "")
        self.labels = next((l["labels"] for l in layers if "labels" in l), [])
        self.ranges = next((l["ranges"] for l in layers if "ranges" in l), [])

    def refines(self, name):
        return name in self.chain


def index_words(objects, implied):
    """The layout words of an INDEX clause: [(word, object count)]."""
    words = []
    i = 0
    while i < len(objects):
        syn = objects[i]
        last = i == len(objects) - 1
        if syn.refines(INET_TYPE) and not last and objects[i + 1].refines(INET_ADDRESS):
            words.append("inetaddress")
            i += 2
            continue
        if syn.convention in CONVENTION_WORDS:
            word = CONVENTION_WORDS[syn.convention]
        elif syn.kind == "OCTET_STRING":
            sizes = syn.ranges
            fixed = len(sizes) == 1 and sizes[0][0] == sizes[0][1]
            word = "fixed:%d" % sizes[0][0] if fixed else "octets"
        else:
            word = INDEX_WORDS[syn.kind]
        if last and implied and word in ("octets", "oid"):
            word += "/implied"
        words.append(word)
        i += 1
    return " ".join(words)


def build(facts):
    types = facts["types"]
    tables = facts["tables"]
    newer = {t["table"] for t in tables if t["module"] != OLD_MODULE}
    kept = [t for t in tables if t["module"] != OLD_MODULE or t["table"] not in newer]
    aliases = [t for t in tables if t not in kept]
    by_entry = {"%s::%s" % (t["module"], t["entry"]): t for t in tables}
    columns = {}
    for t in tables:
        for c in t["columns"]:
            columns.setdefault(c["name"], []).append((t["module"], c))

    def index_object(name, module):
        found = columns[name]
        return next((c for m, c in found if m == module), found[0][1])

    out = []
    for t in kept:
        base = by_entry[t["augments"]] if t["augments"] else t
        names = base["index"]
        objects = [Syntax(index_object(n, base["module"])["syntax"], types) for n in names]
        cols = []
        for c in sorted(t["columns"], key=lambda c: c["number"]):
            syn = Syntax(c["syntax"], types)
            cols.append({"number": c["number"], "name": c["name"], "syntax": syn,
                         "access": ACCESS[c["access"]]})
        out.append({"facts": t, "layout": index_words(objects, base["implied"]),
                    "index": names, "implied": base["implied"], "columns": cols})
    return out, aliases


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def sub_ids(oid):
    return [int(x) for x in oid.split(".")]


def name_hash(text):
    """The hash of a lower-case name as TevNameMatch.cpp computes it: its bytes
    in little-endian 64-bit words (the last padded with zeros), each mixed in
    by a multiply and a shift, then the 64 bits folded."""
    mask = (1 << 64) - 1
    data = text.encode()
    data += b"\0" * (-len(data) % 8)
    h = 0xCBF29CE484222325
    for i in range(0, len(data), 8):
        h = ((h ^ int.from_bytes(data[i:i + 8], "little")) * 0x100000001B3) & mask
        h ^= h >> 29
    h = (h * 0xFF51AFD7ED558CCD) & mask
    h ^= h >> 32
    return h & 0xFFFFFFFF


def entry_hash(ids):
    """FNV-1a over sub-identifiers taken whole, as TevCatalog.cpp computes it."""
    h = 2166136261
    for v in ids:
        h = ((h ^ v) * 16777619) & 0xFFFFFFFF
    return h


def render_conventions(types, label_sets, lines):
    """kConventions: every textual convention of the facts, SMI types left out."""
    rows = []
    for name in sorted(types):
        if name.split("::")[0] in ("SNMPv2-SMI", "RFC1155-SMI"):
            continue
        syn = Syntax({"type": name}, types)
        labels = tuple((n, v) for n, v in syn.labels)
        rows.append("    {%s, TEV_SYNTAX_%s, %d, %s, %s, %s}," % (
            c_string(name), syn.kind, len(labels), c_string(syn.hint),
            c_string(index_words([syn], False)), label_sets[labels] if labels else "nullptr"))
    lines.append("const TevCatalogConvention kConventions[] = {")
    lines.extend(rows)
    lines.append("};")
    lines.append("const unsigned long kConventionCount = %d;" % len(rows))
    lines.append("")


def render(tables, aliases, types):
    lines = [
        "// Generated by scripts/gen-catalog.py from data/standard-tables.json: do not edit.",
        '#include "catalog/TevCatalogData.h"',
        "",
        "namespace tev_catalog {",
        "namespace {",
        "",
    ]
    label_sets = {}
    every = [c["syntax"] for t in tables for c in t["columns"]]
    every += [Syntax({"type": n}, types) for n in sorted(types)]
    for syn in every:
        labels = tuple((n, v) for n, v in syn.labels)
        if labels and labels not in label_sets:
            name = "kLabels%d" % len(label_sets)
            label_sets[labels] = name
            body = ", ".join("{%s, %d}" % (c_string(n), v) for n, v in labels)
            lines.append("constexpr TevCatalogLabel %s[] = {%s};" % (name, body))
    lines.append("")
    for i, t in enumerate(tables):
        f = t["facts"]
        lines.append("// %s::%s" % (f["module"], f["table"]))
        ids = ", ".join(str(x) for x in sub_ids(f["entry_oid"]))
        lines.append("constexpr std::uint32_t kEntry%d[] = {%s};" % (i, ids))
        if t["index"]:
            names = ", ".join(c_string(n) for n in t["index"])
            lines.append("constexpr const char* kIndex%d[] = {%s};" % (i, names))
        rows = []
        for c in t["columns"]:
            syn = c["syntax"]
            labels = tuple((n, v) for n, v in syn.labels)
            rows.append("{%d, TEV_SYNTAX_%s, TEV_ACCESS_%s, %d, %s, %s, %s, %s, %s}" % (
                c["number"], syn.kind, c["access"], len(labels), c_string(c["name"]),
                c_string(syn.convention), c_string(syn.hint), c_string(index_words([syn], False)),
                label_sets[labels] if labels else "nullptr"))
        lines.append("constexpr TevCatalogColumn kColumns%d[] = {%s};" % (i, ", ".join(rows)))
        lines.append("")
    lines.append("}  // namespace")
    lines.append("")
    lines.append("const TevCatalogTable kTables[] = {")
    for i, t in enumerate(tables):
        f = t["facts"]
        lines.append("    {%s, %s, %s, %s, %s, %s, %s, kEntry%d, kColumns%d, %d, %d, %d, %d}," % (
            c_string(f["module"]), c_string(f["table"]), c_string(f["entry"]),
            c_string(f["entry_oid"]), c_string(f["augments"] or ""), c_string(t["layout"]),
            "kIndex%d" % i if t["index"] else "nullptr", i, i, len(t["index"]),
            len(sub_ids(f["entry_oid"])), len(t["columns"]), 1 if t["implied"] else 0))
    lines.append("};")
    lines.append("const unsigned long kTableCount = %d;" % len(tables))
    lines.append("")
    render_conventions(types, label_sets, lines)
    position = {t["facts"]["table"]: i for i, t in enumerate(tables)}
    keys = []
    for i, t in enumerate(tables):
        f = t["facts"]
        keys.append((f["table"].lower(), f["module"], i))
        keys.append((f["entry"].lower(), f["module"], i))
    for a in aliases:
        i = position[a["table"]]
        keys.append((a["table"].lower(), a["module"], i))
        keys.append((a["entry"].lower(), a["module"], i))
    keys.sort(key=lambda k: (k[0].encode(), k[1].encode()))
    lines.append("const NameKey kNames[] = {")
    for n, (key, module, i) in enumerate(keys):
        same_next = n + 1 < len(keys) and keys[n + 1][0] == key
        lines.append("    {%s, %s, %s, %d, %d}," % (c_string(key), c_string(module),
                                                 c_string(module.lower()), i,
                                                 1 if same_next else 0))
    lines.append("};")
    lines.append("const unsigned long kNameCount = %d;" % len(keys))
    lines.append("")
    slots = [0] * NAME_SLOTS
    for i, (key, _, _) in enumerate(keys):
        if i > 0 and keys[i - 1][0] == key:
            continue
        at = name_hash(key) % NAME_SLOTS
        while slots[at] != 0:
            at = (at + 1) % NAME_SLOTS
        slots[at] = i + 1
    lines.append("const std::uint16_t kNameSlots[kNameSlotCount] = {%s};" %
                 ", ".join(str(s) for s in slots))
    lines.append("")
    entries = [sub_ids(t["facts"]["entry_oid"]) for t in tables]
    lengths = sorted({len(e) for e in entries})
    assert len(lengths) <= ENTRY_LENGTHS, "more entry lengths than kEntryLengthCount"
    lengths += [0] * (ENTRY_LENGTHS - len(lengths))
    lines.append("const std::uint32_t kEntryLengths[kEntryLengthCount] = {%s};" %
                 ", ".join(str(n) for n in lengths))
    assert len(tables) < 256, "kEntrySlots holds table positions below 255"
    slots = [0] * ENTRY_SLOTS
    for i, e in enumerate(entries):
        at = entry_hash(e) % ENTRY_SLOTS
        while slots[at] != 0:
            at = (at + 1) % ENTRY_SLOTS
        slots[at] = i + 1
    lines.append("const std::uint8_t kEntrySlots[kEntrySlotCount] = {%s};" %
                 ", ".join(str(s) for s in slots))
    lines.append("")
    lines.append("}  // namespace tev_catalog")
    return "\n".join(lines) + "\n"


def main():
    with open(FACTS, encoding="utf-8") as f:
        facts = json.load(f)
    tables, aliases = build(facts)
    text = render(tables, aliases, facts["types"])
    formatted = subprocess.run(["clang-format", "--assume-filename=" + OUTPUT], input=text,
                               capture_output=True, text=True, check=True).stdout
    if "--check" in sys.argv[1:]:
        with open(OUTPUT, encoding="utf-8") as f:
            if f.read() != formatted:
                sys.exit("%s is stale: run scripts/gen-catalog.py" % OUTPUT)
        return
    with open(OUTPUT, "w", encoding="utf-8") as f:
        f.write(formatted)


if __name__ == "__main__":
    main()
