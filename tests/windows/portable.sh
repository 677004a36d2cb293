#!/usr/bin/env bash
# The portable program, as a user gets it: unpacked from the zip into a fresh Wine prefix, it
# shows its window with the start-up picture; a name of each bin and a miss, pasted into the box
# and searched with a click on "搜分类", each give their picture; the About window opens once
# however often it is asked for; its link hands the page shipped in the zip to the shell; Ctrl+Q
# ends the program.
# Usage: portable.sh <Vekkiro-...-win64.zip> <rendered pictures folder>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zip=$1
pictures=$2
make_wine_workdir

unpack_portable "$zip"

# A fresh prefix knows no program for web pages; every Windows does. With one named, Wine hands
# the page to the desktop's opener, here one that writes down what it was asked to open.
wine_run reg add 'HKCR\.html' /ve /d htmlfile /f >/dev/null
fake_url_opener "$work/fakebin"
export VEKKIRO_OPENED="$work/opened" PATH="$work/fakebin:$PATH"

wine_run "$exe" &
pid=$!
window=$(wait_for_window Vekkiro) || fail "no visible window titled Vekkiro"
eval "$(xdotool getwindowgeometry --shell "$window")"
[[ $WIDTH -eq 944 ]] || fail "the window is $WIDTH wide, expected a client area 944 wide"
((HEIGHT > 595 && HEIGHT < 640)) || fail "the window is $HEIGHT high, expected 595 and a menu bar"

band_y=436
band_height=159 # the bins band, down to the client area's bottom edge
wait_for_picture "$window" "$pictures/startup.png" 0 $band_y 944 $band_height 0 $band_y ||
    fail "the start-up picture's bins are not shown"
wait_for_picture "$window" "$pictures/startup.png" 0 0 400 150 ||
    fail "the start-up picture's top left is not shown"

search_for() {
    local text=$1 picture=$2
    paste_text "$window" "$text"
    click_search "$window"
    wait_for_picture "$window" "$pictures/$picture.png" 0 $band_y 944 $band_height 0 $band_y ||
        fail "\"$text\" does not show the bins band of picture $picture"
}
search_for 塑料瓶 101
search_for 果皮 102
search_for 卫生纸 103
search_for 电池 104
search_for 不存在的东西 105
differs=$(area_differs "$window" "$pictures/105.png" 520 224 240 32 520 224)
((differs < 20)) || fail "the cannot-classify line differs in $differs pixels"

about=$(open_about "$window")
open_about "$window" >/dev/null
count=$(xdotool search --onlyvisible --name '^关于$' | wc -l)
[[ $count -eq 1 ]] || fail "$count About windows after asking twice"

click_link "$about"
for _ in $(seq 100); do [[ -s "$VEKKIRO_OPENED" ]] && break; sleep 0.1; done
[[ -s "$VEKKIRO_OPENED" ]] || fail "the link asked nothing of the shell"
opened=$(cat "$VEKKIRO_OPENED")
[[ "$opened" == "file://$work/unpacked/Vekkiro/winpj/qbljfl.html" ]] ||
    fail "the link opened $opened, expected the page in the unpacked folder"

kill -0 "$pid" || fail "the program ended during the session"
quit_program "$window"
echo "PASS: window, five answers, one About window, the link, Ctrl+Q"
