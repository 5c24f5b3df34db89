#!/usr/bin/env bash
# Installs the program into a scratch prefix and packs it as a .deb; checks the desktop entry, the
# package's contents, and that the packed binary starts in Xvfb with the expected title.
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../../scripts/xvfb-session.sh"

expected=(
    usr/bin/vemmick
    usr/share/applications/vemmick.desktop
    usr/share/icons/hicolor/16x16/apps/vemmick.png
    usr/share/icons/hicolor/32x32/apps/vemmick.png
    usr/share/icons/hicolor/48x48/apps/vemmick.png
    usr/share/icons/hicolor/256x256/apps/vemmick.png
)

cmake --install "$build" --prefix "$work/prefix/usr" >/dev/null
for f in "${expected[@]}"; do [ -f "$work/prefix/$f" ] || fail "cmake --install did not put $f"; done
desktop-file-validate "$work/prefix/usr/share/applications/vemmick.desktop" || fail "desktop entry"
grep -qx 'Name=Vemmick 2' "$work/prefix/usr/share/applications/vemmick.desktop" || fail "desktop entry name"

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null) || fail "cpack"
deb=$(ls "$work"/pkg/vemmick_*.deb)
listing=$(dpkg-deb -c "$deb")
for f in "${expected[@]}"; do grep -q "\./$f\$" <<<"$listing" || fail "the package lacks $f"; done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt's widgets"

dpkg-deb -x "$deb" "$work/root"
"$work/root/usr/bin/vemmick" 2>/dev/null &
app_pid=$!
timeout 20 xdotool search --sync --onlyvisible --name '^Vemmick 2  Size: 188 x 127$' >/dev/null || fail "no window with the expected title"

# Without a display the program says so and exits with status 1.
set +e
message=$(env -u DISPLAY "$work/root/usr/bin/vemmick" 2>&1)
status=$?
set -e
[ "$status" -eq 1 ] || fail "without a display the exit status is $status"
grep -q 'graphical display' <<<"$message" || fail "without a display it says '$message'"
echo "1 passed, 0 failed"
