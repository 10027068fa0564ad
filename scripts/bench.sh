#!/usr/bin/env bash
# Builds the benchmark (preset "bench"), runs it against net-snmp and prints the
# table of times, ratios, floors and instruction counts (bench/run.py).
#   scripts/bench.sh                  # build, measure, print; results in build/bench/results
#   scripts/bench.sh --docs           # also write docs/benchmarks.md and docs/benchmarks.svg
#   scripts/bench.sh --no-callgrind --repetitions 3
# Needs libbenchmark-dev, libsmi2-dev, libsnmp-dev (optional: net-snmp's side) and valgrind.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --workflow --preset bench >&2
exec python3 bench/run.py "$@"
