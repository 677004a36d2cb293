#!/usr/bin/env bash
# With no URL opener and no browser to be found at all, the About window's link says in a
# message that the page could not be opened, and the program stays up.
# Usage: no_url_opener.sh <vekkiro executable>   (on an X display)
set -euo pipefail
exe=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
pid=
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
xdotool=$(command -v xdotool)

# An empty folder as the whole PATH: no xdg-open, no browser.
mkdir "$work/empty"
env -u BROWSER XDG_RUNTIME_DIR="$work/runtime" PATH="$work/empty" "$exe" &
pid=$!
window=$(timeout 20 "$xdotool" search --sync --onlyvisible --name '^Vekkiro$' | head -n 1) ||
    fail "no window"
"$xdotool" windowfocus --sync "$window"
"$xdotool" key --clearmodifiers alt+c
sleep 0.3
"$xdotool" key g
about=$(timeout 10 "$xdotool" search --sync --onlyvisible --name '^关于$' | head -n 1) ||
    fail "the About window did not open"
"$xdotool" mousemove --window "$about" 190 88 click 1
# The message box is a second window titled like the About window.
for _ in $(seq 50); do
    [[ $("$xdotool" search --onlyvisible --name '^关于$' | wc -l) -ge 2 ]] && break
    sleep 0.1
done
[[ $("$xdotool" search --onlyvisible --name '^关于$' | wc -l) -ge 2 ]] ||
    fail "no message about the page"
kill -0 "$pid" || fail "the program ended"
"$xdotool" windowfocus --sync "$window"
"$xdotool" key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || fail "exited with status $?"
echo "PASS: the failed link was reported and the program stayed up"
