# Shared steps of the checks that drive the Windows program under Wine; sourced, not run. On
# top of the end-to-end checks' steps: a Wine prefix of the check's own, and the pictures that
# the program must show.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
wine_sh="$(dirname "${BASH_SOURCE[0]}")/wine.sh"

# make_wine_workdir: make_workdir, with a fresh Wine prefix in it whose server is ended on exit.
make_wine_workdir() {
    make_workdir
    export WINEPREFIX="$work/prefix"
    trap 'kill "$pid" 2>/dev/null || true; /usr/lib/wine/wineserver -k 2>/dev/null || true
          rm -rf "$work"' EXIT
    "$wine_sh" wineboot -i >/dev/null
}

# wine_run <program> [args...]: runs a Windows program in the check's prefix.
wine_run() { "$wine_sh" "$@"; }

# client_top <window>: how far below the window's top its client area (below the menu bar)
# starts, given that the client area is 595 pixels high.
client_top() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo $((HEIGHT - 595))
}

# paste_text <window> <text>: replaces the search box's text by <text> through the clipboard.
# Typed keys would not do: xdotool's typing of Chinese reaches Wine's programs garbled.
paste_text() {
    local top
    top=$(client_top "$1")
    xdotool mousemove --window "$1" 560 $((top + 176)) click 1
    xdotool key --clearmodifiers ctrl+a BackSpace
    if [[ -n "$2" ]]; then
        printf '%s' "$2" | xclip -selection clipboard -loops 1 -quiet 2>/dev/null &
        sleep 0.3
        xdotool key --clearmodifiers ctrl+v
        wait $! 2>/dev/null || true
    fi
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
