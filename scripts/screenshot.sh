#!/usr/bin/env bash
# Writes docs/screenshot.png, the README's picture of Vekkiro: the release build on a virtual
# display, after a search for 电池 and with the list of names open for it.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ "${1:-}" != --on-display ]]; then
    scripts/install-deps.sh --test >/dev/null
    cmake --preset release >/dev/null
    cmake --build --preset release -j "$(nproc)" --target vekkiro vekkiro_item_page >/dev/null
    exec tests/e2e/run_in_xvfb.sh "$0" --on-display
fi

source tests/e2e/lib.sh
make_workdir
XDG_RUNTIME_DIR="$work/runtime" LC_ALL=C.UTF-8 build/release/bin/vekkiro &
pid=$!
window=$(wait_for_window Vekkiro) || fail "no window"
paste_text "$window" 电池
click_search "$window"
paste_text "$window" 电池
sleep 1

eval "$(xdotool getwindowgeometry --shell "$window")"
mkdir -p docs
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip docs/screenshot.png
quit_program "$window"
echo "wrote docs/screenshot.png (${WIDTH} x ${HEIGHT})"
