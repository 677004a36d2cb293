#!/usr/bin/env bash
# The installer, in a fresh Wine prefix: a silent install puts the program under Program Files
# with a Start-menu shortcut and an Add/Remove Programs entry, and no desktop shortcut; the
# installed program shows its window; a silent uninstall removes exactly what was installed,
# leaving a file the user added. With /DESKTOP, a desktop shortcut that the uninstall removes.
# Usage: installer.sh <Vekkiro-...-setup.exe>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup=$1
make_wine_workdir

drive_c="$WINEPREFIX/drive_c"
dir="$drive_c/Program Files/Vekkiro"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vekkiro.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vekkiro'

wine_run "$setup" /S || fail "the silent install failed"
[[ -f "$dir/Vekkiro.exe" ]] || fail "nothing installed in $dir"
[[ -f "$dir/winpj/qbljfl.html" && -f "$dir/platforms/qwindows.dll" ]] ||
    fail "the page or the platform plugin is missing from the install"
[[ -f "$shortcut" ]] || fail "no Start-menu shortcut"
desktop="$drive_c/users/Public/Desktop/Vekkiro.lnk"
[[ ! -e "$desktop" ]] || fail "a desktop shortcut nobody asked for"

entry=$(wine_run reg query "$key") || fail "no Add/Remove Programs entry"
value() { awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }' <<<"$entry" | tr -d '\r'; }
[[ $(value DisplayName) == Vekkiro ]] || fail "DisplayName is '$(value DisplayName)'"
[[ $(value DisplayVersion) == 1.00 ]] || fail "DisplayVersion is '$(value DisplayVersion)'"
[[ -n $(value Publisher) ]] || fail "no Publisher"
[[ $(value DisplayIcon) == 'C:\Program Files\Vekkiro\Vekkiro.exe,0' ]] ||
    fail "DisplayIcon is '$(value DisplayIcon)'"
[[ $(value UninstallString) == '"C:\Program Files\Vekkiro\uninstall.exe"' ]] ||
    fail "UninstallString is '$(value UninstallString)'"
for flag in NoModify NoRepair; do
    [[ $(value $flag) == 0x1 ]] || fail "$flag is '$(value $flag)'"
done
size=$(value EstimatedSize)
# In KiB: the program folder is some megabytes.
((size > 5000 && size < 200000)) || fail "EstimatedSize is '$size' KiB"

wine_run 'C:\Program Files\Vekkiro\Vekkiro.exe' &
pid=$!
window=$(wait_for_window Vekkiro) || fail "the installed program shows no window"
quit_program "$window"

echo "mine" >"$dir/notes.txt"
wine_run 'C:\Program Files\Vekkiro\uninstall.exe' /S || fail "the silent uninstall failed"
# The uninstaller copies itself elsewhere and runs from there, so it may still be at work.
for _ in $(seq 150); do [[ -e "$dir/Vekkiro.exe" || -e "$dir/uninstall.exe" ]] || break; sleep 0.2; done
left=$(cd "$dir" && find . -mindepth 1 -print)
[[ "$left" == ./notes.txt ]] || fail "after uninstalling, the program folder holds: $left"
[[ ! -e "$shortcut" ]] || fail "the Start-menu shortcut is still there"
if wine_run reg query "$key" >/dev/null 2>&1; then fail "the Add/Remove Programs entry is still there"; fi

# Asked for on the command line, the desktop shortcut comes, and goes with the program.
wine_run "$setup" /S /DESKTOP || fail "the silent install with /DESKTOP failed"
[[ -f "$desktop" ]] || fail "/DESKTOP made no desktop shortcut"
wine_run 'C:\Program Files\Vekkiro\uninstall.exe' /S || fail "the second silent uninstall failed"
for _ in $(seq 150); do [[ -e "$desktop" ]] || break; sleep 0.2; done
[[ ! -e "$desktop" ]] || fail "the desktop shortcut outlived the uninstall"
echo "PASS: silent install, shortcut, registry entry, program window, silent uninstall, /DESKTOP"
