#!/usr/bin/env bash
# Static analysis of the library (src/ and the headers it includes): clang-tidy
# with the checked-in .clang-tidy, then cppcheck, both from the compile commands
# of the lint preset. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/lint
cmake --preset lint >/dev/null

# Only the library's own translation units (not the tests, examples or tools).
python3 - "$build" "$PWD/src/" <<'PY'
import json, sys
build, root = sys.argv[1], sys.argv[2]
with open(f"{build}/compile_commands.json") as f:
    commands = [c for c in json.load(f) if c["file"].startswith(root)]
with open(f"{build}/library_commands.json", "w") as f:
    json.dump(commands, f)
print(f"lint: {len(commands)} library sources")
PY

tidy=$(command -v run-clang-tidy-14 || command -v run-clang-tidy)
"$tidy" -p "$build" -j "$(nproc)" -quiet "$PWD/src/" >"$build/clang-tidy.log" 2>&1 || {
  sed 's/\x1b\[[0-9;]*m//g' "$build/clang-tidy.log" | grep -E '(warning|error):' | sort -u
  echo "clang-tidy: findings (full log: $build/clang-tidy.log)"
  exit 1
}
echo "clang-tidy: clean"

cppcheck --project="$build/library_commands.json" --std=c++17 \
  --enable=warning,performance,portability,style --inline-suppr \
  --suppress=missingIncludeSystem --error-exitcode=1 --quiet -j "$(nproc)" \
  --template='{file}:{line}: {severity}: {message} [{id}]'
echo "cppcheck: clean"
