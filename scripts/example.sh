#!/usr/bin/env bash
# Builds the library, the tool, the Python package and the example client
# (preset "release"), then decodes the sample walk with tevasn and runs the
# example client. Installs
# the Debian packages the build needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need-packages.sh cmake ninja-build g++ python3-dev pybind11-dev libsmi2-dev
cmake --workflow --preset release
./examples/run.sh
./build/release/examples/tev_example
