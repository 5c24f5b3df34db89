#!/usr/bin/env bash
# The Windows release on a German desktop, in a Wine prefix of its own: the program from the zip
# speaks German (its help, with Qt's own words in it, and its title), and the installer's pages
# are German.
#   german_wine.sh RELEASE.zip SETUP.exe WINTEXT.exe
set -euo pipefail
zip=$1 setup=$2 wintext=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$here/../../scripts/xvfb-session.sh"
source "$here/../../scripts/drive.sh"

# Wine takes the display language from the locale, which needs to exist: one of the machine's, or
# one made here from Debian's locale sources.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf-\?8'; then
    mkdir -p "$work/locale"
    localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8" 2>/dev/null || fail "cannot make the German locale"
    export LOCPATH=$work/locale
fi
{ export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8; } 2>/dev/null # bash itself need not take it up
unset LANGUAGE
export WINEPREFIX=$work/prefix
"$here/wine-prefix.sh" make "$WINEPREFIX"
stop_prefix() { WINEDEBUG=-all wineserver -k 2>/dev/null || true; }
trap 'stop_prefix; session_cleanup' EXIT
source "$here/release.sh"

# --help in its message box: Qt's own words ("Optionen", from the catalogs the release ships) and the
# program's.
"$here/wine-run.sh" "$exe" --help >/dev/null 2>&1 </dev/null &
help=$(run "$wintext" "Vemmick 2" | tr -d '\r') || fail "--help shows no message box"
grep -q "Optionen:" <<<"$help" && grep -q "Zeigt diese Hilfe an." <<<"$help" || fail "--help is not German: $help"
wait $! || true

"$here/wine-run.sh" "$exe" >"$work/vemmick.log" 2>&1 & # app_pid: the program's own process
app_pid=$!
find_window 30
wait_title "^Vemmick 2  Größe: $START_GRID\$"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=""

# The installer's first page, in German: its title and its buttons.
"$here/wine-run.sh" "$setup" >/dev/null 2>&1 &
texts=$(run "$wintext" "Installation von Vemmick 2" | tr -d '\r') || fail "no German installer page appeared"
for text in "Abbrechen" "Vemmick 2 $(basename "$setup" | cut -d- -f2)"; do
    grep -qF "$text" <<<"$texts" || fail "the installer's page lacks '$text': $texts"
done
echo "1 passed, 0 failed"
