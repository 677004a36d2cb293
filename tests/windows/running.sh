#!/usr/bin/env bash
# A running Vekkiro and the installer, in a fresh Wine prefix: while the installed program runs,
# a silent install over it and a silent uninstall of it each wait, then give up with exit code 3
# and change nothing; once it has ended, both succeed.
# Usage: running.sh <Vekkiro-...-setup.exe>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup=$1
make_wine_workdir

windows_dir='C:\Program Files\Vekkiro'
dir=$(unix_path "$windows_dir")
wine_run "$setup" /S /AllUsers || fail "the first install failed (exit code $?)"

wine_run "$windows_dir\\Vekkiro.exe" &
pid=$!
wait_for_window Vekkiro >/dev/null || fail "the installed program shows no window"
before=$(state_of "$dir")

status=0
wine_run "$setup" /S /AllUsers || status=$?
((status == 3)) || fail "installing over a running Vekkiro gave exit code $status, not 3"
[[ $(state_of "$dir") == "$before" ]] || fail "the refused install changed the install"

# Run in place (_?=), the uninstaller's own exit code comes back, not its launcher's. The
# folder goes unquoted, as the rest of the command line: split into words on purpose.
status=0
# shellcheck disable=SC2086
wine_run "$windows_dir\\uninstall.exe" /S _?=$windows_dir || status=$?
((status == 3)) || fail "uninstalling a running Vekkiro gave exit code $status, not 3"
[[ $(state_of "$dir") == "$before" ]] || fail "the refused uninstall changed the install"

# Closed as Windows asks a program to close (the window's close message), as a user would.
wine_run taskkill /im Vekkiro.exe >/dev/null || fail "taskkill found no Vekkiro"
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_until 20 ended || fail "Vekkiro did not close when asked"
wine_run "$setup" /S /AllUsers || fail "installing after the program ended failed (exit code $?)"
wine_run "$windows_dir\\uninstall.exe" /S ||
    fail "uninstalling after the program ended failed (exit code $?)"
wait_until_gone "$dir" || fail "the uninstall left $(cd "$dir" && find . -mindepth 1 | head -3)"
echo "PASS: a running Vekkiro stops a silent install and uninstall (exit 3, nothing changed)"
