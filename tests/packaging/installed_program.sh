#!/usr/bin/env bash
# Installs into a temporary, relocated prefix with DESTDIR, validates the desktop files, then
# runs the installed program on a virtual display: it shows its window with its icon, and the
# About window's link asks the desktop to open the page installed beside it.
# Usage: installed_program.sh <build-dir>   (on an X display)
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
pid=

prefix=/opt/vekkiro-relocated
DESTDIR="$work/dest" cmake --install "$build" --prefix "$prefix" >/dev/null
root="$work/dest$prefix"

out=$(desktop-file-validate "$root/share/applications/org.vekkiro.Vekkiro.desktop" 2>&1) ||
    fail "desktop-file-validate: $out"
# It exits 0 on some errors, so any output counts as a failure.
[[ -z "$out" ]] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$root/share/metainfo/org.vekkiro.Vekkiro.metainfo.xml" >/dev/null ||
    fail "appstreamcli rejects the metainfo file"

# Stands in for the desktop's URL opener and records what it is asked to open.
mkdir -p "$work/fakebin"
cat >"$work/fakebin/xdg-open" <<'OPENER'
#!/bin/sh
printf '%s\n' "$*" >>"$VEKKIRO_OPENED"
OPENER
chmod +x "$work/fakebin/xdg-open"
export VEKKIRO_OPENED="$work/opened"

mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" PATH="$work/fakebin:$PATH" "$root/bin/vekkiro" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vekkiro$' | head -n 1) ||
    fail "the installed program shows no window"
xprop -id "$window" _NET_WM_ICON | grep -q 'Icon (' || fail "the window has no icon"
xprop -id "$window" WM_CLASS | grep -q '"vekkiro", "Vekkiro"' ||
    fail "WM_CLASS does not match the desktop entry's StartupWMClass"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+c
sleep 0.3
xdotool key g
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^关于$' | head -n 1) ||
    fail "the About window did not open"
xdotool mousemove --window "$about" 190 88 click 1
for _ in $(seq 50); do [[ -s "$VEKKIRO_OPENED" ]] && break; sleep 0.1; done
expected="file://$root/share/vekkiro/winpj/qbljfl.html"
[[ -s "$VEKKIRO_OPENED" ]] || fail "the link asked nothing of the desktop"
[[ $(cat "$VEKKIRO_OPENED") == "$expected" ]] ||
    fail "the link opened $(cat "$VEKKIRO_OPENED"), expected $expected"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+q
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
wait "$pid" || fail "the installed program exited with status $?"
echo "PASS: installed under $prefix, window with icon, link opens $expected"
