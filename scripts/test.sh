#!/usr/bin/env bash
# Sets up what the tests need, then builds and runs every test: the development build and the
# sanitizer build. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --test

jobs=$(nproc)
for preset in dev asan; do
    echo "== $preset: configure, build, test"
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
