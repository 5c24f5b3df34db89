#!/usr/bin/env bash
# Takes docs/screenshot.png: the real program in Xvfb, a run started and paused after a moment.
#   scripts/screenshot.sh [path/to/vemmick] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
vemmick=${1:-build-release/app/vemmick}
out=${2:-docs/screenshot.png}
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
Xvfb -displayfd 3 -screen 0 800x600x24 -noreset -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")"
"$vemmick" 2>/dev/null &
app_pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vemmick 2' | head -n1)
xdotool mousemove 47 10 click 1      # Start
sleep 2
xdotool mousemove 111 10 click 1     # Pause
sleep 0.3
import -window "$win" "$out"
echo "wrote $out: $(xdotool getwindowname "$win")"
