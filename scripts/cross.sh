#!/usr/bin/env bash
# Vemmick 2 for another architecture of Debian: built in the cross root (scripts/cross-root.sh) by
# its cross compiler, then packed or tested. The tests run on this machine, each program of the
# architecture under qemu-user (scripts/binfmt.sh) with its libraries from the root.
#   scripts/cross.sh package ARCH    build-release-ARCH/vemmick_<version>_ARCH.deb and its SHA256SUMS
#   scripts/cross.sh test ARCH       the package, then build-ARCH and its suite (but for what needs
#                                    amd64), with the package installed into a fresh root of ARCH
# as root (chroot, mounts, binfmt_misc); ARCH: arm64, armhf, i386 or s390x. JOBS: parallel jobs.
set -euo pipefail
action=$1 arch=$2 jobs=${JOBS:-$(nproc)}
here=$(cd "$(dirname "$0")" && pwd)
checkout=$(cd "$here/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "error: $0 needs root (chroot, mounts, binfmt_misc)" >&2; exit 1; }
root=$("$here/cross-root.sh" "$arch")
"$here/binfmt.sh" on "$arch"

mounts=()
unmount() { for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do umount "${mounts[i]}" 2>/dev/null || true; done; }
# i386 goes back to running natively, where its programs find their libraries.
trap 'unmount; [ "$arch" != i386 ] || "$here/binfmt.sh" off i386' EXIT
for dir in /proc /dev "$checkout"; do
    mkdir -p "$root$dir"
    mount --bind "$dir" "$root$dir"
    mounts+=("$root$dir")
done
in_root() { chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
configure() { # DIR BUILD_TYPE OPTIONS...
    in_root cmake -S "$checkout" -B "$checkout/$1" -G Ninja -DCMAKE_BUILD_TYPE="$2" -DVEMMICK_BENCH=OFF \
        -DVEMMICK_ARCH="$arch" -DCMAKE_TOOLCHAIN_FILE="$checkout/scripts/cross-toolchain.cmake" "${@:3}"
    in_root cmake --build "$checkout/$1" -j "$jobs"
}

configure "build-release-$arch" Release -DVEMMICK_TESTS=OFF
in_root sh -c "cd '$checkout/build-release-$arch' && rm -f vemmick_*.deb && cpack -G DEB >/dev/null && cmake -E sha256sum vemmick_*.deb >SHA256SUMS"
[ "$action" = package ] && { cat "$checkout/build-release-$arch/SHA256SUMS"; exit 0; }

# The suite compares what the architecture saves with what this machine's build saves.
cmake --build "$checkout/build" --target keepfiles >/dev/null
configure "build-$arch" RelWithDebInfo -DVEMMICK_REFERENCE_BUILD="$checkout/build"
started=$(date +%s)
# Qt passes its shared-memory images to the X server as file descriptors, which qemu-user for s390x
# cannot: the window is drawn over the X connection instead there.
[ "$arch" != s390x ] || export QT_XCB_NO_MITSHM=1
# qemu finds the root's files where a program asks for its own; Qt's plugins it is told of. The
# scripted tests wait that many times longer for a program that runs so many times slower, as
# their time limits allow (tests/CMakeLists.txt).
export VEMMICK_PATIENCE=8
export QEMU_LD_PREFIX=$root
export QT_PLUGIN_PATH=$root/usr/lib/$(in_root dpkg-architecture -a"$arch" -qDEB_HOST_MULTIARCH 2>/dev/null)/qt6/plugins
"$here/ctest-all.sh" "$checkout/build-$arch" "$jobs"
echo "$arch: the suite took $(($(date +%s) - started)) s under qemu-user"
