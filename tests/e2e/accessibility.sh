#!/usr/bin/env bash
# Starts the real program under Xvfb on a private session bus with the accessibility bus running,
# then reads and drives it through AT-SPI as a screen reader does (accessibility.py).
set -euo pipefail
vemmick=$1
if [ -z "${VEMMICK_OWN_BUS:-}" ]; then
    exec env VEMMICK_OWN_BUS=1 dbus-run-session -- "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-session.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/bus.log" &
bus_pid=$!
trap 'kill "$bus_pid" 2>/dev/null || true; xvfb_cleanup' EXIT

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$vemmick" 2>"$work/vemmick.log" &
app_pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vemmick 2' | head -n1) || { echo "FAIL: no window" >&2; exit 1; }
xdotool windowfocus "$win"
timeout 60 /usr/bin/python3 "$here/accessibility.py"
