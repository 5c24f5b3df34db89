#!/usr/bin/env bash
# Installs through apt-get what a purpose of the project needs and is missing, and nothing else;
# does nothing when all of it is there.
#   scripts/install-deps.sh PURPOSE      run | test | bench | package | windows | cross
set -euo pipefail

# One list a need; no package is in two lists.
# Building the program and running it; Qt's translation tools compile the program's languages.
build=(cmake g++ make ninja-build pkg-config python3 qt6-base-dev libgl-dev libgif-dev qt6-l10n-tools)
# The benchmarks.
bench=(libbenchmark-dev)
# The Debian package: its dependencies found by dpkg-shlibdeps.
package=(dpkg-dev file)
# The Windows release, cross-compiled: compilers, resources, the installer; a Qt for Windows built
# from Debian's source when none is at hand (scripts/build-qt-mingw.sh); Qt's own translations,
# which the release ships.
windows=(g++-mingw-w64-x86-64-posix mingw-w64-tools nsis patch xz-utils qt6-translations-l10n)
# The Linux tests: unit and GUI tests, the real program in Xvfb and under weston, a screen reader's
# view and Orca's speech, the package's checks.
tests=(libgtest-dev libgmock-dev
       xvfb xauth xdotool xclip imagemagick x11-utils x11-xserver-utils fonts-dejavu-core
       weston qt6-wayland
       at-spi2-core python3-pyatspi python3-gi dbus-daemon orca
       desktop-file-utils lintian appstream)
# Running the Windows build's tests: Wine, GoogleTest's source for the cross-compiled tests,
# the German locale's source, for a German Windows desktop (debootstrap, of the cross list, makes the
# Debian 13 root whose Wine 10 reads the program through UI Automation).
wine=(wine wine64 fonts-wine googletest locales)

# Building for other architectures of Debian in a root of their own, and running their programs.
cross=(debootstrap qemu-user-static)

purpose=${1:-}
case $purpose in
run) packages=("${build[@]}") what="building and running the program" ;;
bench) packages=("${build[@]}" "${bench[@]}") what="the benchmarks" ;;
package) packages=("${build[@]}" "${package[@]}") what="the Debian package" ;;
windows) packages=("${build[@]}" "${windows[@]}" dpkg-dev) what="the Windows build" ;; # dpkg-source unpacks giflib
cross) packages=("${cross[@]}") what="builds for other architectures" ;;
test) packages=("${build[@]}" "${bench[@]}" "${package[@]}" "${windows[@]}" "${tests[@]}" "${wine[@]}" "${cross[@]}")
      what="the tests, on Linux and under Wine" ;;
*)
    echo "usage: $0 run|test|bench|package|windows|cross" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    sudo=()
elif command -v sudo >/dev/null 2>&1; then
    sudo=(sudo)
else
    echo "error: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
    exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! "${sudo[@]}" apt-get update -qq; then
    echo "error: apt-get update failed; cannot install: ${missing[*]}" >&2
    exit 1
fi
# apt's own figures of what the install adds, in one line before it starts.
plan=$("${sudo[@]}" apt-get install --assume-no --no-install-recommends "${missing[@]}" 2>/dev/null || true)
count=$(grep -oE '[0-9]+ newly installed' <<<"$plan" | grep -oE '^[0-9]+' || echo "${#missing[@]}")
space=$(sed -nE 's/^After this operation, (.*) of additional disk space will be used.*/\1/p' <<<"$plan")
echo "Installing for $what: $count packages, ${space:-of unknown size}"
if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    echo "error: apt-get install failed for: ${missing[*]}" >&2
    exit 1
fi
