#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly, with the folders of VEMMICK_WINE_DLLS (a colon-separated
# list) searched for its DLLs, in the prefix WINEPREFIX that the caller made.
#   wine-run.sh PROGRAM.exe ARGS...
set -euo pipefail
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -n "${VEMMICK_WINE_DLLS:-}" ]; then
    path=""
    IFS=: read -ra dirs <<<"$VEMMICK_WINE_DLLS"
    for dir in "${dirs[@]}"; do path+="${path:+;}Z:${dir//\//\\}"; done
    export WINEPATH=$path
fi
exec wine "$@"
