#!/usr/bin/env bash
# Starts vemmick in its own Xvfb, drives it with xdotool like a user (a palette click, Start, Pause,
# a resize, resume) and checks the title and the window's pixels against the simulation.
set -euo pipefail
vemmick=$1
check=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../skip.sh"
need Xvfb xdotool xwininfo xprop import convert
source "$(dirname "$0")/../../scripts/xvfb-session.sh"
source "$(dirname "$0")/../../scripts/drive.sh"

"$vemmick" 2>"$work/vemmick.log" &
app_pid=$!
find_window

[ "$(title)" = "Vemmick 2  Size: $START_GRID" ] || fail "start-up title '$(title)'"
# An X11 desktop ties the window to its launcher by its class: the entry says StartupWMClass=vemmick.
xprop -id "$win" WM_CLASS | grep -q '"vemmick"$' || fail "the window's class is $(xprop -id "$win" WM_CLASS)"
wait_pixel $((AREA_LEFT + AREA_WIDTH / 2)) $((AREA_TOP + AREA_HEIGHT / 2)) 8B00AE # the drawing area starts in colour two

# Pick pure red, the palette's first cell, in the colour-one picker: the swatch follows.
click "$PALETTE_ONE_X" "$PALETTE_ONE_Y"
wait_pixel "$SWATCH_ONE_X" "$SWATCH_ONE_Y" FF0000

start_then_pause
sleep 0.3
[ "$(title)" = "$paused" ] || fail "the run went on while paused"
shot "$work/run.png"
"$check" "$work/run.png" "$paused" "$AREA_LEFT" "$AREA_TOP" 3 FF0000 8B00AE || fail "the window does not match the simulation"

xdotool windowsize "$win" 400 300
wait_title "^Vemmick 2  Size: $(grid_of 400 300)\$"

click "$PAUSE_X" "$PAUSE_Y" # resume
wait_title "^$START_GRID  "
steps_then=$(echo "$paused" | awk '{print $4}')
steps_now=$(title | awk '{print $4}')
[ "$steps_now" -gt "$steps_then" ] || fail "the run did not resume"
echo "1 passed, 0 failed"
