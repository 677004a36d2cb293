#!/usr/bin/env bash
# Installing over an earlier Vekkiro, in a fresh Wine prefix. An older installer (version 0.90,
# built here from the build's installer script with one file more) installs; the build's
# installer installs over it: one Add/Remove Programs entry with the new version, the file only
# the old version had is gone, the user's own file and desktop shortcut stay, one Start-menu
# shortcut. The same version installs over itself; the older one, silent, refuses to replace the
# newer and changes nothing.
# Usage: upgrade.sh <setup.exe> <installer.nsi> <install-list.nsh> <uninstall-list.nsh> <makensis>
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup=$1 nsi=$2 install_list=$3 uninstall_list=$4 makensis=$5
make_wine_workdir

echo "only in 0.90" >"$work/old-only.txt"
{ cat "$install_list"; echo "File \"/oname=old-only.txt\" \"$work/old-only.txt\""; } \
    >"$work/old-install.nsh"
{ echo 'Delete "$INSTDIR\old-only.txt"'; cat "$uninstall_list"; } >"$work/old-uninstall.nsh"
"$makensis" -V2 -INPUTCHARSET UTF8 -DVERSION=0.90 -DOUTFILE="$work/old-setup.exe" \
    -DINSTALL_LIST="$work/old-install.nsh" -DUNINSTALL_LIST="$work/old-uninstall.nsh" "$nsi" ||
    fail "cannot build the 0.90 installer"

drive_c="$WINEPREFIX/drive_c"
dir="$drive_c/Program Files/Vekkiro"
programs="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
desktop="$drive_c/users/Public/Desktop/Vekkiro.lnk"

# installed_version: the version the Add/Remove Programs entry shows; checks there is one only.
installed_version() {
    local entry
    entry=$(uninstall_entry HKLM) || fail "no Add/Remove Programs entry"
    if uninstall_entry HKCU >/dev/null; then fail "a second entry, for the current user"; fi
    entry_value "$entry" DisplayVersion
}

wine_run "$work/old-setup.exe" /S /AllUsers /DESKTOP ||
    fail "the 0.90 install failed (exit code $?)"
[[ $(installed_version) == 0.90 ]] || fail "0.90 shows as $(installed_version)"
[[ -f "$dir/old-only.txt" && -f "$desktop" ]] || fail "0.90 did not install what it has"
echo "mine" >"$dir/notes.txt"

for round in "over 0.90" "over itself"; do
    wine_run "$setup" /S /AllUsers || fail "installing 1.00 $round failed (exit code $?)"
    [[ $(installed_version) == 1.00 ]] || fail "1.00 $round shows as $(installed_version)"
    [[ -f "$dir/Vekkiro.exe" && -f "$dir/uninstall.exe" ]] || fail "1.00 $round: not installed"
    [[ ! -e "$dir/old-only.txt" ]] || fail "1.00 $round: the file only 0.90 had is still there"
    [[ $(cat "$dir/notes.txt") == mine ]] || fail "1.00 $round: the user's file is gone"
    [[ -f "$desktop" ]] || fail "1.00 $round: the user's desktop shortcut is gone"
    shortcuts=$(find "$programs" -iname '*vekkiro*' | wc -l)
    ((shortcuts == 1)) || fail "1.00 $round: $shortcuts Start-menu shortcuts"
done

before=$(state_of "$dir")
status=0
wine_run "$work/old-setup.exe" /S /AllUsers || status=$?
((status == 4)) || fail "installing 0.90 over 1.00 silently gave exit code $status, not 4"
[[ $(state_of "$dir") == "$before" ]] || fail "the refused downgrade changed the install"

wine_run 'C:\Program Files\Vekkiro\uninstall.exe' /S || fail "the uninstall failed (exit code $?)"
wait_until_gone "$dir/Vekkiro.exe" "$desktop" || fail "the uninstall left the program"
left=$(cd "$dir" && find . -mindepth 1 -print)
[[ "$left" == ./notes.txt ]] || fail "after uninstalling, the program folder holds: $left"
echo "PASS: 0.90 then 1.00: one entry, 1.00, old file gone; 1.00 over itself; no silent downgrade"
