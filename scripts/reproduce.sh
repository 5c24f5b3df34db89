#!/usr/bin/env bash
# Rebuilds the releases as a packager checks them: two clean clones of this checkout's HEAD at two
# different paths, each built from scratch with `make package` and `make windows`, one after the
# other; then compares the checksums that the builds wrote. Exits 1 when any release differs. Not
# part of `make test`: it makes four full builds (about five minutes on two cores). With ARCHES
# (as "arm64 s390x"), each clone also packs for those architectures (`make package ARCH=...`, as
# root), two more builds each.
#   [ARCHES=...] scripts/reproduce.sh [DIR]      DIR (default: a new temporary folder) holds the clones
set -euo pipefail
checkout=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:-$(mktemp -d)}
# Both builds take the same Qt for Windows: the one this checkout would take.
QT_MINGW_PREFIX=$("$checkout/scripts/qt-mingw.sh")
export QT_MINGW_PREFIX

sums=()
for clone in "$dir/first/vemmick" "$dir/second/elsewhere/vemmick-rebuilt"; do
    rm -rf "$clone"
    git clone -q "$checkout" "$clone"
    echo "building in $clone ($(date -u +%H:%M:%S))"
    make -C "$clone" package windows >"$clone.log" 2>&1 || { echo "error: the build failed; see $clone.log" >&2; exit 1; }
    for arch in ${ARCHES:-}; do
        make -C "$clone" package ARCH="$arch" >>"$clone.log" 2>&1 || { echo "error: the $arch build failed; see $clone.log" >&2; exit 1; }
    done
    sums+=("$clone.sums")
    cat "$clone/build-release/SHA256SUMS" "$clone/build-windows/SHA256SUMS" \
        $(for arch in ${ARCHES:-}; do echo "$clone/build-release-$arch/SHA256SUMS"; done) | tee "$clone.sums"
done
if cmp -s "${sums[0]}" "${sums[1]}"; then
    echo "the same bytes from both clones"
else
    diff "${sums[@]}" >&2 || true
    echo "error: the clones' releases differ" >&2
    exit 1
fi
