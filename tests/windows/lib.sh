# Shared steps of the checks that drive the Windows program under Wine; sourced, not run. On
# top of the end-to-end checks' steps: a Wine prefix of the check's own.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"
wine_sh="$(dirname "${BASH_SOURCE[0]}")/wine.sh"

# make_wine_workdir: make_workdir, with a fresh Wine prefix in it whose server is ended on exit.
make_wine_workdir() {
    make_workdir
    export WINEPREFIX="$work/prefix"
    # Wine links the user's Desktop and other folders into $HOME: keep them in the check's own.
    export HOME="$work/home"
    mkdir -p "$HOME"
    trap 'kill "$pid" 2>/dev/null || true; /usr/lib/wine/wineserver -k 2>/dev/null || true
          rm -rf "$work"' EXIT
    # wine.sh creates the prefix on its first run; this run only makes sure that happens now.
    "$wine_sh" wineboot >/dev/null
}

# unpack_portable <zip>: unpacks the portable program as a user would, and sets $exe to it.
unpack_portable() {
    mkdir "$work/unpacked"
    (cd "$work/unpacked" && cmake -E tar xf "$1")
    exe="$work/unpacked/Vekkiro/Vekkiro.exe"
    [[ -f "$exe" ]] || fail "the zip has no Vekkiro\\Vekkiro.exe"
}

# wine_run <program> [args...]: runs a Windows program in the check's prefix.
wine_run() { "$wine_sh" "$@"; }

# unix_path <C:\...>: where a path on the prefix's drive C: is on this machine.
unix_path() {
    local path=${1#[Cc]:}
    echo "$WINEPREFIX/drive_c${path//\\//}"
}

# windows_folder <VARIABLE>: the value of a Windows environment variable (LOCALAPPDATA, ...).
windows_folder() { wine_run cmd /c echo "%$1%" | tr -d '\r'; }

# uninstall_entry <HKLM|HKCU>: the program's Add/Remove Programs entry in that hive; fails when
# there is none.
uninstall_entry() {
    wine_run reg query "$1\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vekkiro" 2>/dev/null |
        tr -d '\r'
}

# entry_value <entry> <name>: one value of an entry that uninstall_entry printed.
entry_value() {
    awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }' <<<"$1"
}

# wait_until_gone <path>...: waits (up to 30 s) until none of the paths exists. An uninstaller
# started without _?= copies itself elsewhere and returns while the copy is still at work.
none_exists() {
    local path
    for path; do [[ ! -e $path ]] || return 1; done
}
wait_until_gone() { wait_until 30 none_exists "$@"; }

# state_of <folder>: what an install consists of, to compare before and after a run that should
# change nothing: every file under the folder with its size and time, and both hives' entries.
state_of() {
    (cd "$1" && find . -printf '%p %s %T@\n' | sort)
    uninstall_entry HKLM || true
    uninstall_entry HKCU || true
}
