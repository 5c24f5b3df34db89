#!/usr/bin/env bash
# Makes a fresh Wine prefix for one run of the tests, or removes it with everything running in it.
#   wine-prefix.sh make|remove DIR
set -euo pipefail
action=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
case $action in
make)
    [ -d "$WINEPREFIX" ] && { wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"; }
    # No display: the prefix needs none, and a window of Wine's own would wait for one.
    env -u DISPLAY wineboot --init >/dev/null 2>&1
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || { echo "FAIL: no prefix in $WINEPREFIX" >&2; exit 1; }
    ;;
remove)
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    ;;
esac
