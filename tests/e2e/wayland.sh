#!/usr/bin/env bash
# Starts vemmick natively on Wayland, under weston's headless backend, and checks on a screenshot
# of the output that its window appeared with the drawing area in colour two.
set -euo pipefail
vemmick=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../skip.sh"
need weston weston-screenshooter convert
source "$(dirname "$0")/../../scripts/session.sh"
source "$(dirname "$0")/../../scripts/drive.sh"

export XDG_RUNTIME_DIR=$work
unset DISPLAY QT_QPA_PLATFORM
weston --backend=headless-backend.so --use-pixman --debug --socket=wl-test --width=1000 --height=700 \
    >"$work/weston.log" 2>&1 &
stop_pids+=($!)
for _ in $(tries 100); do [ -S "$work/wl-test" ] && break; sleep 0.05; done
[ -S "$work/wl-test" ] || fail "weston did not start: $(tail -n 3 "$work/weston.log")"
export WAYLAND_DISPLAY=wl-test

QT_QPA_PLATFORM=wayland "$vemmick" >"$work/vemmick.log" 2>&1 &
app_pid=$!
# The drawing area's inner pixels are all colour two: count them on the whole output.
for _ in $(tries 16); do
    sleep 0.5
    kill -0 "$app_pid" 2>/dev/null || fail "vemmick ended: $(cat "$work/vemmick.log")"
    (cd "$work" && rm -f wayland-screenshot-*.png && weston-screenshooter >/dev/null 2>&1) || continue
    shot=$(ls "$work"/wayland-screenshot-*.png 2>/dev/null | head -n1)
    [ -n "$shot" ] || continue
    purple=$(convert "$shot" -fill black +opaque '#8B00AE' -fill white -opaque '#8B00AE' -format '%[fx:round(mean*w*h)]' info:)
    if [ "$purple" -ge $((AREA_WIDTH * AREA_HEIGHT)) ]; then
        echo "1 passed, 0 failed"
        exit 0
    fi
done
fail "no drawing area in colour two on the Wayland output (last count: ${purple:-none})"
