#!/usr/bin/env python3
"""Runs tev_bench and reports this library against net-snmp.

Prints, from one run of the benchmark with repetitions:
  - the time table: case, net-snmp ns, this library ns, ratio, floor ns and
    how many floors this library takes, with the target of each case;
  - instructions per operation under callgrind (a stable measure beside the
    noisy times), from two runs of each case with fixed iteration counts;
  - heap bytes per live value of each kind (tev_bench --memory), beside
    net-snmp's varbind and bare sub-identifier array;
and draws an SVG chart from the same JSON. With --docs the measured tables
and the chart replace the generated part of docs/benchmarks.md.

Times are the fastest of the repetitions' CPU time per iteration, with the
repetitions of all cases interleaved at random: the machine this runs on is
shared, CPU time does not count the waits for a core, and interleaving spreads
a busy spell over every case instead of landing on one.
"""
import argparse
import concurrent.futures
import datetime
import json
import os
import platform
import re
import shutil
import subprocess
import sys

SIDES = ("netsnmp", "tevasn", "floor")
# Cases, in table order; the walk cases report time per sub-identifier.
CASES = [
    "parse/short", "parse/long30", "parse_new/short", "parse_new/long30",
    "format/short", "format/long30",
    "compare/last", "compare/prefix",
    "encode/integer", "encode/ipaddress", "encode/octets16", "encode/integer_ipaddress",
    "decode/integer", "decode/ipaddress", "decode/octets16", "decode/integer_ipaddress",
    "decode/instance_pair", "decode/integer_inetaddress",
    "walk/10", "walk/100", "walk/1000",
    "create/integer", "create/octets16", "create/ipaddress", "create/counter64_text",
    "create/ipaddress_text",
    "hint/mac", "hint/date",
    "catalog/by_name", "catalog/by_module_name", "catalog/by_oid",
]
FLOOR_FACTOR = 5.0
# Memory rows: case, what it holds, net-snmp's form, and the target in bytes.
MEMORY_ROWS = [
    ("integer", "INTEGER", "varbind", 64),
    ("counter64", "Counter64", "varbind", 64),
    ("ipaddress", "IpAddress", "varbind", 64),
    ("ipv6address", "IPv6 address", "varbind", 64),
    ("ipportaddress", "IPv4 address with port", "varbind", 64),
    ("ipxaddress", "IPX address", "varbind", 64),
    ("octets16", "OCTET STRING of 16 octets", "varbind", 96),
    ("oid12", "OBJECT IDENTIFIER of 12 sub-identifiers", "bare array", 112),
    ("oid12_walked", "the same after get_at of every sub-identifier", "bare array", 160),
    ("oid12_decoded", "an index of 12 after take_value_into + read_value_into", "bare array",
     None),
]
MEMORY_VALUES = "100,000"
DOCS_BEGIN = "<!-- measured: begin (written by bench/run.py --docs) -->"
DOCS_END = "<!-- measured: end -->"


def walk_size(case):
    return int(case.split("/")[1]) if case.startswith("walk/") else 1


def ratio_target(case):
    if case.startswith("hint/"):
        return 0.25
    if case.startswith(("parse", "format", "decode")):
        return 0.5
    if case.startswith("walk/"):
        return None
    return 1.0


def run_benchmark(binary, args, json_path):
    cmd = [binary, f"--benchmark_repetitions={args.repetitions}",
           f"--benchmark_min_time={args.min_time}",
           "--benchmark_enable_random_interleaving=true",
           "--benchmark_display_aggregates_only=true",
           f"--benchmark_out={json_path}", "--benchmark_out_format=json"]
    if args.filter:
        cmd.append(f"--benchmark_filter={args.filter}")
    print("running:", " ".join(cmd), file=sys.stderr)
    subprocess.run(cmd, check=True, stdout=sys.stderr)


def fastest(json_path):
    """{(side, case): fastest CPU ns per operation over the repetitions (per
    sub-identifier for walks)}"""
    with open(json_path) as f:
        data = json.load(f)
    out = {}
    for b in data["benchmarks"]:
        if b.get("run_type") != "iteration":
            continue
        side, case = b["run_name"].split("/", 1)
        scale = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}[b["time_unit"]]
        ns = b["cpu_time"] * scale / walk_size(case)
        out[(side, case)] = min(ns, out.get((side, case), ns))
    return out, data.get("context", {})


