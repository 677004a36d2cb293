#!/usr/bin/env bash
# The program keeps no settings, history or files: started with a fresh, empty home and XDG
# folders, used for searches, the About window and its link, then closed, it must leave every
# one of those folders exactly as empty as it found them.
# Usage: writes_nothing.sh <vekkiro executable>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
exe=$1
make_workdir
fresh=("$work/home" "$work/config" "$work/cache" "$work/data" "$work/state" "$work/runtime")
mkdir -p "${fresh[@]}"
fake_url_opener "$work/fakebin"
export VEKKIRO_OPENED="$work/opened"

HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
    XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime" \
    PATH="$work/fakebin:$PATH" "$exe" &
pid=$!
window=$(wait_for_window Vekkiro) || fail "no window"
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$((HEIGHT - 595))
xdotool windowfocus --sync "$window"
search() {
    xdotool mousemove --window "$window" 560 $((menu + 176)) click --repeat 3 1
    xdotool key --clearmodifiers BackSpace
    [[ -z "$1" ]] || xdotool type --delay 30 "$1"
    xdotool mousemove --window "$window" 792 $((menu + 177)) click 1
    sleep 0.2
}
for text in 塑料瓶 电池 更多 "" 不存在; do search "$text"; done
about=$(open_about "$window")
click_link "$about"
for _ in $(seq 50); do [[ -s "$VEKKIRO_OPENED" ]] && break; sleep 0.1; done
[[ -s "$VEKKIRO_OPENED" ]] || fail "the link asked nothing of the desktop"
kill -0 "$pid" || fail "the program ended during the session"
quit_program "$window"

# No file or folder may appear anywhere under the fresh folders. Qt and fontconfig need none
# of them here (the system's font caches are current, and the check runs in a D-Bus session of
# its own, as a desktop does), so nothing is listed as an exception.
created=$(find "${fresh[@]}" -mindepth 1 -print)
[[ -z "$created" ]] || fail "the program wrote: $created"
echo "PASS: five searches, the About window and its link; nothing written"
