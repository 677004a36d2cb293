# Shared steps of the end-to-end checks; sourced, not run. They drive the real program on an X
# display with xdotool, as a user would.

# fail <what went wrong>: ends the check, saying what it saw: the display and the windows up on
# it, and where the screen as it was is kept, when $VEKKIRO_FAILURE_DIR names a folder for it
# (the program's own output is in the check's, above).
fail() {
    echo "FAIL: $*" >&2
    echo "   on display ${DISPLAY:-(none)}; windows up: $(windows_up)" >&2
    if [[ -n "${DISPLAY:-}" && -n "${VEKKIRO_FAILURE_DIR:-}" ]]; then
        local shot
        shot="$VEKKIRO_FAILURE_DIR/$(basename "$0" .sh)-$(date +%Y%m%d-%H%M%S)-$$.png"
        mkdir -p "$VEKKIRO_FAILURE_DIR" &&
            import -window root "$shot" 2>/dev/null && echo "   the screen then: $shot" >&2
    fi
    exit 1
}

# windows_up: the titles of the windows mapped on the display, on one line.
windows_up() {
    [[ -n "${DISPLAY:-}" ]] || return 0
    xdotool search --onlyvisible --name '' getwindowname %@ 2>/dev/null | grep -v '^$' |
        tr '\n' '|' || true
}

# wait_until <seconds> <command...>: runs the command every tenth of a second until it succeeds;
# fails after <seconds>. A busy machine makes a check slower, never wrong.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# make_workdir: a scratch folder, removed on exit along with the program if still running.
make_workdir() {
    work=$(mktemp -d)
    pid=
    trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
    mkdir -m 700 "$work/runtime"
}

# fake_url_opener <dir>: an xdg-open in <dir> that records what it is asked to open in
# $VEKKIRO_OPENED, instead of starting a browser.
fake_url_opener() {
    mkdir -p "$1"
    cat >"$1/xdg-open" <<'OPENER'
#!/bin/sh
printf '%s\n' "$*" >>"$VEKKIRO_OPENED"
OPENER
    chmod +x "$1/xdg-open"
}

# wait_for_window <title> [<seconds>]: waits (60 s unless told) for a visible window with exactly
# this title and prints the id of the first. A program's first start in a fresh Wine prefix has
# taken over 20 s on a busy machine; a window that is there ends the wait at once. Each try is a
# search of its own: a window that goes away while xdotool looks at it (Wine makes and drops
# several as a program starts) ends that xdotool with an X error, and only that try fails. (No
# `| head`: with pipefail, the writer's SIGPIPE would fail the step.)
wait_for_window() {
    local ids deadline=$((SECONDS + ${2:-60}))
    until ids=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) && [[ -n $ids ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
    printf '%s\n' "${ids%%$'\n'*}"
}

# paste_text <window> <text>: replaces the search box's text by <text> through the clipboard.
# Typed keys would not do: xdotool types a Chinese character by remapping a spare key for it,
# and a program that reads the key after the next remapping gets another character: Wine's
# programs always, Qt's can when the machine is busy.
paste_text() {
    local top
    top=$(client_top "$1")
    xdotool mousemove --window "$1" 560 $((top + 176)) click 1
    xdotool key --clearmodifiers ctrl+a BackSpace
    if [[ -n "$2" ]]; then
        printf '%s' "$2" | xclip -selection clipboard -loops 2 -quiet 2>/dev/null &
        # The clipboard is ready when another client reads the text from it (the first of the
        # two requests xclip answers).
        wait_until 10 clipboard_holds "$2" || fail "the clipboard never held $2"
        xdotool key --clearmodifiers ctrl+v
        wait $! 2>/dev/null || true
    fi
}

clipboard_holds() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]; }

