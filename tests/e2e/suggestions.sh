#!/usr/bin/env bash
# The list of names under the search box, with a real mouse and a real window system: text
# entered into the box opens it as a window of the program, a click on a row fills the box, and with the list open a
# single click on "搜分类" searches (a list that grabbed the mouse would swallow that click).
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
paste_text "$window" 电池
for _ in $(seq 30); do [[ $(windows | wc -l) -ge 2 ]] && break; sleep 0.1; done
list=$(windows | grep -vx "$window" || true)
[[ $(wc -w <<<"$list") -eq 1 ]] || fail "entering 电池 opened no list (windows: $(windows | xargs))"

# Seven names for 电池, in equal rows; the second is 碱性电池, other waste.
eval "$(xdotool getwindowgeometry --shell "$list")"
xdotool mousemove --window "$list" 40 $((HEIGHT * 3 / 14)) click 1
sleep 0.3
[[ -z $(windows | grep -vx "$window" || true) ]] || fail "the list stayed open after a click on a row"
click_search "$window"
sleep 0.5
band_y=436
differs=$(area_differs "$window" "$pictures/103.png" 0 $band_y 944 159 0 $band_y)
((differs < 50)) || fail "the row clicked did not put 碱性电池 into the box: the picture differs from other waste's in $differs pixels"

paste_text "$window" 垃圾桶
for _ in $(seq 30); do [[ $(windows | wc -l) -ge 2 ]] && break; sleep 0.1; done
[[ $(windows | wc -l) -ge 2 ]] || fail "entering 垃圾桶 opened no list"
click_search "$window"
sleep 0.5
differs=$(area_differs "$window" "$pictures/101.png" 0 $band_y 944 159 0 $band_y)
((differs < 50)) || fail "one click on 搜分类 with the list open did not show recyclables ($differs pixels differ)"
[[ $(windows | wc -l) -eq 1 ]] || fail "the list stayed open after the search"

quit_program "$window"
echo "PASS: the list opens, a click on a row fills the box, one click on 搜分类 searches"
