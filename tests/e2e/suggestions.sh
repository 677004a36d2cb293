#!/usr/bin/env bash
# The list of names under the search box, with a real mouse and a real window system: text
# entered into the box opens it as a window of the program, a click on a row fills the box, and
# with the list open a single click on "搜分类" searches (a list that grabbed the mouse would
# swallow that click).
# Usage: suggestions.sh <vekkiro executable> <rendered pictures folder>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
exe=$1
pictures=$2
make_workdir

XDG_RUNTIME_DIR="$work/runtime" "$exe" &
pid=$!
window=$(wait_for_window Vekkiro) || fail "no window"
xdotool windowfocus --sync "$window"

windows() { xdotool search --onlyvisible --class vekkiro 2>/dev/null || true; }
list_open() { [[ $(windows | wc -l) -ge 2 ]]; }
list_closed() { [[ $(windows | wc -l) -eq 1 ]]; }
paste_text "$window" 电池
wait_until 10 list_open || true
list=$(windows | grep -vx "$window" || true)
[[ $(wc -w <<<"$list") -eq 1 ]] || fail "entering 电池 opened no list (windows: $(windows | xargs))"

# Seven names for 电池, in equal rows; the second is 碱性电池, other waste.
eval "$(xdotool getwindowgeometry --shell "$list")"
xdotool mousemove --window "$list" 40 $((HEIGHT * 3 / 14)) click 1
wait_until 10 list_closed || fail "the list stayed open after a click on a row"
click_search "$window"
band_y=436
wait_for_picture "$window" "$pictures/103.png" 0 $band_y 944 159 0 $band_y ||
    fail "the row clicked did not put 碱性电池 into the box: the picture is not other waste's"

paste_text "$window" 垃圾桶
wait_until 10 list_open || fail "entering 垃圾桶 opened no list"
click_search "$window"
wait_for_picture "$window" "$pictures/101.png" 0 $band_y 944 159 0 $band_y ||
    fail "one click on 搜分类 with the list open did not show recyclables"
list_closed || fail "the list stayed open after the search"

quit_program "$window"
echo "PASS: the list opens, a click on a row fills the box, one click on 搜分类 searches"