def callgrind_run(binary, name, iterations, workdir):
    out_file = os.path.join(workdir, f"cg.{name.replace('/', '_')}.{iterations}")
    cmd = ["valgrind", "--tool=callgrind", f"--callgrind-out-file={out_file}", binary,
           f"--iterations={iterations}", f"--benchmark_filter=^{re.escape(name)}/iterations:"]
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return out_file


def callgrind_total(binary, name, iterations, workdir):
    out_file = callgrind_run(binary, name, iterations, workdir)
    with open(out_file) as f:
        for line in f:
            if line.startswith("summary:") or line.startswith("totals:"):
                total = int(line.split()[1])
    os.remove(out_file)
    return total


def callgrind_functions(out_file):
    """{function: self instructions} from callgrind_annotate."""
    text = subprocess.run(["callgrind_annotate", "--threshold=100", out_file], check=True,
                          capture_output=True, text=True).stdout
    os.remove(out_file)
    costs = {}
    for line in text.splitlines():
        m = re.match(r"\s*([\d,]+) \([^)]*\)\s+(\S.*)$", line)
        if m and "PROGRAM TOTALS" not in line:
            name = re.sub(r" \[.*\]$", "", m.group(2))
            name = re.sub(r"^(\?\?\?|[^:]*\.[ch](pp)?):", "", name)
            costs[name] = costs.get(name, 0) + int(m.group(1).replace(",", ""))
    return costs


