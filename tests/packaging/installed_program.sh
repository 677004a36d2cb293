#!/usr/bin/env bash
# Installs into a temporary, relocated prefix with DESTDIR, validates the desktop files, then
# runs the installed program on a virtual display: it shows its window with its icon, and the
# About window's link asks the desktop to open the page installed beside it.
# Usage: installed_program.sh <build-dir>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/../e2e/lib.sh"
build=$1
make_workdir

prefix=/opt/vekkiro-relocated
DESTDIR="$work/dest" cmake --install "$build" --prefix "$prefix" >/dev/null
root="$work/dest$prefix"

out=$(desktop-file-validate "$root/share/applications/org.vekkiro.Vekkiro.desktop" 2>&1) ||
    fail "desktop-file-validate: $out"
# It exits 0 on some errors, so any output counts as a failure.
[[ -z "$out" ]] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net "$root/share/metainfo/org.vekkiro.Vekkiro.metainfo.xml" >/dev/null ||
    fail "appstreamcli rejects the metainfo file"

fake_url_opener "$work/fakebin"
export VEKKIRO_OPENED="$work/opened"
XDG_RUNTIME_DIR="$work/runtime" PATH="$work/fakebin:$PATH" "$root/bin/vekkiro" &
pid=$!
window=$(wait_for_window Vekkiro) || fail "the installed program shows no window"
# Whole outputs, not `| grep -q`: with pipefail, xprop's SIGPIPE would count as a failure.
has_icon() { [[ $(xprop -id "$window" _NET_WM_ICON) == *"Icon ("* ]]; }
for _ in $(seq 50); do has_icon && break; sleep 0.1; done
has_icon || fail "the window has no icon"
[[ $(xprop -id "$window" WM_CLASS) == *'"vekkiro", "Vekkiro"'* ]] ||
    fail "WM_CLASS does not match the desktop entry's StartupWMClass"

about=$(open_about "$window")
click_link "$about"
for _ in $(seq 50); do [[ -s "$VEKKIRO_OPENED" ]] && break; sleep 0.1; done
expected="file://$root/share/vekkiro/winpj/qbljfl.html"
[[ -s "$VEKKIRO_OPENED" ]] || fail "the link asked nothing of the desktop"
[[ $(cat "$VEKKIRO_OPENED") == "$expected" ]] ||
    fail "the link opened $(cat "$VEKKIRO_OPENED"), expected $expected"
quit_program "$window"
echo "PASS: installed under $prefix, window with icon, link opens $expected"