# open_about <main window>: opens the About window through the menu's access keys and prints
# its id, as a person does: a click on the main window's menu bar, beside its menu, first, so
# that the keys reach the main window even while the About window is the active one (Wine sends
# them to the active window, whatever has the X focus). G is pressed only once the menu has come
# up as a window of its own: on a busy machine, or under Wine, the menu can take seconds, and a G
# pressed before it is lost. The menu is told by its window, new and on the screen: the program
# also shows its suggestion list once, beyond the screen, in its idle time after starting, and a
# count of windows taken while that one was up never saw the menu come. A try that fails leaves
# the menu, and then the menu bar's keyboard mode, which Escape leaves one at a time: an Alt+C in
# that mode would only leave it.
open_about() {
    local attempt before top
    for attempt in 1 2 3 4 5; do
        before=$(window_ids)
        top=$(client_top "$1")
        xdotool mousemove --window "$1" 600 $((top / 2)) click 1
        xdotool windowfocus --sync "$1"
        xdotool key --clearmodifiers alt+c
        if wait_until 10 new_window_on_screen "$before"; then
            xdotool key g
            wait_for_window 关于 10 && return 0
        fi
        xdotool key Escape
        wait_until 10 no_window_besides "$before" || true
        xdotool key Escape
    done
    fail "the About window did not open (attempt $attempt)"
}

# window_ids: the ids of the windows mapped on the display, sorted.
window_ids() { xdotool search --onlyvisible --name '' 2>/dev/null | sort || true; }

# new_window_on_screen <ids>: whether a window is mapped on the screen that is not among <ids>.
new_window_on_screen() {
    local id geometry screen_width screen_height
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    for id in $(comm -13 <(printf '%s\n' "$1") <(window_ids)); do
        # A window that went while this looked is no menu.
        geometry=$(xdotool getwindowgeometry --shell "$id" 2>/dev/null) || continue
        eval "$geometry"
        ((X < screen_width && Y < screen_height)) && return 0
    done
    return 1
}

# no_window_besides <ids>: whether every window mapped is among <ids>.
no_window_besides() { [[ -z $(comm -13 <(printf '%s\n' "$1") <(window_ids)) ]]; }

# click_link <about window>: clicks the blue "点击查看".
click_link() { xdotool mousemove --window "$1" 190 88 click 1; }

# quit_program <main window>: the Quit key, then the program must end with status 0.
quit_program() {
    xdotool windowfocus --sync "$1"
    xdotool key --clearmodifiers ctrl+q
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running after the Quit key"
    wait "$pid" || fail "exited with status $?"
}

# client_top <window>: how far below the window's top its client area (below the menu bar)
# starts, given that the client area is 595 pixels high.
client_top() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo $((HEIGHT - 595))
}

# click_search <window>: clicks "搜分类".
click_search() {
    local top
    top=$(client_top "$1")
    xdotool mousemove --window "$1" 792 $((top + 177)) click 1
}

# area_differs <window> <picture.png> <x> <y> <width> <height> [<picture x> <picture y>]: how
# many pixels of the client area's rectangle at <x>,<y> differ visibly from the picture's
# rectangle of the same size at <picture x>,<picture y> (default 0,0).
area_differs() {
    local window=$1 picture=$2 x=$3 y=$4 width=$5 height=$6 px=${7:-0} py=${8:-0} top
    top=$(client_top "$window")
    import -window "$window" -crop "${width}x${height}+${x}+$((top + y))" +repage \
        "$work/shot.png"
    convert "$picture" -crop "${width}x${height}+${px}+${py}" +repage "$work/expected.png"
    compare -metric AE -fuzz 4% "$work/shot.png" "$work/expected.png" null: 2>&1 || true
}

# wait_for_picture <window> <picture.png> <x> <y> <width> <height> [<picture x> <picture y>]:
# waits, 20 seconds at most, until the client area's rectangle shows the picture's (fewer than
# 50 pixels differ), and fails saying how far it was.
wait_for_picture() {
    local differs
    for _ in $(seq 100); do
        differs=$(area_differs "$@")
        ((differs < 50)) && return 0
        sleep 0.2
    done
    echo "$differs pixels differ from $(basename "$2")" >&2
    return 1
}
