#!/usr/bin/env bash
# The program keeps no settings, history or files: started with a fresh, empty home and XDG
# folders, used for searches, the About window and its link, then closed, it must leave every
# one of those folders exactly as empty as it found them.
# Usage: writes_nothing.sh <vekkiro executable>   (on an X display)
set -euo pipefail
exe=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

home="$work/home"
mkdir -p "$home" "$work/config" "$work/cache" "$work/data" "$work/state" "$work/fakebin"
mkdir -m 700 "$work/runtime"
cat >"$work/fakebin/xdg-open" <<'OPENER'
#!/bin/sh
printf '%s\n' "$*" >>"$VEKKIRO_OPENED"
OPENER
chmod +x "$work/fakebin/xdg-open"

HOME="$home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
    XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime" \
    VEKKIRO_OPENED="$work/opened" PATH="$work/fakebin:$PATH" "$exe" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vekkiro$' | head -n 1) ||
    fail "no window"
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
xdotool key --clearmodifiers alt+c
sleep 0.3
xdotool key g
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^关于$' | head -n 1) ||
    fail "the About window did not open"
xdotool mousemove --window "$about" 190 88 click 1
for _ in $(seq 50); do [[ -s "$work/opened" ]] && break; sleep 0.1; done
[[ -s "$work/opened" ]] || fail "the link asked nothing of the desktop"
kill -0 "$pid" || fail "the program ended during the session"
xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || fail "exited with status $?"

# No file or folder may appear anywhere under the fresh folders. Qt and fontconfig need none
# of them here: the system's font caches are current, so nothing is listed as an exception.
created=$(find "$home" "$work/config" "$work/cache" "$work/data" "$work/state" "$work/runtime" \
    -mindepth 1 -print)
[[ -z "$created" ]] || fail "the program wrote: $created"
echo "PASS: five searches, the About window and its link; nothing written"
