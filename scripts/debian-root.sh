#!/usr/bin/env bash
# Makes DIR a new Debian root of RELEASE (12, bookworm, or 13, trixie) with debootstrap: its
# VARIANT of the base system (default: debootstrap's own), the packages of INCLUDE added, and apt's
# sources for the release, its updates and its security fixes. What debootstrap downloads is kept
# in the user's cache, one tarball per release and package set, so that the next root of the same
# kind is made without downloading anything. ARCH makes a root of another architecture (its programs
# run through binfmt_misc: scripts/binfmt.sh).
#   scripts/debian-root.sh RELEASE DIR [INCLUDE [VARIANT [ARCH]]]     as root; INCLUDE: comma-separated
set -euo pipefail
release=$1 root=$2 include=${3:-} variant=${4:-} arch=${5:-}
case $release in
12) codename=bookworm ;;
13) codename=trixie ;;
*) echo "error: release 12 or 13, not '$release'" >&2; exit 2 ;;
esac
mirror=http://deb.debian.org/debian
[ "$(id -u)" -eq 0 ] || { echo "error: debootstrap needs root" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "error: needs debootstrap (apt-get install debootstrap)" >&2; exit 1; }
options=(${include:+--include=$include} ${variant:+--variant=$variant} ${arch:+--arch=$arch})

cache=${XDG_CACHE_HOME:-$HOME/.cache}/vemmick
tarball=$cache/debian-$codename-$(echo "${options[*]}" | sha256sum | cut -c1-12).tgz
mkdir -p "$cache"
if [ ! -s "$tarball" ]; then
    scratch=$(mktemp -d)
    debootstrap "${options[@]}" --make-tarball="$tarball.partial" "$codename" "$scratch" "$mirror" >"$tarball.log" 2>&1 \
        || { rm -rf "$scratch"; echo "error: debootstrap could not fetch $codename; see $tarball.log" >&2; exit 1; }
    rm -rf "$scratch"
    mv "$tarball.partial" "$tarball"
fi
# A root that a run left with the host's folders mounted in it loses them first: never the host's files.
if [ -d "$root" ]; then
    { grep -oE " $root/[^ ]+" /proc/mounts || true; } | sort -r | xargs -r -n 1 umount
    rm -rf --one-file-system "$root"
fi
debootstrap "${options[@]}" --unpack-tarball="$tarball" "$codename" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 \
    || { echo "error: debootstrap failed; see $root.debootstrap.log" >&2; exit 1; }
security="$codename-security"
cat >"$root/etc/apt/sources.list" <<SOURCES
deb $mirror $codename main
deb $mirror $codename-updates main
deb http://deb.debian.org/debian-security $security main
SOURCES
