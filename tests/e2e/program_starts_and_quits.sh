#!/usr/bin/env bash
# The built program itself: without a display it says so in one line and fails; on a display it
# shows its window with its title and client size, and quits cleanly on the Quit key.
# Usage: program_starts_and_quits.sh <vekkiro executable>   (on an X display)
set -euo pipefail
exe=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

# No display at all.
if out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" 2>&1); then
    fail "started without a display"
fi
[[ $(printf '%s\n' "$out" | wc -l) -eq 1 ]] || fail "expected one line without a display, got: $out"
[[ "$out" == *"no display"* ]] || fail "unexpected message without a display: $out"

# A real window.
[[ -n "${DISPLAY:-}" ]] || fail "run me under run_in_xvfb.sh"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"; kill "$pid" 2>/dev/null || true' EXIT
XDG_RUNTIME_DIR=$runtime "$exe" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vekkiro$' | head -n 1) ||
    fail "no visible window titled Vekkiro"
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ $WIDTH -eq 944 ]] || fail "window is $WIDTH wide, expected 944"
(( HEIGHT > 595 && HEIGHT < 640 )) || fail "window is $HEIGHT high, expected 595 plus a menu bar"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running after the Quit key"
wait "$pid" || fail "exited with status $?"
echo "PASS: no-display message, window shown at 944 x $HEIGHT, clean exit on Quit"
