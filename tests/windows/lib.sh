# Shared steps of the checks that drive the Windows program under Wine; sourced, not run. On
# top of the end-to-end checks' steps: a Wine prefix of the check's own, and Chinese text
# entered through the clipboard.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
wine_sh="$(dirname "${BASH_SOURCE[0]}")/wine.sh"

# make_wine_workdir: make_workdir, with a fresh Wine prefix in it whose server is ended on exit.
make_wine_workdir() {
    make_workdir
    export WINEPREFIX="$work/prefix"
    trap 'kill "$pid" 2>/dev/null || true; /usr/lib/wine/wineserver -k 2>/dev/null || true
          rm -rf "$work"' EXIT
    # wine.sh creates the prefix on its first run; this run only makes sure that happens now.
    "$wine_sh" wineboot >/dev/null
}

# wine_run <program> [args...]: runs a Windows program in the check's prefix.
wine_run() { "$wine_sh" "$@"; }

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

