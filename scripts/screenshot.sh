#!/usr/bin/env bash
# Takes docs/screenshot.png: the real program in Xvfb, a run started and paused after a moment.
#   scripts/screenshot.sh [path/to/vemmick] [output.png]
set -euo pipefail
cd "$(dirname "$0")/.."
vemmick=${1:-build-release/app/vemmick}
out=${2:-docs/screenshot.png}
fail() { echo "FAIL: $*" >&2; exit 1; }
export VEMMICK_DESIGN_POINTS=${VEMMICK_DESIGN_POINTS:-$(dirname "$vemmick")/../design-points.sh}
source scripts/xvfb-session.sh
source scripts/drive.sh
"$vemmick" 2>/dev/null &
app_pid=$!
find_window
start_then_pause 2 # a few seconds of the run
shot "$out"
echo "wrote $out: $(xdotool getwindowname "$win")"
