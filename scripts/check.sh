#!/usr/bin/env bash
# Builds and runs every test suite: g++ with warnings as errors (with the ABI
# gate, the symbols files and the old client: tests/abi), g++ with
# AddressSanitizer and UndefinedBehaviorSanitizer, clang++, and the format check;
# ThreadSanitizer, valgrind, fuzzing and static analysis;
# then builds the Debian packages and checks them (scripts/check-package.sh:
# lintian, install, installed clients, removal). Installs the Debian
# packages all that needs when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/need-packages.sh cmake ninja-build g++ clang clang-format clang-tidy cppcheck valgrind \
  libgtest-dev libgmock-dev googletest libbenchmark-dev libclang-rt-14-dev pkg-config \
  binutils git python3 smitools libsmi2-dev libsnmp-base g++-multilib qemu-user abigail-tools dpkg-dev xz-utils \
  python3-dev pybind11-dev python3-pybind11 python3-pytest python3-hypothesis python3-mypy \
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64

step() { printf '\n=== %s ===\n' "$*"; }

step "format"
git ls-files -z -- '*.h' '*.cpp' | xargs -0 clang-format --dry-run --Werror

for preset in dev asan clang; do
  step "build and test: $preset"
  cmake --workflow --preset "$preset"
done

# Reliability: g++ with ThreadSanitizer, valgrind memcheck over the test
# executables, a short run of every fuzz target, then clang-tidy and cppcheck.
# (The allocation-failure tests run in the presets above.)
for preset in tsan valgrind fuzz; do
  step "build and test: $preset"
  cmake --workflow --preset "$preset"
done

step "static analysis"
./scripts/lint.sh

# The other hosts of the library: 32-bit Linux (tests through qemu-i386), the
# 64-bit Windows DLL (tests under wine) and the 32-bit Windows DLL (exports).
for preset in linux32 windows windows-i686; do
  step "build and test: $preset"
  cmake --workflow --preset "$preset"
done

step "Debian packages"
./scripts/check-package.sh

step "all suites passed"
