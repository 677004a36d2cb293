#!/usr/bin/env bash
# run_in_xvfb.sh <script> [args...]: runs a check script on a virtual X display of its own.
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
