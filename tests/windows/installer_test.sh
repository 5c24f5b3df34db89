#!/usr/bin/env bash
# The Windows installer under Wine: its icon and version; the foot of the installer's and the
# uninstaller's pages, which names the program and its version; a silent install into the 64-bit
# Program Files with a Start-menu shortcut and an Add/Remove Programs entry; the installed program
# shows its window; a silent uninstall leaves no file, shortcut or key behind.
#   installer_test.sh SETUP.exe VERSION WINTEXT.exe     (WINEPREFIX: a prefix made for this run)
set -euo pipefail
setup=$1 version=$2 wintext=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$here/../../scripts/xvfb-session.sh"
source "$here/../../scripts/drive.sh"
run() { env -u VEMMICK_WINE_DLLS "$here/wine-run.sh" "$@"; }
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vemmick 2'
dir="$WINEPREFIX/drive_c/Program Files/Vemmick 2"
shortcut="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vemmick 2.lnk"

# The icon's six images and the version, in the installer and in the uninstaller it writes.
carries_icon_and_version() { # EXE
    local resources
    resources=$(x86_64-w64-mingw32-windres -i "$1" -O rc)
    grep -q 'Has 6 elements' <<<"$resources" || fail "$(basename "$1") lacks the program's icon"
    grep -qF "VALUE \"ProductVersion\", \"$version\"" <<<"$resources" || fail "$(basename "$1") lacks version $version"
}
carries_icon_and_version "$setup"

# A page shown and closed again: its foot names the program and its version, not the tool.
foot_names_program() { # TITLE-PREFIX EXE
    "$here/wine-run.sh" "$2" >/dev/null 2>&1 &
    local texts
    texts=$(run "$wintext" "$1" | tr -d '\r') || fail "no window '$1' appeared"
    grep -qxF "Vemmick 2 $version" <<<"$texts" || fail "the page of '$1' does not name Vemmick 2 $version: $texts"
    ! grep -q 'Nullsoft' <<<"$texts" || fail "the page of '$1' names the installer's maker: $texts"
    wait $! || true
    WINEDEBUG=-all wineserver -w
}
foot_names_program "Vemmick 2 Setup" "$setup"

run "$setup" /S || fail "the silent install ends with status $?"
for f in vemmick.exe Qt6Core.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll LICENSE.txt uninstall.exe; do
    [ -f "$dir/$f" ] || fail "the install lacks $f"
done
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
carries_icon_and_version "$dir/uninstall.exe"
foot_names_program "Vemmick 2 Uninstall" 'C:\Program Files\Vemmick 2\uninstall.exe'
entry=$(run reg query "$key" | tr -d '\r')
for value in "DisplayName REG_SZ Vemmick 2" "DisplayVersion REG_SZ $version" "Publisher REG_SZ The Vemmick developers" \
             'DisplayIcon REG_SZ C:\Program Files\Vemmick 2\vemmick.exe,0' \
             'UninstallString REG_SZ "C:\Program Files\Vemmick 2\uninstall.exe"' \
             'QuietUninstallString REG_SZ "C:\Program Files\Vemmick 2\uninstall.exe" /S' \
             "NoModify REG_DWORD 0x1" "NoRepair REG_DWORD 0x1"; do
    awk '{$1 = $1; print}' <<<"$entry" | grep -qxF "$value" || fail "the uninstall entry lacks '$value': $entry"
done
size=$(awk '$1 == "EstimatedSize" {print $3}' <<<"$entry")
size=$((size))
[ "$size" -gt 10000 ] || fail "the uninstall entry estimates $size KB"

# Started without a function between, so that app_pid is the program's own process.
env -u VEMMICK_WINE_DLLS "$here/wine-run.sh" 'C:\Program Files\Vemmick 2\vemmick.exe' >/dev/null 2>&1 &
app_pid=$!
find_window 30
wait_title "^Vemmick 2  Size: $START_GRID\$"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

# The uninstaller runs from a copy of itself, so that it can remove the original: wait for all.
run 'C:\Program Files\Vemmick 2\uninstall.exe' /S
WINEDEBUG=-all wineserver -w
[ ! -e "$dir" ] || fail "the uninstall left $(cd "$dir" && find . -mindepth 1 | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
! run reg query "$key" >/dev/null 2>&1 || fail "the uninstall left the key $key"
echo "1 passed, 0 failed"
