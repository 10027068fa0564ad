#!/usr/bin/env bash
# Writes the ABI baseline of both libraries into abi/ from this tree: the
# abidw descriptions (abi/*.abi), the Debian symbols files (abi/*.symbols)
# and the old client (abi/old-client.tar.xz: the public headers and the
# client-side test suites). Run it when the ABI changes on purpose and commit
# abi/ with the change (docs/abi.md). Builds with the dev preset.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/need-packages.sh cmake ninja-build g++ abigail-tools dpkg-dev xz-utils libgtest-dev libsmi2-dev
cmake --preset dev >/dev/null
cmake --build build/dev --target tevasn_abi_update
git status --short -- abi
