#!/usr/bin/env bash
# Installs, through apt-get, whatever the build, the tests and the program need and is missing.
# Does nothing when everything is already there.
set -euo pipefail

packages=(
    cmake g++ make ninja-build pkg-config
    qt6-base-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick x11-utils
    desktop-file-utils dpkg-dev file lintian appstream
    weston qt6-wayland
    at-spi2-core python3-pyatspi python3-gi dbus-daemon
    fonts-dejavu-core
    g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 fonts-wine nsis googletest
    patch xz-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
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
if ! "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    echo "error: apt-get install failed for: ${missing[*]}" >&2
    exit 1
fi
