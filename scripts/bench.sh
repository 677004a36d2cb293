#!/usr/bin/env bash
# Builds the release preset and prints every performance figure in one run: the lookup and the
# suggestions, the picture loads and the stored forms they were chosen from, and the window
# (start-up, memory, click to frame) at 1x and 2x against a bare Qt window and one of the same
# shape without the picture.
# The window figures come from a real X display; without one, a virtual one is started.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --bench
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)" --target lookup_benchmark picture_benchmark \
    stored_forms_benchmark window_benchmark >/dev/null
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
echo "== Stored forms of the pictures, packed by rcc and read back"
QT_QPA_PLATFORM=offscreen "$bench/stored_forms_benchmark"
echo
window_figures() {
    if [[ -n "${DISPLAY:-}" ]]; then
        "$bench/window_benchmark"
    else
        tests/e2e/run_in_xvfb.sh --screen 2560x2048x24 "$bench/window_benchmark"
    fi
}
echo "== Window at 1x, against a bare window and one of the same shape without the picture"
echo "   (targets: start <= 1.15x shape; RSS <= shape + 6 MiB; clicks <= 4 ms)"
window_figures
echo
echo "== Window at 2x (QT_SCALE_FACTOR=2)"
echo "   (targets: start <= 1.15x shape; RSS <= shape + 20 MiB; clicks <= 8 ms; RSS after 1,000 searches <= 64 MiB)"
QT_SCALE_FACTOR=2 window_figures