def profile(binary, name, workdir, low=1000, high=11000):
    """Instructions per operation by function (self cost), for one case."""
    n = walk_size(name.split("/", 1)[1])
    low, high = max(10, low // n), max(110, high // n)
    a = callgrind_functions(callgrind_run(binary, name, low, workdir))
    b = callgrind_functions(callgrind_run(binary, name, high, workdir))
    per_op = {f: (b.get(f, 0) - a.get(f, 0)) / (high - low) for f in set(a) | set(b)}
    rows = sorted(((v, f) for f, v in per_op.items() if v >= 0.5), reverse=True)
    print(f"{name}: instructions per operation by function (self), {sum(v for v, _ in rows):.0f} in all")
    for v, f in rows:
        print(f"  {v:8.1f}  {f}")


def instructions(binary, names, workdir, jobs):
    """{name: instructions per operation}: the difference of two runs with fixed
    iteration counts, so that start-up and set-up cancel out. The harness itself
    varies by some ten thousand instructions between runs, hence the large
    difference in iterations (10000 operations, 100000 sub-identifiers)."""
    def one(name):
        low = max(10, 1000 // walk_size(name.split("/", 1)[1]))
        high = low * 11
        a = callgrind_total(binary, name, low, workdir)
        b = callgrind_total(binary, name, high, workdir)
        return name, (b - a) / (high - low)
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        return dict(pool.map(one, names))


def fmt(x, digits=1):
    if x is None:
        return "-"
    if x >= 100:
        return f"{x:.0f}"
    return f"{x:.{digits}f}" if x >= 1 else f"{x:.2f}"


def build_rows(times, counts):
    rows = []
    for case in CASES:
        ours = times.get(("tevasn", case))
        if ours is None:
            continue
        theirs = times.get(("netsnmp", case))
        floor = times.get(("floor", case))
        ratio = ours / theirs if theirs else None
        floors = ours / floor if floor else None
        n = walk_size(case)
        ir_ours = counts.get(f"tevasn/{case}")
        ir_theirs = counts.get(f"netsnmp/{case}")
        rows.append({
            "case": case, "netsnmp": theirs, "tevasn": ours, "ratio": ratio,
            "floor": floor, "floors": floors,
            "ir_netsnmp": ir_theirs / n if ir_theirs is not None else None,
            "ir_tevasn": ir_ours / n if ir_ours is not None else None,
        })
    # Targets.
    by_case = {r["case"]: r for r in rows}
    for r in rows:
        case, notes = r["case"], []
        target = ratio_target(case)
        if target is not None and r["ratio"] is not None:
            notes.append(("ok" if r["ratio"] <= target else "MISSED") + f" ratio<={target}")
        if case.startswith("walk/"):
            notes.append(("ok" if r["tevasn"] <= 2.0 else "MISSED") + " <=2ns/sub-id")
            base = by_case.get("walk/10")
            if case != "walk/10" and base:
                growth = r["tevasn"] / base["tevasn"]
                notes.append(("ok" if growth <= 1.5 else "MISSED") + f" x{growth:.2f} of walk/10")
        # A catalogue look-up costs no more than decoding one row.
        row = by_case.get("decode/integer_inetaddress")
        if case.startswith("catalog/") and row and r["ir_tevasn"] and row["ir_tevasn"]:
            notes.append(("ok" if r["ir_tevasn"] <= row["ir_tevasn"] else "MISSED") +
                         " <=instructions of decode/integer_inetaddress")
        if r["floors"] is not None:
            notes.append(("ok" if r["floors"] <= FLOOR_FACTOR else "MISSED") +
                         f" <={FLOOR_FACTOR:g}x floor")
        r["target"] = ", ".join(notes)
    return rows


def table(rows, markdown):
    head = ["case", "net-snmp ns", "TevAsnValue ns", "ratio", "floor ns", "x floor",
            "net-snmp Ir", "TevAsnValue Ir", "targets"]
    body = [[r["case"] + (" (per sub-id)" if r["case"].startswith("walk/") else ""),
             fmt(r["netsnmp"]), fmt(r["tevasn"]), fmt(r["ratio"], 2), fmt(r["floor"]),
             fmt(r["floors"]), fmt(r["ir_netsnmp"]), fmt(r["ir_tevasn"]), r["target"]]
            for r in rows]
    if markdown:
        lines = ["| " + " | ".join(head) + " |",
                 "|" + "|".join(["---"] + ["---:"] * 7 + ["---"]) + "|"]
        lines += ["| " + " | ".join(row) + " |" for row in body]
        return "\n".join(lines)
    widths = [max(len(str(x[i])) for x in [head] + body) for i in range(len(head))]
    def line(row):
        cells = [str(c).ljust(widths[i]) if i in (0, len(row) - 1) else str(c).rjust(widths[i])
                 for i, c in enumerate(row)]
        return "  ".join(cells).rstrip()
    return "\n".join([line(head), line(["-" * w for w in widths])] + [line(r) for r in body])


def before_after(before, after, markdown=True):
    """Ratios and instruction counts of an earlier run beside this one's."""
    old = {r["case"]: r for r in before}
    head = ["case", "ratio before", "ratio after", "TevAsnValue Ir before",
            "TevAsnValue Ir after", "TevAsnValue ns before", "TevAsnValue ns after"]
    body = []
    for r in after:
        o = old.get(r["case"], {})
        body.append([r["case"], fmt(o.get("ratio"), 2), fmt(r["ratio"], 2),
                     fmt(o.get("ir_tevasn")), fmt(r["ir_tevasn"]), fmt(o.get("tevasn")),
                     fmt(r["tevasn"])])
    if markdown:
        lines = ["| " + " | ".join(head) + " |", "|---" + "|---:" * (len(head) - 1) + "|"]
        return "\n".join(lines + ["| " + " | ".join(row) + " |" for row in body])
    widths = [max(len(x[i]) for x in [head] + body) for i in range(len(head))]
    return "\n".join("  ".join(c.ljust(widths[i]) if i == 0 else c.rjust(widths[i])
                               for i, c in enumerate(row)) for row in [head] + body)


def memory(binary):
    """{case: (this library's bytes, net-snmp's bytes or None)} per live value."""
    text = subprocess.run([binary, "--memory"], check=True, capture_output=True,
                          text=True).stdout
    out = {}
    for line in text.splitlines():
        parts = line.split()
        if len(parts) == 4 and parts[0] == "memory":
            theirs = float(parts[3])
            out[parts[1]] = (float(parts[2]), theirs if theirs >= 0 else None)
    return out


def memory_table(mem, before=None, markdown=True):
    head = ["value", "net-snmp bytes", "net-snmp form"]
    if before:
        head.append("TevAsnValue bytes before")
    head += ["TevAsnValue bytes", "target"]
    body = []
    for case, label, form, target in MEMORY_ROWS:
        if case not in mem:
            continue
        ours, theirs = mem[case]
        row = [label, fmt(theirs), form]
        if before:
            row.append(fmt(before.get(case, (None, None))[0]))
        verdict = "-" if target is None else ("ok" if ours <= target else "MISSED") + f" <={target}"
        body.append(row + [fmt(ours), verdict])
    if markdown:
        align = ["---", "---:", "---"] + ["---:"] * (len(head) - 4) + ["---"]
        lines = ["| " + " | ".join(head) + " |", "|" + "|".join(align) + "|"]
        return "\n".join(lines + ["| " + " | ".join(row) + " |" for row in body])
    widths = [max(len(x[i]) for x in [head] + body) for i in range(len(head))]
    return "\n".join("  ".join(c.ljust(widths[i]) if i in (0, 2, len(row) - 1) else
                               c.rjust(widths[i]) for i, c in enumerate(row)).rstrip()
                     for row in [head] + body)


def svg_chart(rows, path, title):
    """Horizontal bars, log scale: net-snmp, this library and the floor per case."""
    colours = {"netsnmp": "#8c8c8c", "tevasn": "#1f77b4", "floor": "#d9a441"}
    labels = {"netsnmp": "net-snmp", "tevasn": "TevAsnValue", "floor": "memcpy/memcmp floor"}
    values = [v for r in rows for v in (r["netsnmp"], r["tevasn"], r["floor"]) if v]
    lo, hi = 0.1, max(values) * 1.5
    import math
    left, width, bar, gap = 230, 560, 7, 8
    group = 3 * bar + gap
    top = 60
    height = top + group * len(rows) + 50

    def x_of(v):
        return left + width * (math.log10(max(v, lo)) - math.log10(lo)) / (
            math.log10(hi) - math.log10(lo))

    out = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{left + width + 40}" '
           f'height="{height}" font-family="sans-serif" font-size="11">',
           '<rect width="100%" height="100%" fill="white"/>',
           f'<text x="{left}" y="18" font-size="13" font-weight="bold">{title}</text>']
    for i, side in enumerate(SIDES):
        lx = left + i * 170
        out.append(f'<rect x="{lx}" y="28" width="12" height="10" fill="{colours[side]}"/>')
        out.append(f'<text x="{lx + 16}" y="37">{labels[side]}</text>')
    decade = 10 ** math.floor(math.log10(lo))
    while decade <= hi:
        if decade >= lo:
            x = x_of(decade)
            out.append(f'<line x1="{x:.1f}" y1="{top - 6}" x2="{x:.1f}" '
                       f'y2="{height - 40}" stroke="#ddd"/>')
            out.append(f'<text x="{x:.1f}" y="{height - 26}" text-anchor="middle">'
                       f'{decade:g}</text>')
        decade *= 10
    out.append(f'<text x="{left + width / 2}" y="{height - 8}" text-anchor="middle">'
               'ns per operation (walks: per sub-identifier), log scale</text>')
    for i, r in enumerate(rows):
        y = top + i * group
        out.append(f'<text x="{left - 6}" y="{y + 1.5 * bar + 4}" text-anchor="end">'
                   f'{r["case"]}</text>')
        for j, side in enumerate(SIDES):
            v = r[side]
            if not v:
                continue
            out.append(f'<rect x="{left}" y="{y + j * bar}" width="{x_of(v) - left:.1f}" '
                       f'height="{bar - 1}" fill="{colours[side]}"><title>{labels[side]} '
                       f'{fmt(v)} ns</title></rect>')
    out.append("</svg>")
    with open(path, "w") as f:
        f.write("\n".join(out) + "\n")


def update_docs(docs, text):
    with open(docs) as f:
        content = f.read()
    begin, end = content.find(DOCS_BEGIN), content.find(DOCS_END)
    if begin < 0 or end < begin:
        sys.exit(f"{docs}: markers {DOCS_BEGIN!r} ... {DOCS_END!r} not found")
    content = content[:begin + len(DOCS_BEGIN)] + "\n" + text + "\n" + content[end:]
    with open(docs, "w") as f:
        f.write(content)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    p = argparse.ArgumentParser(description=__doc__,
                                formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--build-dir", default=os.path.join(root, "build", "bench"))
    p.add_argument("--out-dir", help="JSON and chart (default: <build-dir>/results)")
    p.add_argument("--repetitions", type=int, default=5)
    p.add_argument("--min-time", type=float, default=0.1, help="seconds per repetition")
    p.add_argument("--filter", help="--benchmark_filter for the timed run")
    p.add_argument("--json", help="report an existing benchmark JSON instead of running")
    p.add_argument("--no-callgrind", action="store_true")
    p.add_argument("--callgrind-cases", default=".",
                   help="regex over case names counted under callgrind (default: all)")
    p.add_argument("--callgrind-json", help="reuse instruction counts of an earlier run")
    p.add_argument("--jobs", type=int, default=2, help="callgrind runs at once")
    p.add_argument("--before", metavar="DIR",
                   help="results directory of an earlier run: also print its ratios and counts")
    p.add_argument("--profile", metavar="NAME", action="append",
                   help="print where the instructions of one case go (e.g. tevasn/walk/10); "
                        "no timed run")
    p.add_argument("--memory-only", action="store_true",
                   help="print only the bytes per live value (and write memory.json)")
    p.add_argument("--docs", action="store_true",
                   help="write the tables and chart into docs/benchmarks.md and docs/")
    args = p.parse_args()

    binary = os.path.join(args.build_dir, "bench", "tev_bench")
    out_dir = args.out_dir or os.path.join(args.build_dir, "results")
    os.makedirs(out_dir, exist_ok=True)
    if args.profile:
        for name in args.profile:
            profile(binary, name, out_dir)
        return
    if args.memory_only:
        mem = memory(binary)
        with open(os.path.join(out_dir, "memory.json"), "w") as f:
            json.dump(mem, f, indent=1)
        print(memory_table(mem, markdown=False))
        return
    json_path = args.json or os.path.join(out_dir, "bench.json")
    if not args.json:
        subprocess.run([binary, "--check-only"], check=True, stdout=sys.stderr)
        run_benchmark(binary, args, json_path)
    times, context = fastest(json_path)

    counts = {}
    if args.callgrind_json:
        with open(args.callgrind_json) as f:
            counts = json.load(f)
    elif not args.no_callgrind:
        if shutil.which("valgrind") is None:
            print("valgrind not found: no instruction counts", file=sys.stderr)
        else:
            names = [f"{side}/{case}" for case in CASES for side in ("netsnmp", "tevasn")
                     if (side, case) in times and re.search(args.callgrind_cases, case)]
            print(f"callgrind: {len(names)} cases, two runs each", file=sys.stderr)
            counts = instructions(binary, names, out_dir, args.jobs)
            with open(os.path.join(out_dir, "callgrind.json"), "w") as f:
                json.dump(counts, f, indent=1, sort_keys=True)

    rows = build_rows(times, counts)
    print(table(rows, markdown=False))
    mem = memory(binary)
    before_text = ""
    before_mem = None
    if args.before:
        with open(os.path.join(args.before, "table.json")) as f:
            before_rows = json.load(f)
        before_text = before_after(before_rows, rows)
        print()
        print(before_after(before_rows, rows, markdown=False))
        before_mem_path = os.path.join(args.before, "memory.json")
        if os.path.exists(before_mem_path):
            with open(before_mem_path) as f:
                before_mem = {k: tuple(v) for k, v in json.load(f).items()}
    print()
    print(memory_table(mem, before_mem, markdown=False))
    with open(os.path.join(out_dir, "table.json"), "w") as f:
        json.dump(rows, f, indent=1)
    with open(os.path.join(out_dir, "memory.json"), "w") as f:
        json.dump(mem, f, indent=1)
    chart = os.path.join(out_dir, "benchmarks.svg")
    when = datetime.date.today().isoformat()
    svg_chart(rows, chart, f"TevAsnValue and net-snmp, fastest CPU ns per operation ({when})")
    print(f"\nchart: {chart}\njson: {json_path}", file=sys.stderr)

    if args.docs:
        docs_dir = os.path.join(root, "docs")
        shutil.copyfile(chart, os.path.join(docs_dir, "benchmarks.svg"))
        cpu = context.get("num_cpus", "?")
        mhz = context.get("mhz_per_cpu", "?")
        text = "\n".join([
            f"Measured {when} on {platform.machine()}, {cpu} CPUs at {mhz} MHz, "
            f"load average {', '.join(f'{x:.1f}' for x in context.get('load_avg', []))}; "
            f"{args.repetitions} repetitions of {args.min_time} s interleaved at random, "
            f"fastest CPU time of each case.",
            "",
            table(rows, markdown=True),
            "",
            "![TevAsnValue and net-snmp, ns per operation](benchmarks.svg)",
            "",
            f"Heap bytes per live value, chunk headers included ({MEMORY_VALUES} values "
            "alive at once, glibc's `mallinfo2`):",
            "",
            memory_table(mem, before_mem),
        ] + (["", "An earlier build beside this one, measured alternately (ratio: this library / "
              "net-snmp; Ir: "
              "instructions per operation, per sub-identifier for walks):", "",
              before_text] if before_text else []))
        update_docs(os.path.join(docs_dir, "benchmarks.md"), text)
        print("docs/benchmarks.md and docs/benchmarks.svg updated", file=sys.stderr)


if __name__ == "__main__":
    main()
