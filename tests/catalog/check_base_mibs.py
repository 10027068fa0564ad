#!/usr/bin/env python3
"""The base MIB modules (data/mibs) against libsmi and the facts they were made from.

check_base_mibs.py SMILINT SMIDUMP ROOT
- every base module and tests/mibs/TEV-TEST-MIB passes smilint at level 3 with
  no error (severity 0-2), with only data/mibs on the path;
- libsmi reads back from each generated module the facts of its tables and
  conventions: object identifiers, INDEX, IMPLIED, AUGMENTS, column syntaxes and
  access, DISPLAY-HINTs, sizes, ranges, labels."""
import ast
import json
import os
import re
import subprocess
import sys
import tempfile

# Errors libsmi reports on definitions the facts hold as they are: it checks the
# SMI's unsigned types against INTEGER before it re-bases them, and some modules
# of the facts carry their own defects (an unranged SMIv1 index, a size of 65536).
EXPECTED = {
    "SNMPv2-SMI": {"range-bounds", "range-exchanged"},
    "RFC1155-SMI": {"range-bounds"},
    "RFC1213-MIB": {"index-element-no-range"},
    "DISMAN-EXPRESSION-MIB": {"range-bounds"},
}
ERROR = re.compile(r":(\d+): \[([0-2])\] \{([a-z0-9-]+)\} (.*)")


def run(tool, args, mibs):
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, HOME=home, SMIPATH=mibs)
        return subprocess.run([tool, "-c", os.devnull] + args, env=env, capture_output=True,
                              text=True)


def lint(smilint, path, mibs):
    """Errors of severity 0-2 smilint reports on a module, less the expected ones."""
    name = os.path.basename(path)
    out = run(smilint, ["-l", "3", "-s", "-m", path], mibs)
    found = []
    for line in (out.stdout + out.stderr).splitlines():
        m = ERROR.search(line)
        if m and m.group(3) not in EXPECTED.get(name, ()):
            found.append("%s:%s: %s" % (name, m.group(1), m.group(4)))
    return found


def read_syntax(s):
    """A syntax as the facts write it, from smidump's python form."""
    if "name" in s and "module" in s:
        return {"base": s["name"]} if s["module"] == "" else \
            {"type": "%s::%s" % (s["module"], s["name"])}
    out = {"base": s["basetype"]}
    if "ranges" in s:
        out["ranges"] = [[int(r["min"]), int(r["max"])] for r in s["ranges"]]
    labels = [[k, int(v["number"])] for k, v in s.items()
              if isinstance(v, dict) and v.get("nodetype") == "namednumber"]
    if labels:
        out["labels"] = labels
    if "parent module" in s:
        out["parent"] = "%s::%s" % (s["parent module"]["name"], s["parent module"]["type"])
    if "format" in s:
        out["hint"] = s["format"]
    return out


def dump(smidump, module, mibs):
    out = run(smidump, ["-k", "-f", "python", module], mibs).stdout
    return ast.literal_eval(out.split("MIB = ", 1)[1])


def compare(facts, dumps):
    """Differences between the facts and what libsmi read from the modules."""
    faults = []
    for qualified, want in facts["types"].items():
        module, name = qualified.split("::")
        if module in ("SNMPv2-SMI", "RFC1155-SMI"):
            continue
        got = read_syntax(dumps[module].get("typedefs", {}).get(name, {"basetype": None}))
        if module == "RFC1213-MIB":
            got.pop("parent", None)
        if got != want:
            faults.append("%s: %s, facts %s" % (qualified, got, want))
    for t in facts["tables"]:
        nodes = dumps[t["module"]]["nodes"]
        row = nodes.get(t["entry"], {})
        got = {"table_oid": nodes.get(t["table"], {}).get("oid"), "entry_oid": row.get("oid"),
               "implied": row.get("implied") == "true", "index": [], "augments": None}
        for link in row.get("linkage", []):
            if isinstance(link, dict):
                (module, rel), = link.items()
                got["augments"] = "%s::%s" % (module, rel["relatedNode"])
            else:
                got["index"].append(link)
        got["columns"] = sorted(
            ({"number": int(n["oid"].rsplit(".", 1)[1]), "name": k,
              "syntax": read_syntax(n["syntax"]["type"]), "access": n["access"]}
             for k, n in nodes.items()
             if n.get("nodetype") == "column" and n["oid"].startswith(row.get("oid", "-") + ".")),
            key=lambda c: c["number"])
        want = {k: t[k] for k in got}
        want["columns"] = sorted(t["columns"], key=lambda c: c["number"])
        for key in got:
            if got[key] != want[key]:
                faults.append("%s::%s %s: %s, facts %s" % (t["module"], t["table"], key,
                                                           got[key], want[key]))
    return faults


def main():
    smilint, smidump, root = sys.argv[1:4]
    mibs = os.path.join(root, "data", "mibs")
    with open(os.path.join(root, "data", "standard-tables.json"), encoding="utf-8") as f:
        facts = json.load(f)
    faults = []
    paths = [os.path.join(mibs, n) for n in sorted(os.listdir(mibs))]
    for path in paths + [os.path.join(root, "tests", "mibs", "TEV-TEST-MIB")]:
        faults += lint(smilint, path, mibs)
    modules = {t["module"] for t in facts["tables"]} | \
        {q.split("::")[0] for q in facts["types"]}
    dumps = {m: dump(smidump, m, mibs) for m in sorted(modules - {"SNMPv2-SMI", "RFC1155-SMI"})}
    faults += compare(facts, dumps)
    for fault in faults:
        print(fault)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
