#!/usr/bin/env bash
# Takes docs/screenshot.png: the real program in Xvfb, a run started and paused after a moment.
#   scripts/screenshot.sh [path/to/vemmick] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
vemmick=${1:-build-release/app/vemmick}
out=${2:-docs/screenshot.png}
source scripts/xvfb-session.sh
"$vemmick" 2>/dev/null &
app_pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vemmick 2' | head -n1)
xdotool mousemove 47 10 click 1      # Start
sleep 2
xdotool mousemove 111 10 click 1     # Pause
sleep 0.3
import -window "$win" "$out"
echo "wrote $out: $(xdotool getwindowname "$win")"
