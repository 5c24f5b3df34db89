#!/usr/bin/env bash
# Lets this machine run the programs of another architecture of Debian through qemu-user, as if
# they were its own (binfmt_misc, the interpreter held open: it works inside a chroot too); the
# libraries come from the folder that QEMU_LD_PREFIX names, else from /.
#   scripts/binfmt.sh on|off ARCH      as root; ARCH: arm64, armhf, i386 or s390x
# i386 runs on an amd64 processor by itself, but only with its libraries where its programs look;
# here it runs under qemu too, for as long as it is on.
set -euo pipefail
action=$1 arch=$2
case $arch in
arm64) name=qemu-aarch64 ;;
armhf) name=qemu-arm ;;
s390x) name=qemu-s390x ;;
i386) name=qemu-i386 ;;
*) echo "error: arm64, armhf, i386 or s390x, not '$arch'" >&2; exit 2 ;;
esac
misc=/proc/sys/fs/binfmt_misc
[ -e "$misc/register" ] || mount -t binfmt_misc binfmt_misc "$misc"
case $action in
on)
    [ -e "$misc/$name" ] && exit 0
    if [ "$arch" = i386 ]; then
        # ELF, 32 bits, little-endian, an executable or a shared object, for the 386.
        line=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
        line+=':\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:OCF'
    else
        line=$(grep -v '^#' "/usr/lib/binfmt.d/$name.conf")
    fi
    echo "$line" >"$misc/register"
    ;;
off) [ ! -e "$misc/$name" ] || echo -1 >"$misc/$name" ;;
esac
