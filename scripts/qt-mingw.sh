#!/usr/bin/env bash
# Prints the folder of the Qt for Windows that the Windows build uses: QT_MINGW_PREFIX when set,
# else ../shared/qt6-mingw beside the checkout when present, else a copy built once (about 15
# minutes) into the user's cache by scripts/build-qt-mingw.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
usable() { [ -f "$1/lib/cmake/Qt6/qt.toolchain.cmake" ]; }

if [ -n "${QT_MINGW_PREFIX:-}" ]; then
    usable "$QT_MINGW_PREFIX" || { echo "QT_MINGW_PREFIX=$QT_MINGW_PREFIX holds no Qt for Windows" >&2; exit 1; }
    echo "$QT_MINGW_PREFIX"
    exit 0
fi
for candidate in "$root/../shared/qt6-mingw" "${XDG_CACHE_HOME:-$HOME/.cache}/vemmick/qt6-mingw-6.4.2"; do
    if usable "$candidate"; then
        (cd "$candidate" && pwd)
        exit 0
    fi
done
echo "No Qt for Windows found; building one into $candidate" >&2
"$root/scripts/build-qt-mingw.sh" "$candidate" >&2
echo "$candidate"
