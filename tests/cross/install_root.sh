#!/usr/bin/env bash
# The package of another architecture passes lintian, installs with apt into a fresh Debian 12 root of that
# architecture, which brings in what it depends on, and the program it installed starts there and
# shows its window on this machine's display.
#   install_root.sh ARCH RELEASE_DIR      as root (debootstrap, chroot, mounts)
set -euo pipefail
# The root's programs find their libraries in the root itself, not in the cross-building one.
unset QEMU_LD_PREFIX QT_PLUGIN_PATH
arch=$1
deb=$(ls "$2"/vemmick_*_"$arch".deb)
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$here/../../scripts/xvfb-session.sh"
source "$here/../../scripts/drive.sh"
# Every error and warning of lintian counts, but for those that only a real maintainer address removes.
tags=$(lintian --pedantic "$deb" 2>/dev/null | grep -E '^[EW]: ' | grep -vE 'maintainer-address|bogus-mail-host|mail-address' || true)
[ -z "$tags" ] || fail "lintian: $tags"
root=$(mktemp -d /var/tmp/vemmick-$arch-root.XXXXXX)
mounts=()
cleanup() {
    [ -z "$app_pid" ] || { kill "$app_pid"; wait "$app_pid" || true; app_pid=""; } 2>/dev/null
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" || umount -l "${mounts[i]}"; done
    rm -rf --one-file-system "$root" "$root.debootstrap.log"
    session_cleanup
}
trap cleanup EXIT
"$here/../../scripts/debian-root.sh" 12 "$root" "" minbase "$arch"
for dir in /proc /tmp/.X11-unix; do
    mkdir -p "$root$dir" && mount --bind "$dir" "$root$dir" && mounts+=("$root$dir")
done
cp "$deb" "$root/tmp/"
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
in_root apt-get update -qq || fail "apt-get update in the $arch root"
in_root apt-get install -y -qq --no-install-recommends "/tmp/$(basename "$deb")" >"$work/apt.log" 2>&1 \
    || fail "apt cannot install the package: $(tail -5 "$work/apt.log")"
chroot "$root" /usr/bin/env -i DISPLAY="$DISPLAY" ${QT_XCB_NO_MITSHM:+QT_XCB_NO_MITSHM=1} vemmick 2>"$work/vemmick.log" &
app_pid=$!
find_window 120
wait_title "^Vemmick 2  Size: $START_GRID\$"
echo "1 passed, 0 failed"
