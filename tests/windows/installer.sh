#!/usr/bin/env bash
# The installer, in a fresh Wine prefix, for all users and for the current user: a silent
# install puts the program in that scope's folder with that scope's Start-menu shortcut and
# Add/Remove Programs entry (HKLM or HKCU), a desktop shortcut only with /DESKTOP; the installed
# program shows its window; a silent uninstall removes exactly what was installed, leaving a
# file the user added, and nothing of the other scope is touched.
# Usage: installer.sh <Vekkiro-...-setup.exe>   (on an X display)
set -euo pipefail
source "$(dirname "$0")/lib.sh"
setup=$1
make_wine_workdir

# check_scope <option> <hive> <program folder> <Start menu> <desktop> <the other hive>
check_scope() {
    local option=$1 hive=$2 windows_dir=$3 start_menu=$4 desktop_dir=$5 other_hive=$6
    local dir shortcut desktop entry size left
    dir=$(unix_path "$windows_dir")
    shortcut="$(unix_path "$start_menu")/Vekkiro.lnk"
    desktop="$(unix_path "$desktop_dir")/Vekkiro.lnk"

    wine_run "$setup" /S "$option" || fail "$option: the silent install failed (exit code $?)"
    [[ -f "$dir/Vekkiro.exe" ]] || fail "$option: nothing installed in $dir"
    [[ -f "$dir/winpj/qbljfl.html" && -f "$dir/platforms/qwindows.dll" ]] ||
        fail "$option: the page or the platform plugin is missing from the install"
    [[ -f "$shortcut" ]] || fail "$option: no Start-menu shortcut at $shortcut"
    [[ ! -e "$desktop" ]] || fail "$option: a desktop shortcut nobody asked for"

    entry=$(uninstall_entry "$hive") || fail "$option: no Add/Remove Programs entry in $hive"
    if uninstall_entry "$other_hive" >/dev/null; then
        fail "$option: an Add/Remove Programs entry in $other_hive too"
    fi
    [[ $(entry_value "$entry" DisplayName) == Vekkiro ]] || fail "$option: DisplayName wrong"
    [[ $(entry_value "$entry" DisplayVersion) == 1.00 ]] || fail "$option: DisplayVersion wrong"
    [[ -n $(entry_value "$entry" Publisher) ]] || fail "$option: no Publisher"
    [[ $(entry_value "$entry" DisplayIcon) == "$windows_dir\\Vekkiro.exe,0" ]] ||
        fail "$option: DisplayIcon is '$(entry_value "$entry" DisplayIcon)'"
    [[ $(entry_value "$entry" UninstallString) == "\"$windows_dir\\uninstall.exe\"" ]] ||
        fail "$option: UninstallString is '$(entry_value "$entry" UninstallString)'"
    for flag in NoModify NoRepair; do
        [[ $(entry_value "$entry" $flag) == 0x1 ]] || fail "$option: $flag wrong"
    done
    size=$(entry_value "$entry" EstimatedSize)
    # In KiB: the program folder is some megabytes.
    ((size > 5000 && size < 200000)) || fail "$option: EstimatedSize is '$size' KiB"

    wine_run "$windows_dir\\Vekkiro.exe" &
    pid=$!
    window=$(wait_for_window Vekkiro) || fail "$option: the installed program shows no window"
    quit_program "$window"

    echo "mine" >"$dir/notes.txt"
    wine_run "$windows_dir\\uninstall.exe" /S ||
        fail "$option: the silent uninstall failed (exit code $?)"
    wait_until_gone "$dir/Vekkiro.exe" "$dir/uninstall.exe" "$shortcut" ||
        fail "$option: the uninstall left the program or its shortcut"
    left=$(cd "$dir" && find . -mindepth 1 -print)
    [[ "$left" == ./notes.txt ]] || fail "$option: after uninstalling, the folder holds: $left"
    if uninstall_entry "$hive" >/dev/null; then fail "$option: the entry is still there"; fi
    rm -r "$dir"

    # Asked for on the command line, the desktop shortcut comes, and goes with the program.
    wine_run "$setup" /S "$option" /DESKTOP ||
        fail "$option: the install with /DESKTOP failed (exit code $?)"
    [[ -f "$desktop" ]] || fail "$option: /DESKTOP made no desktop shortcut at $desktop"
    wine_run "$windows_dir\\uninstall.exe" /S ||
        fail "$option: the second uninstall failed (exit code $?)"
    wait_until_gone "$desktop" "$dir" || fail "$option: the uninstall left the desktop shortcut"
}

programs='C:\ProgramData\Microsoft\Windows\Start Menu\Programs'
check_scope /AllUsers HKLM 'C:\Program Files\Vekkiro' "$programs" 'C:\users\Public\Desktop' HKCU

local_appdata=$(windows_folder LOCALAPPDATA)
appdata=$(windows_folder APPDATA)
profile=$(windows_folder USERPROFILE)
check_scope /CurrentUser HKCU "$local_appdata\\Programs\\Vekkiro" \
    "$appdata\\Microsoft\\Windows\\Start Menu\\Programs" "$profile\\Desktop" HKLM
echo "PASS: for all users and for the current user: files, shortcuts, registry entry, window," \
     "uninstall"
