#!/usr/bin/env bash
# What a blind user hears, from the real screen reader: Orca, speaking through Speech Dispatcher
# into a file instead of a sound card, on the AT-SPI bus of this check's own D-Bus session. The
# box's name when the window gets the focus; the list's announcement when it opens, and its
# row; the bin after 电池 and a mouse click on "搜分类"; the cannot-classify sentence after a
# search by Space; the About window's lines when it opens, and Escape closing it.
# Usage: screen_reader.sh <vekkiro executable>   (under run_in_xvfb.sh: a display and a D-Bus
# session of its own)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
exe=$1
[[ -n "${DISPLAY:-}" && -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]] || fail "run me under run_in_xvfb.sh"
make_workdir
started=()
# Every process this check starts is ended by its PID; none by name.
end_started() {
    local each
    for each in "${started[@]}"; do kill "$each" 2>/dev/null || true; done
    sleep 0.3
    for each in "${started[@]}"; do kill -9 "$each" 2>/dev/null || true; done
}
# On a failure, what Orca had said tells which step went wrong (fail names the windows up).
report_failure() { echo "Orca had said: $(tr '\n' '|' <"$spoken" 2>/dev/null)" >&2; }
# The check's verdict is its steps': a reader's helper still writing into the scratch folder as
# it goes must not turn a pass into a failure.
trap 'status=$?; ((status == 0)) || report_failure; end_started; kill "$pid" 2>/dev/null || true
      rm -rf "$work" 2>/dev/null || { sleep 0.5; rm -rf "$work" 2>/dev/null; } || true
      exit "$status"' EXIT

# A home, settings and runtime folder of its own: Orca and Speech Dispatcher read and write
# theirs there, and find no set-up to ask for.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config \
    XDG_DATA_HOME=$work/home/.local/share XDG_CACHE_HOME=$work/home/.cache
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME/orca" "$XDG_CACHE_HOME"
spoken=$work/spoken.txt
: >"$spoken"

# Speech Dispatcher with one output module, which appends every utterance to the file. The
# module opens an audio device all the same; ALSA's null device takes what it would play.
mkdir -p "$work/speechd/modules"
cat >"$work/speechd/speechd.conf" <<CONF
LogLevel 3
LogDir "$work"
AudioOutputMethod "alsa"
AudioALSADevice "null"
AddModule "file" "sd_generic" "file.conf"
DefaultModule file
DefaultLanguage "zh"
CONF
cat >"$work/speechd/modules/file.conf" <<CONF
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> $spoken"
AddVoice "zh" "female1" "zh"
AddVoice "en" "male1" "en"
GenericLanguage "zh" "zh" "utf-8"
GenericLanguage "en" "en" "utf-8"
CONF

/usr/libexec/at-spi-bus-launcher --launch-immediately &
started+=($!)
speech-dispatcher --run-single --timeout 0 --config-dir "$work/speechd" \
    --module-dir /usr/lib/speech-dispatcher-modules &
started+=($!)
wait_until 20 test -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ||
    fail "Speech Dispatcher did not start (see $work/speech-dispatcher.log)"
orca --debug-file="$work/orca.log" >/dev/null 2>&1 &
orca_pid=$!
started+=($orca_pid)
said() { grep -qF -- "$1" "$spoken"; }
wait_until 60 said "Screen reader on" || fail "Orca did not start speaking"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$exe" &
pid=$!
window=$(wait_for_window Vekkiro) || fail "no window"
# Orca stays silent until the window has the focus.
xdotool windowfocus --sync "$window"

# hears <what> <text> [seconds]: waits until Orca has said the text since the last step.
mark=0
hears() {
    wait_until "${3:-30}" heard_since_mark "$2" ||
        fail "$1: Orca did not say \"$2\"; it said: $(tail -n +$((mark + 1)) "$spoken" | tr '\n' '|')"
    mark=$(wc -l <"$spoken")
}
heard_since_mark() { tail -n +$((mark + 1)) "$spoken" | grep -qF -- "$1"; }

hears "the window's focus" "垃圾分类搜一搜"
# As a blind user finds the name: pinyin typed without an input method, the list's
# announcement, Down to the first row, Enter to take it. (Typed keys reach the program through
# Orca; a pasted text, whose Ctrl may be let go before the program sees the V, is less sure.)
# The list opens at the first letter. Orca echoes each key as it is typed, and an echo cuts
# short what is being said: the rest is typed once the announcement has been heard.
xdotool type d
# (Orca reads the full-width comma as an ASCII one.)
hears "the list opening" "个建议"
grep -qF "按下方向键选择" "$spoken" || fail "the list's announcement did not say how to reach it"
xdotool type --delay 80 ianchi
xdotool key --delay 200 Down
hears "the first row" "电池"
xdotool key --delay 200 Return
click_search "$window"
hears "a search by mouse" "有害垃圾"

xdotool mousemove --window "$window" 560 $(($(client_top "$window") + 176)) click 1
xdotool key --delay 200 ctrl+a BackSpace
xdotool type --delay 80 hello
xdotool key --delay 200 Tab
hears "Tab to the search button" "搜分类"
xdotool key --delay 200 space
hears "a search by Space" "该垃圾本程序暂时无法分类"

# The menu's access keys, as a user presses them: Alt, then C while it is held. Orca holds each
# plain key for a moment before the program gets it, but not C with Alt, which opens the menu at
# once; pressed together, Alt would reach the open menu afterwards and close it. So C waits until
# Orca has let Alt through, and G until the menu is up and Orca has read its item.
xdotool windowfocus --sync "$window"
xdotool keydown alt
hears "Alt held" "left alt"
xdotool key c
xdotool keyup alt
hears "the menu opening" "关于(G)"
xdotool key g
about=$(wait_for_window 关于 20) || fail "the About window did not open"
# The title, the lines and the link, in whatever utterances Orca makes of them.
for said_on_opening in 关于 应用程序 作者 点击查看; do
    wait_until 30 heard_since_mark "$said_on_opening" ||
        fail "the About window: Orca did not say \"$said_on_opening\"; it said: $(tail -n +$((mark + 1)) "$spoken" | tr '\n' '|')"
done
mark=$(wc -l <"$spoken")
xdotool key --clearmodifiers Escape
wait_until 20 bash -c "! xdotool search --onlyvisible --name '^关于$' >/dev/null" ||
    fail "Escape did not close the About window ($about)"

quit_program "$window"
# Orca leaves on SIGTERM only once an accessibility event wakes it: a key press is one.
kill "$orca_pid" 2>/dev/null || true
xdotool key shift
echo "PASS: Orca said: $(tr '\n' '|' <"$spoken")"
