#!/usr/bin/env bash
# Makes, once, the Debian 12 root that builds Vemmick 2 for other architectures, and adds to it what
# each architecture asked for needs: its cross compiler and Qt, giflib and GoogleTest of that
# architecture, beside the build machine's own tools (CMake, Ninja, moc, rcc, lrelease, qemu).
#
# The root takes its packages from Debian 12's point release alone, without its updates and security
# fixes: a point release is built for every architecture at once, so every architecture of the root
# has the same version of every package shared between them (multiarch needs that), where the
# security archive can hold a newer libc6 for amd64 than for s390x for a day.
#   scripts/cross-root.sh ARCH...     as root; prints the root's path. ARCH: arm64 armhf i386 s390x
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=${XDG_CACHE_HOME:-$HOME/.cache}/vemmick/debian-12-cross
tools=cmake,ninja-build,make,g++,pkg-config,python3,file,dpkg-dev,qt6-base-dev,qt6-l10n-tools,qemu-user-static
if [ ! -e "$root.ready" ]; then
    "$here/debian-root.sh" 12 "$root" "$tools" minbase >&2
    echo "deb http://deb.debian.org/debian bookworm main" >"$root/etc/apt/sources.list"
    touch "$root.ready"
fi
for arch in "$@"; do
    [ -e "$root.$arch.ready" ] && continue
    chroot "$root" dpkg --add-architecture "$arch"
    chroot "$root" apt-get update -qq >&2
    # GoogleTest's headers and libraries of the architecture; giflib's; Qt's, with what the tests load.
    chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "crossbuild-essential-$arch" "qt6-base-dev:$arch" "libgif-dev:$arch" "libgtest-dev:$arch" "libgmock-dev:$arch" \
        "qt6-wayland:$arch" "libqt6test6:$arch" fonts-dejavu-core >&2
    touch "$root.$arch.ready"
done
echo "$root"
