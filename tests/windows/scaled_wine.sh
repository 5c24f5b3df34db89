#!/usr/bin/env bash
# The Windows program from its unpacked zip on a Windows desktop scaled to DPI dots per inch (the
# LogPixels setting of a fresh Wine prefix of its own): its window at the whole factor SCALE of the
# design size, a pick on the lower-right device pixel of a palette cell, and the dots of a run
# against the simulation, device pixel for device pixel.
#   scaled_wine.sh RELEASE.zip E2E_CHECK.exe DPI SCALE
set -euo pipefail
zip=$1
check=$2
export VEMMICK_SCALE=$4
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
XVFB_SCREEN=2400x1600x24
source "$here/../../scripts/xvfb-session.sh"
source "$here/../../scripts/drive.sh"

export WINEPREFIX=$work/prefix
"$here/wine-prefix.sh" make "$WINEPREFIX"
stop_prefix() { WINEDEBUG=-all wineserver -k 2>/dev/null || true; }
trap 'stop_prefix; session_cleanup' EXIT
"$here/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$3" /f >/dev/null 2>&1
WINEDEBUG=-all wineserver -w

source "$here/release.sh"

"$here/wine-run.sh" "$exe" >"$work/vemmick.log" 2>&1 & # app_pid: the program's own process
app_pid=$!
find_window 30
expect_scaled_window "$3"
first_run_matches check_under_wine
echo "1 passed, 0 failed"
