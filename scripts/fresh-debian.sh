#!/usr/bin/env bash
# Meets `make run` as a newcomer does: makes a fresh Debian root of RELEASE (12 or 13) with
# debootstrap (git, make and ca-certificates added, nothing else; scripts/debian-root.sh), clones
# this checkout into it, runs `make run`'s set-up and its Release build there, and reports the
# packages and disk space that the set-up added and the time each part took. Not part of
# `make test`: it downloads a whole system (the first time for a release).
#   scripts/fresh-debian.sh RELEASE [DIR]   as root; DIR (default /var/tmp/vemmick-fresh-RELEASE) is made anew
set -euo pipefail
release=${1:?the Debian release: 12 or 13}
root=${2:-/var/tmp/vemmick-fresh-$release}
checkout=$(cd "$(dirname "$0")/.." && pwd)
[ "$(id -u)" -eq 0 ] || { echo "error: debootstrap and chroot need root" >&2; exit 1; }

unmount() { for m in dev/pts dev proc; do umount "$root/$m" 2>/dev/null || true; done; }
trap unmount EXIT
unmount
seconds() { date +%s; }

start=$(seconds)
"$checkout/scripts/debian-root.sh" "$release" "$root" git,make,ca-certificates
mount -t proc proc "$root/proc"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
git clone -q "$checkout" "$root/root/vemmick"
made=$(seconds)

in_root() { chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 bash -c "$1"; }
packages() { in_root "dpkg-query -W -f='\${Status}\n' | grep -c 'install ok installed'"; }
used_mb() { in_root "df -m --output=used / | tail -n 1"; }
# The space the packages take as dpkg counts it, in MB.
installed_mb() { in_root "dpkg-query -W -f='\${Installed-Size}\n' | awk '{s += \$1} END {printf \"%d\", s / 1024}'"; }

packages_before=$(packages)
installed_before=$(installed_mb)
in_root "cd /root/vemmick && ./scripts/install-deps.sh run" | tee "$root.install.log"
installed=$(seconds)
packages_after=$(packages)
installed_after=$(installed_mb)
in_root "cd /root/vemmick && make build-release" >"$root.build.log" 2>&1 \
    || { echo "error: the build failed; see $root.build.log" >&2; exit 1; }
built=$(seconds)
[ -x "$root/root/vemmick/build-release/app/vemmick" ] || { echo "error: no program was built" >&2; exit 1; }
version=$(in_root "/root/vemmick/build-release/app/vemmick --version")

echo "fresh Debian $release root: $packages_before packages, $installed_before MB, made in $((made - start)) s"
echo "make run's set-up: $((packages_after - packages_before)) packages, $((installed_after - installed_before)) MB installed, in $((installed - made)) s"
echo "make run's build: $((built - installed)) s, giving '$version', with $(grep -c 'warning:' "$root.build.log" || true) compiler warnings (in $root.build.log)"
