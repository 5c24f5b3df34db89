#!/usr/bin/env bash
# Builds giflib for 64-bit Windows with MinGW-w64 into PREFIX (include/gif_lib.h, lib/libgif.a),
# from Debian's own giflib source package with Debian's fixes, so that the Linux and Windows builds
# encode GIF files with the same library. A few seconds. Needs the packages that
# `scripts/install-deps.sh windows` installs, and root (or sudo) once to add a deb-src entry when
# apt has none.
#   scripts/build-giflib-mingw.sh PREFIX
set -euo pipefail
prefix=$(realpath -m "$1")
work=$(mktemp -d "${TMPDIR:-/tmp}/vemmick-giflib-mingw.XXXXXX")
trap 'rm -rf "$work"' EXIT
say() { echo "build-giflib-mingw: $*" >&2; }

source "$(dirname "$0")/debian-source.sh"

cd "$work"
say "fetching Debian's giflib source"
debian_source giflib
dpkg-source --no-check -x giflib_*.dsc src >/dev/null
cd src
# The library's own sources, as its Makefile lists them; the tools are not needed.
sources=(dgif_lib.c egif_lib.c gifalloc.c gif_err.c gif_font.c gif_hash.c openbsd-reallocarray.c quantize.c)
objects=()
for source in "${sources[@]}"; do
    [ -f "$source" ] || continue
    x86_64-w64-mingw32-gcc-posix -O2 -Wall -c "$source" -o "${source%.c}.o"
    objects+=("${source%.c}.o")
done
mkdir -p "$prefix/include" "$prefix/lib" "$prefix/share/licenses/giflib"
rm -f "$prefix/lib/libgif.a"
x86_64-w64-mingw32-ar rcs "$prefix/lib/libgif.a" "${objects[@]}"
cp gif_lib.h "$prefix/include/"
cp COPYING "$prefix/share/licenses/giflib/COPYING"
say "giflib for Windows in $prefix"
