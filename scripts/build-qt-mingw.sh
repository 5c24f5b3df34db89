#!/usr/bin/env bash
# Builds Qt for 64-bit Windows with MinGW-w64 into PREFIX: qtbase alone, from Debian's own qt6-base
# source package with Debian's security fixes, so that the Linux and Windows builds use the same
# Qt. Host tools (moc, rcc, uic) come from Debian's qt6-base-dev-tools. About 15 minutes on two
# cores. Needs the packages that `scripts/install-deps.sh windows` installs, and root (or sudo)
# once to add a deb-src entry when apt has none.
#   scripts/build-qt-mingw.sh PREFIX
set -euo pipefail
prefix=$(realpath -m "$1")
here=$(cd "$(dirname "$0")" && pwd)
jobs=$(nproc)
work=$(mktemp -d "${TMPDIR:-/tmp}/vemmick-qt-mingw.XXXXXX")
trap 'rm -rf "$work"' EXIT
say() { echo "build-qt-mingw: $*" >&2; }

source "$here/debian-source.sh"

cd "$work"
say "fetching Debian's qt6-base source and Wine's headers"
debian_source qt6-base
# Debian's tarball leaves out the Wacom tablet headers that Qt's Windows platform includes; Wine's
# LGPL copies of them stand in. The package is unpacked here, not installed.
apt-get download libwine-dev >/dev/null
dpkg-deb -x libwine-dev_*.deb wine

tar xf qt6-base_*.orig.tar.xz
mkdir debian && tar xf qt6-base_*.debian.tar.xz -C debian
src=$(echo "$work"/qtbase-everywhere-src-*)
cd "$src"
# Debian's fixes of security faults; its other patches tune the Linux build.
grep -E '^cve-' "$work/debian/debian/patches/series" | while read -r patch; do
    say "applying $patch"
    patch -p1 -s <"$work/debian/debian/patches/$patch"
done
wine_headers=$work/wine/usr/include/wine/wine/windows
mkdir -p src/3rdparty/wintab
cp "$wine_headers/wintab.h" src/3rdparty/wintab/wine_wintab.h
cp "$wine_headers/pktdef.h" src/3rdparty/wintab/pktdef.h
cat >src/3rdparty/wintab/wintab.h <<'HEADER'
/* Wine's LGPL-2.1 wintab.h, with the macros that it expects of Wine's own headers. */
#ifndef VEMMICK_WINTAB_H
#define VEMMICK_WINTAB_H
#include <windows.h>
#ifndef API
#  define API WINAPI
#endif
#ifndef WINELIB_NAME_AW
#  ifdef UNICODE
#    define WINELIB_NAME_AW(func) func##W
#  else
#    define WINELIB_NAME_AW(func) func##A
#  endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#  define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#include "wine_wintab.h"
#endif
HEADER

# Only what a Widgets program needs, with Qt's own copies of the image and text libraries.
say "configuring"
mkdir "$work/build" && cd "$work/build"
staging=$prefix.partial
rm -rf "$staging"
nice -n 19 "$src/configure" \
    -prefix "$staging" -release -shared \
    -xplatform win32-g++ -qt-host-path /usr \
    -nomake tests -nomake examples \
    -no-opengl -no-dbus -no-icu \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-freetype -qt-harfbuzz -qt-doubleconversion \
    -accessibility \
    -no-feature-network -no-feature-sql -no-feature-printsupport \
    -no-feature-concurrent -no-feature-xml -no-feature-direct2d1_1 \
    -- -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-toolchain.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$work/configure.log" 2>&1 \
    || { tail -n 30 "$work/configure.log" >&2; exit 1; }
say "building with $jobs jobs (about 15 minutes on two cores)"
nice -n 19 cmake --build . --parallel "$jobs" >"$work/build.log" 2>&1 || { tail -n 30 "$work/build.log" >&2; exit 1; }
nice -n 19 cmake --install . >/dev/null

find "$staging" -type f \( -name '*.dll' -o -name '*.exe' \) -print0 | xargs -0 -r x86_64-w64-mingw32-strip --strip-unneeded
# The prefix can move: its toolchain file travels with it, found relative to Qt's own.
cp "$here/mingw-toolchain.cmake" "$staging/mingw-toolchain.cmake"
sed -i 's|set(__qt_initially_configured_toolchain_file ".*")|set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/../../../mingw-toolchain.cmake")|' \
    "$staging/lib/cmake/Qt6/qt.toolchain.cmake"
mkdir -p "$staging/LICENSES" && cp -a "$src/LICENSES/." "$staging/LICENSES/"
rm -rf "$staging/doc"
# Built in full or not at all: a prefix that exists is a finished one.
rm -rf "$prefix"
mv "$staging" "$prefix"
say "Qt for Windows is in $prefix"
