#!/usr/bin/env bash
# run_in_xvfb.sh [--screen WxHxD] <command> [args...]: runs a check (or any command) on a
# virtual X display of its own, inside a D-Bus session of its own, as a desktop session would
# have; without one, libdbus would autolaunch a bus that outlives the check and writes into the
# home folder.
#
# The X server chooses the display itself and reports the number once it accepts connections
# (-displayfd), so no other server, check or program on the machine can hold or take the same
# number between the choice and the start, as they could with a number picked by looking for
# lock files (xvfb-run -a). Its clients need this run's cookie. What the server said is kept, and
# shown when the command fails.
set -euo pipefail

screen=1280x1024x24
if [[ "${1:-}" == --screen ]]; then
    screen=$2
    shift 2
fi
(($# > 0)) || { echo "usage: run_in_xvfb.sh [--screen WxHxD] <command> [args...]" >&2; exit 2; }

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vekkiro-display.XXXXXX")
server_log=$scratch/server.log
server=
end_server() {
    if [[ -n $server ]]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$scratch"
}
trap end_server EXIT

# The server loads every cookie in its authority file, whatever display an entry names; a client
# looks its cookie up by display number, which is known only once the server has chosen one. So
# the server starts with the cookie under a placeholder entry, and the clients' entry follows.
export XAUTHORITY=$scratch/Xauthority
: >"$XAUTHORITY"
cookie=$(mcookie)
xauth -q add :0 MIT-MAGIC-COOKIE-1 "$cookie"

mkfifo "$scratch/ready"
# -noreset: the server keeps its state when a check's last client goes, instead of starting over
# while the check's next program connects.
Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset -auth "$XAUTHORITY" \
    3>"$scratch/ready" </dev/null >"$server_log" 2>&1 &
server=$!
number=
read -r -t 30 number <"$scratch/ready" || true
if [[ ! $number =~ ^[0-9]+$ ]]; then
    echo "run_in_xvfb.sh: the X server did not start; it said:" >&2
    cat "$server_log" >&2
    exit 1
fi
xauth -q remove :0
xauth -q add ":$number" MIT-MAGIC-COOKIE-1 "$cookie"
export DISPLAY=":$number"

status=0
dbus-run-session -- "$@" || status=$?
if ((status != 0)); then
    echo "-- on display $DISPLAY; the X server said:" >&2
    if [[ -s $server_log ]]; then sed 's/^/   /' "$server_log" >&2; else echo "   nothing" >&2; fi
    kill -0 "$server" 2>/dev/null || echo "   (the X server had ended)" >&2
fi
exit "$status"
