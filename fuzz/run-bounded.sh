#!/usr/bin/env bash
# Runs one fuzz target for a bounded time: the checked-in seeds first, new
# inputs into a scratch folder (the seed corpus stays as it is). A crash, leak
# or broken promise fails with the input saved beside the scratch folder.
# Usage: run-bounded.sh TARGET SEED_DIR SECONDS
set -euo pipefail
target=$1 seeds=$2 seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/corpus" "$work/findings"
if "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=4096 \
     -print_final_stats=1 -artifact_prefix="$work/findings/" "$work/corpus" "$seeds" \
     >"$work/log" 2>&1; then
  grep -E '^#[0-9]+' "$work/log" | tail -n 1 || true
  grep -E '^(Done [0-9]+ runs|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/log" || true
  exit 0
fi
tail -n 60 "$work/log"
for finding in "$work"/findings/*; do
  [ -e "$finding" ] || continue
  echo "finding: $(basename "$finding"), bytes (base64): $(base64 -w0 "$finding")"
done
exit 1
