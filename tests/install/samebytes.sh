#!/usr/bin/env bash
# A release is the same bytes whenever it is packed: packs it, makes the build's program newer, packs
# it again a second later, and compares. No file of the release may name the checkout's folder.
#   samebytes.sh deb|windows BUILD SOURCE PROGRAM
set -euo pipefail
kind=$1 build=$2 source=$3 program=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../skip.sh"
need cmake
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

case $kind in
deb)
    need cpack dpkg-deb
    pack() { (cd "$build" && cpack -G DEB -B "$1" >/dev/null) && rm -rf "$1/_CPack_Packages"; } ;;
windows)
    pack() {
        cmake --build "$build" --target windows_release >/dev/null
        mkdir -p "$1" && cp "$build"/vemmick-*.zip "$build"/vemmick-*-setup.exe "$build"/SHA256SUMS "$1"
    } ;;
*) fail "no such kind: $kind" ;;
esac
pack "$work/first"
sleep 1
touch "$program"
pack "$work/second"
changed=""
for file in "$work"/first/*; do
    cmp -s "$file" "$work/second/${file##*/}" || changed+=" ${file##*/}"
    echo "${file##*/}: $(sha256sum <"$file" | cut -c1-16)"
done
[ -z "$changed" ] || fail "changed when packed again a second later:$changed"

# What the files hold, unpacked, must name neither the checkout nor the build folder.
mkdir "$work/contents"
for file in "$work"/first/*; do
    case $file in
    *.deb) dpkg-deb -R "$file" "$work/contents/deb" ;;
    *.zip) (cd "$work/contents" && cmake -E tar xf "$file") ;;
    esac
done
named=$(grep -rl --binary-files=text -F -e "$(realpath "$source")" -e "$(realpath "$build")" "$work/contents" || true)
[ -z "$named" ] || fail "these files name the build's folders: $named"
echo "1 passed, 0 failed"
