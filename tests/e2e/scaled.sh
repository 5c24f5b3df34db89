#!/usr/bin/env bash
# The real program on an X desktop scaled as a desktop scales it (the resource Xft.dpi): its
# window at the whole factor SCALE of the design size, a pick on the lower-right device pixel of a
# palette cell, and the dots of a run against the simulation, device pixel for device pixel.
#   scaled.sh VEMMICK E2E_CHECK DPI SCALE
set -euo pipefail
vemmick=$1
check=$2
export VEMMICK_SCALE=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../skip.sh"
need Xvfb xrdb xdotool xwininfo import convert
XVFB_SCREEN=2400x1600x24
source "$(dirname "$0")/../../scripts/xvfb-session.sh"
source "$(dirname "$0")/../../scripts/drive.sh"

echo "Xft.dpi: $3" | xrdb -merge
"$vemmick" 2>"$work/vemmick.log" &
app_pid=$!
find_window
expect_scaled_window "$3"
first_run_matches "$check"
echo "1 passed, 0 failed"
