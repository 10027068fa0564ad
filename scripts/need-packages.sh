#!/usr/bin/env bash
# Installs the Debian packages named as arguments that are not installed yet,
# saying which. Sourced or run by the scripts that need them; as root it calls
# apt-get itself, otherwise through sudo when there is one.
set -euo pipefail

missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
[ "${#missing[@]}" -eq 0 ] && exit 0

echo "installing Debian packages: ${missing[*]}" >&2
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
elif command -v sudo >/dev/null; then
  as_root=(sudo)
else
  echo "not root and no sudo: run 'apt-get install -y ${missing[*]}' as root first" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq "${missing[@]}"
