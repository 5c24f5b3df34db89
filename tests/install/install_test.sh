#!/usr/bin/env bash
# Installs the program into a scratch prefix and packs it as a .deb; checks the desktop entry, the
# AppStream data, the package's contents and lintian's verdict on it, the command line, and that
# the packed binary starts in Xvfb with the expected title or names a display it cannot open.
set -euo pipefail
build=$1
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../skip.sh"
need desktop-file-validate dpkg-deb lintian appstreamcli cpack Xvfb xdotool
source "$(dirname "$0")/../../scripts/xvfb-session.sh"

id=io.github.vemmick.vemmick
expected=(
    usr/bin/vemmick
    "usr/share/applications/$id.desktop"
    "usr/share/metainfo/$id.metainfo.xml"
    usr/share/icons/hicolor/scalable/apps/vemmick.svg
    usr/share/man/man1/vemmick.1.gz
    usr/share/doc/vemmick/copyright
    usr/share/doc/vemmick/changelog.gz
)
for size in 16 22 24 32 48 64 128 256; do expected+=("usr/share/icons/hicolor/${size}x${size}/apps/vemmick.png"); done

cmake --install "$build" --prefix "$work/prefix/usr" >/dev/null
for f in "${expected[@]}"; do [ -f "$work/prefix/$f" ] || fail "cmake --install did not put $f"; done
hints=$(desktop-file-validate "$work/prefix/usr/share/applications/$id.desktop" 2>&1) || fail "desktop entry: $hints"
[ -z "$hints" ] || fail "desktop-file-validate: $hints"
grep -qx 'Name=Vemmick 2' "$work/prefix/usr/share/applications/$id.desktop" || fail "desktop entry name"
grep -qx 'StartupWMClass=vemmick' "$work/prefix/usr/share/applications/$id.desktop" || fail "desktop entry's window class"
appstreamcli validate --no-net "$work/prefix/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" 2>&1 \
    || fail "appstreamcli: $(cat "$work/appstream.log")"
grep -E '^[0-9]+\.[0-9]+\.[0-9]+ \(' "$(dirname "$0")/../../CHANGELOG" | tr -d '()' | while read -r release date; do
    grep -q "<release version=\"$release\" date=\"$date\">" "$work/prefix/usr/share/metainfo/$id.metainfo.xml" \
        || fail "the AppStream data lacks release $release of the changelog"
done

(cd "$build" && cpack -G DEB -B "$work/pkg" >/dev/null) || fail "cpack"
deb=$(ls "$work"/pkg/vemmick_*.deb)
listing=$(dpkg-deb -c "$deb")
for f in "${expected[@]}"; do grep -q "\./$f\$" <<<"$listing" || fail "the package lacks $f"; done
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt's widgets"
dpkg-deb -f "$deb" Depends | grep -q libgif7 || fail "the package does not depend on giflib"
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-wayland, qt6-gtk-platformtheme | plasma-integration, qt6-translations-l10n" ] \
    || fail "the package recommends '$(dpkg-deb -f "$deb" Recommends)'"

# Every error and warning counts, but for those that only a real maintainer address removes.
lintian --pedantic -I "$deb" >"$work/lintian.log" 2>/dev/null || true
tags=$(grep -E '^[EW]: ' "$work/lintian.log" | grep -vE 'maintainer-address|bogus-mail-host|mail-address' || true)
[ -z "$tags" ] || fail "lintian: $tags"

dpkg-deb -x "$deb" "$work/root"
vemmick=$work/root/usr/bin/vemmick
[ "$("$vemmick" --version)" = "vemmick $version" ] || fail "--version says '$("$vemmick" --version)'"
"$vemmick" --help | grep -q -- '--version' || fail "--help does not list --version"
set +e
message=$("$vemmick" --frobnicate 2>&1)
status=$?
set -e
[ "$status" -eq 2 ] && [ "$(wc -l <<<"$message")" -eq 1 ] || fail "an unknown option gives status $status and '$message'"

"$vemmick" 2>/dev/null &
app_pid=$!
source "$(dirname "$0")/../../scripts/drive.sh"
find_window
[ "$(title)" = "Vemmick 2  Size: $START_GRID" ] || fail "the packed program's title is '$(title)'"

# Without a display, or with one that does not answer, the program says so and exits with status 1.
for display in "" ":55"; do
    set +e
    message=$(env -u WAYLAND_DISPLAY DISPLAY="$display" "$vemmick" 2>&1)
    status=$?
    set -e
    [ "$status" -eq 1 ] || fail "with DISPLAY='$display' the exit status is $status: $message"
    [ "$(wc -l <<<"$message")" -eq 1 ] || fail "with DISPLAY='$display' it says more than one line: $message"
    grep -q "display" <<<"$message" && grep -q -- "$display" <<<"$message" || fail "with DISPLAY='$display' it says '$message'"
done
echo "1 passed, 0 failed"
