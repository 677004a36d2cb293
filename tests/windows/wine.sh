#!/usr/bin/env bash
# wine.sh <program.exe> [args...]: runs a Windows program under Wine the way the checks need it:
# 64-bit Wine without the 32-bit part, quiet, without the Mono and Gecko install prompts or
# desktop menu entries, and with the MinGW runtime libraries on the program's search path. The
# prefix is $WINEPREFIX; the first run in a new prefix creates it.
#
# Every Wine process here gets its standard streams from a file or /dev/null, never from the
# caller: the Wine server and the services that Wine starts keep the streams they were started
# with, and a caller reading a pipe (ctest) would wait for them to end.
set -euo pipefail

: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix to use}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}
wine=/usr/lib/wine/wine64
[[ -x $wine ]] || { echo "wine.sh: $wine is missing: install wine64" >&2; exit 1; }

# The MinGW runtime that the programs and the Qt libraries import, as Windows paths.
mingw_dirs=()
for dll in libstdc++-6.dll libwinpthread-1.dll; do
    path=$(realpath "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")")
    mingw_dirs+=("Z:$(dirname "$path" | tr / '\\')")
done
export WINEPATH="${WINEPATH:+$WINEPATH;}$(IFS=';'; echo "${mingw_dirs[*]}")"

mkdir -p "$WINEPREFIX"
# Concurrent first runs would each try to create the prefix. Wine's processes must not inherit
# the lock, or they would hold it for as long as they run.
(
    flock 9
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        "$wine" wineboot -i </dev/null >/dev/null 2>&1 9>&-
        # The fonts Windows dialogs ask for (the installer's Chinese pages ask for 宋体) are not
        # installed here; without a replacement their Chinese text comes out as boxes.
        fonts=$(mktemp --suffix=.reg)
        {
            printf 'Windows Registry Editor Version 5.00\r\n\r\n'
            printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
            for font in 宋体 SimSun "MS Shell Dlg" "MS Shell Dlg 2" Tahoma; do
                printf '"%s"="Noto Sans CJK SC"\r\n' "$font"
            done
        } | iconv -f UTF-8 -t UTF-16 >"$fonts"
        "$wine" regedit /S "Z:${fonts//\//\\}" </dev/null >/dev/null 2>&1 9>&-
        rm -f "$fonts"
    fi
) 9>"$WINEPREFIX/.vekkiro-lock"

output=$(mktemp)
trap 'rm -f "$output"' EXIT
status=0
"$wine" "$@" </dev/null >"$output" 2>&1 || status=$?
cat "$output"
exit "$status"
