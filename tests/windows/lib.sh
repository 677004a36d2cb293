# Shared steps of the checks that drive the Windows program under Wine; sourced, not run. On
# top of the end-to-end checks' steps: a Wine prefix of the check's own.
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
