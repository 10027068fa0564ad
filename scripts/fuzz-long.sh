#!/usr/bin/env bash
# Longer fuzzing runs than the test command's: every target for SECONDS each
# (default 300), two at a time, keeping the grown corpus in build/fuzz/corpus
# between runs and any crash, leak or timeout in build/fuzz/findings. Prints
# per target the executions, the coverage (edges and features) and findings.
# Usage: scripts/fuzz-long.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-300}
shift || true
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  targets=(fuzz_text_round_trip fuzz_oid_text fuzz_index_decode fuzz_buffer fuzz_display)
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null

run() {
  local target=$1
  local corpus=build/fuzz/corpus/$target findings=build/fuzz/findings/$target
  mkdir -p "$corpus" "$findings"
  build/fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$findings/" \
    "$corpus" "fuzz/corpus/$target" >"build/fuzz/$target.log" 2>&1 || true
}

mkdir -p build/fuzz
pids=()
for target in "${targets[@]}"; do
  run "$target" &
  pids+=($!)
  if [ "${#pids[@]}" -ge "$(nproc)" ]; then
    wait "${pids[0]}"
    pids=("${pids[@]:1}")
  fi
done
wait

status=0
printf '%-22s %12s %8s %8s %7s %9s\n' target executions exec/s edges features findings
for target in "${targets[@]}"; do
  log=build/fuzz/$target.log
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  last=$(grep -E '^#[0-9]+' "$log" | tail -1)
  edges=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
  features=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
  found=$(find "build/fuzz/findings/$target" -type f | wc -l)
  [ "$found" -eq 0 ] || status=1
  printf '%-22s %12s %8s %8s %7s %9s\n' "$target" "${execs:-?}" "${rate:-?}" "${edges:-?}" \
    "${features:-?}" "$found"
done
exit $status
