#!/usr/bin/env bash
# Builds the release preset and prints every performance figure in one run: the lookup, the
# picture loads, and the window (start-up, memory, click to frame) against a bare Qt window.
# The window figures come from a real X display; without one, a virtual one is started.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --test
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target lookup_benchmark picture_benchmark window_benchmark >/dev/null
bench=build/release/bench
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime

echo "== Lookup and suggestions (ns per call; allocations per call)"
"$bench/lookup_benchmark" --benchmark_min_time=0.2 2>/dev/null | grep -E '^(classify|suggest)'
echo
echo "== Picture loads"
QT_QPA_PLATFORM=offscreen "$bench/picture_benchmark"
echo
echo "== Window, against a bare Qt window of the same size"
if [[ -n "${DISPLAY:-}" ]]; then
    "$bench/window_benchmark"
else
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$bench/window_benchmark"
fi
