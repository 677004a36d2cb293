#!/usr/bin/env bash
# run_in_xvfb.sh <script> [args...]: runs a check script on a virtual X display of its own,
# inside a D-Bus session of its own, as a desktop session would have; without one, libdbus
# would autolaunch a bus that outlives the check and writes into the home folder.
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" dbus-run-session -- "$@"
