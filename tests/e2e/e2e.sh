#!/usr/bin/env bash
# Starts vemmick in its own Xvfb, drives it with xdotool like a user (a palette click, Start, Pause,
# a resize, resume) and checks the title and the screen's pixels against the simulation.
set -euo pipefail
vemmick=$1
check=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../../scripts/xvfb-session.sh"

"$vemmick" 2>"$work/vemmick.log" &
app_pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vemmick 2' | head -n1) || fail "no window"

title() { xdotool getwindowname "$win"; }
wait_title() { # REGEX
    for _ in $(seq 200); do title | grep -Eq "$1" && return 0; sleep 0.05; done
    fail "title '$(title)' never matched '$1'"
}
pixel() { # X Y -> RRGGBB of the screen
    import -window root "$work/px.png"
    convert "$work/px.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -oE '#[0-9A-F]{6}' | head -n1 | tr -d '#'
}
click() { xdotool mousemove "$1" "$2"; sleep 0.1; xdotool click 1; sleep 0.2; }

[ "$(title)" = "Vemmick 2  Size: 188 x 127" ] || fail "start-up title '$(title)'"
[ "$(pixel 300 200)" = "8B00AE" ] || fail "the drawing area does not start purple"

# Pick pure red, the palette's first cell, in the colour-one picker: the swatch follows.
click 345 1
[ "$(pixel 330 10)" = "FF0000" ] || fail "the colour-one swatch is $(pixel 330 10), not red"

click 47 10                       # Start
wait_title 'Steps'
click 111 10                      # Pause
paused=$(title)
sleep 0.3
[ "$(title)" = "$paused" ] || fail "the run went on while paused"
import -window root "$work/run.png"
"$check" "$work/run.png" "$paused" 1 25 3 FF0000 8B00AE || fail "the screen does not match the simulation"

xdotool windowsize "$win" 400 300
wait_title '^Vemmick 2  Size: 132 x 91$'

click 111 10                      # resume
wait_title '^188 x 127  '
steps_then=$(echo "$paused" | awk '{print $4}')
steps_now=$(title | awk '{print $4}')
[ "$steps_now" -gt "$steps_then" ] || fail "the run did not resume"
echo "1 passed, 0 failed"
