#!/usr/bin/env bash
# With no URL opener and no browser to be found at all, the About window's link says in a
# message that the page could not be opened, and the program stays up.
# Usage: no_url_opener.sh <vekkiro executable>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
exe=$1
make_workdir

# An empty folder as the program's whole PATH: no xdg-open, no browser.
mkdir "$work/empty"
env -u BROWSER XDG_RUNTIME_DIR="$work/runtime" PATH="$work/empty" "$exe" &
pid=$!
window=$(wait_for_window Vekkiro) || fail "no window"
about=$(open_about "$window")
click_link "$about"
# The message box is a second window titled like the About window.
count() { xdotool search --onlyvisible --name '^关于$' | wc -l; }
for _ in $(seq 50); do [[ $(count) -ge 2 ]] && break; sleep 0.1; done
[[ $(count) -ge 2 ]] || fail "no message about the page"
kill -0 "$pid" || fail "the program ended"
quit_program "$window"
echo "PASS: the failed link was reported and the program stayed up"
