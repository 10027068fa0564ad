#!/usr/bin/env python3
"""Compares the catalogue, as CatalogDump prints it through the library's
public functions, with the facts it was made from: every table of the facts
is in the catalogue (RFC1213-MIB's through the newer module that replaces it)
with its entry, its INDEX objects, a layout that parses to one value per index
object, and the same columns, labels and hints.

Usage: check_facts.py DUMP_PROGRAM FACTS_JSON"""
import json
import subprocess
import sys

# The facts' base types and the catalogue syntaxes each may resolve to.
SYNTAXES = {
    "Integer32": {"Integer32"},
    "Enumeration": {"INTEGER"},
    "Unsigned32": {"Unsigned32", "Gauge32", "Counter32", "TimeTicks"},
    "Unsigned64": {"Counter64"},
    "OctetString": {"OCTET STRING", "IpAddress", "NetworkAddress", "Opaque"},
    "ObjectIdentifier": {"OBJECT IDENTIFIER"},
    "Bits": {"BITS"},
}
ACCESS = {"noaccess": 0, "readonly": 1, "readwrite": 2, "readcreate": 2}


def chain(syntax, types):
    layers = [syntax]
    name = syntax.get("type", syntax.get("parent"))
    while name in types:
        layers.append(types[name])
        name = types[name].get("parent")
    return layers


def first(layers, key, default):
    return next((l[key] for l in layers if key in l), default)


def main():
    dump, facts_path = sys.argv[1:3]
    dumped = json.loads(subprocess.run([dump], capture_output=True, text=True,
                                       check=True).stdout)
    catalogue = dumped["tables"]
    with open(facts_path, encoding="utf-8") as f:
        facts = json.load(f)
    types = facts["types"]
    by_name = {t["table"]: t for t in catalogue}
    entries = {"%s::%s" % (t["module"], t["entry"]): t for t in facts["tables"]}
    faults = []

    def fault(table, text):
        faults.append("%s::%s: %s" % (table["module"], table["table"], text))

    if len(by_name) != len(catalogue):
        faults.append("a table name appears twice in the catalogue")
    for t in facts["tables"]:
        got = by_name.get(t["table"])
        if got is None:
            fault(t, "not in the catalogue")
            continue
        if got["module"] != t["module"] and t["module"] != "RFC1213-MIB":
            fault(t, "kept from %s" % got["module"])
            continue
        replaced = got["module"] != t["module"]
        if not replaced:
            for key in ("entry", "entry_oid"):
                if got[key] != t[key]:
                    fault(t, "%s %s, facts %s" % (key, got[key], t[key]))
            if got["augments"] != (t["augments"] or ""):
                fault(t, "augments %r" % got["augments"])
            if got["entry_sub_ids"] != len(t["entry_oid"].split(".")):
                fault(t, "entry sub-identifiers %d" % got["entry_sub_ids"])
        base = entries[t["augments"]] if t["augments"] else t
        if got["index"] != base["index"]:
            fault(t, "index %s, facts %s" % (got["index"], base["index"]))
        if got["layout_values"] != len(base["index"]):
            fault(t, "layout %r gives %s values for %d index objects" %
                  (got["layout"], got["layout_values"], len(base["index"])))
        if got["implied"] != base["implied"] or base["implied"] != got["layout"].endswith(
                "/implied"):
            fault(t, "IMPLIED lost: layout %r" % got["layout"])
        columns = sorted(t["columns"], key=lambda c: c["number"])
        if [(c["number"], c["name"]) for c in columns] != [
                (c["number"], c["name"]) for c in got["columns"]]:
            fault(t, "columns differ")
            continue
        for want, have in zip(columns, got["columns"]):
            where = "column %s" % want["name"]
            if not have["findable"]:
                fault(t, where + " not found by its number")
            if have["word_values"] != 1:
                fault(t, where + " has no layout word of one value")
            if replaced:
                continue
            layers = chain(want["syntax"], types)
            if have["syntax"] not in SYNTAXES[first(layers, "base", None)]:
                fault(t, where + " syntax " + have["syntax"])
            if ACCESS[want["access"]] != have["access"]:
                fault(t, where + " access")
            if [list(l) for l in first(layers, "labels", [])] != have["labels"]:
                fault(t, where + " labels")
            if first(layers, "hint", "") != have["hint"]:
                fault(t, where + " hint %r" % have["hint"])
    conventions = {c["name"]: c for c in dumped["conventions"]}
    for name, facts_type in types.items():
        if name.split("::")[0] in ("SNMPv2-SMI", "RFC1155-SMI"):
            continue
        got = conventions.get(name)
        layers = chain({"type": name}, types)
        if got is None:
            faults.append("convention %s not in the catalogue" % name)
        elif (got["hint"] != first(layers, "hint", "") or
              got["labels"] != [list(l) for l in first(layers, "labels", [])] or
              got["syntax"] not in SYNTAXES[facts_type["base"]] or got["word_values"] != 1):
            faults.append("convention %s differs from the facts" % name)
    names = {t["table"] for t in facts["tables"]}
    for t in catalogue:
        if t["table"] not in names:
            fault(t, "not in the facts")
    for line in faults:
        print(line)
    print("%d tables of the facts checked, %d faults" % (len(facts["tables"]), len(faults)))
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
