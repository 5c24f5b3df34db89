#!/usr/bin/env bash
# The Windows release on a German desktop, in a Wine prefix of its own: the program from the zip
# speaks German (its help, with Qt's own words in it, and its title), and so does the installer.
#   german_wine.sh RELEASE.zip SETUP.exe WINTEXT.exe
set -euo pipefail
zip=$1 setup=$2 wintext=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$here/../../scripts/xvfb-session.sh"
source "$here/../../scripts/drive.sh"
# Wine takes the display language from the locale, which has to exist: made here when it does not.
if ! locale -a | grep -qix 'de_DE.utf-\?8'; then
    mkdir -p "$work/locale" && localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8" || fail "no German locale"
    export LOCPATH=$work/locale
fi
{ export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8; } 2>/dev/null # for Wine; bash itself need not take it up
export WINEPREFIX=$work/prefix
"$here/wine-prefix.sh" make "$WINEPREFIX"
trap 'WINEDEBUG=-all wineserver -k 2>/dev/null || true; session_cleanup' EXIT
source "$here/release.sh"

"$here/wine-run.sh" "$exe" --help >/dev/null 2>&1 </dev/null &
help=$(run "$wintext" "Vemmick 2" | tr -d '\r') || fail "--help shows no message box"
grep -q "Optionen:" <<<"$help" && grep -q "Zeigt diese Hilfe an." <<<"$help" || fail "--help is not German: $help"
wait $! || true
"$here/wine-run.sh" "$exe" >"$work/vemmick.log" 2>&1 & # app_pid: the program's own process
app_pid=$!
find_window 30
wait_title "^Vemmick 2  Größe: $START_GRID\$"

"$here/wine-run.sh" "$setup" >/dev/null 2>&1 &
page=$(run "$wintext" "Installation von Vemmick 2" | tr -d '\r') || fail "no German installer page"
grep -qx "Abbrechen" <<<"$page" || fail "the installer's page is not German: $page"
echo "1 passed, 0 failed"
