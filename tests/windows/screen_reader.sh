#!/usr/bin/env bash
# What a Windows screen reader is told, heard through a listener that hooks live-region events
# as NVDA and Narrator do, beside the portable program: every answer to a search, by a click on
# "搜分类" and by Space on it, twice for the same answer twice, nothing for 更多; the list's
# opening; the About window's lines as it opens.
# Usage: screen_reader.sh <Vekkiro-...-win64.zip> <live_region_listener.exe>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
zip=$1
listener=$2
make_wine_workdir

unpack_portable "$zip"
heard_file="$work/heard.txt"

wine_run "$listener" 'Z:'"${heard_file//\//\\}" >/dev/null 2>&1 &
heard_first() { [[ $(head -n 1 "$heard_file" 2>/dev/null) == listening ]]; }
wait_until 30 heard_first || fail "the listener did not start"

wine_run "$exe" >/dev/null 2>&1 &
pid=$!
window=$(wait_for_window Vekkiro) || fail "no visible window titled Vekkiro"

# The lines heard so far are read one by one; a list's opening is noted and passed over where
# an answer is expected.
read_lines=1
list_openings=0
line=
line_heard() { (($(wc -l <"$heard_file") > read_lines)); }
# next_line: the next line heard, in $line, waiting for it up to 20 s.
next_line() {
    wait_until 20 line_heard || return 1
    read_lines=$((read_lines + 1))
    line=$(sed -n "${read_lines}p" "$heard_file")
}
expect_answer() {
    while next_line; do
        if [[ $line =~ ^[1-8]\ 个建议，按下方向键选择$ ]]; then
            list_openings=$((list_openings + 1))
            continue
        fi
        [[ $line == "$1" ]] || fail "heard \"$line\" where \"$1\" was expected ($2)"
        echo "heard: $line ($2)"
        return 0
    done
    fail "heard nothing where \"$1\" was expected ($2)"
}

paste_text "$window" 塑料瓶
click_search "$window"
expect_answer 可回收物 "塑料瓶, a click on 搜分类"
((list_openings == 1)) || fail "the list's opening for 塑料瓶 was heard $list_openings times"
click_search "$window"
expect_answer 可回收物 "塑料瓶 again, a second click"

paste_text "$window" 电池
xdotool key --clearmodifiers Tab space
expect_answer 有害垃圾 "电池, Tab to 搜分类 and Space"

# 更多 changes nothing and says nothing: the next thing heard is the next search's answer.
paste_text "$window" 更多
click_search "$window"
paste_text "$window" 不存在的东西
click_search "$window"
expect_answer 该垃圾本程序暂时无法分类 "更多, then 不存在的东西"

open_about "$window" >/dev/null
expect_answer "应用程序：Vekkiro，作者：Quendry，全部可分类垃圾：点击查看" "the About window opens"

kill -0 "$pid" || fail "the program ended during the session"
quit_program "$window"
echo "Everything heard, in order:"
sed 1d "$heard_file"
echo "PASS: every answer, twice for the same, none for 更多, the list's opening, the About window"
