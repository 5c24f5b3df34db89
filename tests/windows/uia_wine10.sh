#!/usr/bin/env bash
# The Windows release read through UI Automation as a Windows screen reader reads it, under Wine 10:
# runs uia.sh in a Debian 13 root that has Wine 10, Xvfb and xdotool, made once with debootstrap
# (scripts/debian-root.sh) and kept in the user's cache; the checkout and the build are mounted
# into it at their own paths.
#   uia_wine10.sh RELEASE.zip UIAREAD.exe     as root (chroot and mounts)
set -euo pipefail
zip=$(realpath "$1")
uiaread=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
checkout=$(cd "$here/../.." && pwd)
build=$(cd "$(dirname "$zip")" && pwd)
source "$here/../skip.sh"
need debootstrap chroot mount
[ "$(id -u)" -eq 0 ] || { echo "SKIP: needs root for its Debian 13 root (chroot, mounts)"; exit 77; }

root=${XDG_CACHE_HOME:-$HOME/.cache}/vemmick/debian-13-wine10
if [ ! -e "$root.ready" ]; then
    echo "making the Debian 13 root with Wine 10 in $root (once)"
    started=$(date +%s)
    "$checkout/scripts/debian-root.sh" 13 "$root" wine,wine64,xvfb,xauth,xdotool,unzip minbase
    touch "$root.ready"
    echo "made in $(($(date +%s) - started)) s: $(du -sm "$root" | cut -f1) MB"
fi

mounts=()
unmount() { for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" 2>/dev/null || true; done; }
trap unmount EXIT
bind() { # HOST_PATH: at the same path inside the root
    mkdir -p "$root$1"
    mount --bind "$1" "$root$1"
    mounts+=("$root$1")
}
mkdir -p "$root/proc"
mount -t proc proc "$root/proc"
mounts+=("$root/proc")
bind /dev
bind /dev/pts
bind "$checkout"
[ "${build#"$checkout"/}" != "$build" ] || bind "$build" # a build folder outside the checkout
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    VEMMICK_DESIGN_POINTS="$build/design-points.sh" bash "$here/uia.sh" "$zip" "$uiaread"
