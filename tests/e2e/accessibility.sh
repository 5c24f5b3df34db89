#!/usr/bin/env bash
# Starts the real program under Xvfb on a private session bus with the accessibility bus running,
# then reads and drives it through AT-SPI as a screen reader does (accessibility.py).
set -euo pipefail
vemmick=$1
source "$(dirname "$0")/../skip.sh"
need dbus-run-session Xvfb xdotool /usr/libexec/at-spi-bus-launcher
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: pyatspi is not installed for /usr/bin/python3"; exit 77; }
if [ -z "${VEMMICK_OWN_BUS:-}" ]; then
    exec env VEMMICK_OWN_BUS=1 dbus-run-session -- "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-session.sh"
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/bus.log" &
stop_pids+=($!)

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$vemmick" 2>"$work/vemmick.log" &
app_pid=$!
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$here/../../scripts/drive.sh"
find_window
xdotool windowfocus "$win"
VEMMICK_START_GRID=$START_GRID timeout $((60 * PATIENCE)) /usr/bin/python3 "$here/accessibility.py"
