#!/usr/bin/env bash
# The built program itself: without a display it says so in one line and fails, unless Qt's
# -platform names one that needs none; on a display it shows its window with its title and
# client size, and quits cleanly on the Quit key.
# Usage: program_starts_and_quits.sh <vekkiro executable>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
exe=$1

if out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$exe" 2>&1); then
    fail "started without a display"
fi
[[ $(printf '%s\n' "$out" | wc -l) -eq 1 ]] || fail "expected one line without a display, got: $out"
[[ "$out" == *"no display"* ]] || fail "unexpected message without a display: $out"
# Qt's own choice of platform on the command line needs no display: the program runs until
# it is stopped.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 5 "$exe" -platform offscreen \
    >/dev/null 2>&1 || status=$?
[[ $status -eq 124 ]] || fail "with -platform offscreen and no display it ended with $status"

[[ -n "${DISPLAY:-}" ]] || fail "run me under run_in_xvfb.sh"
make_workdir
XDG_RUNTIME_DIR="$work/runtime" "$exe" &
pid=$!
window=$(wait_for_window Vekkiro) || fail "no visible window titled Vekkiro"
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ $WIDTH -eq 944 ]] || fail "window is $WIDTH wide, expected 944"
((HEIGHT > 595 && HEIGHT < 640)) || fail "window is $HEIGHT high, expected 595 plus a menu bar"
quit_program "$window"
echo "PASS: no-display message, window shown at 944 x $HEIGHT, clean exit on Quit"
