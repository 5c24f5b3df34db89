#!/usr/bin/env bash
# Runs the real program in a private Xvfb with its window at a given size, dot size 1, the shortest
# interval and a given number of steps per cycle, and reports cycles per second and the CPU time of
# the program and of the X server over a few seconds of the run.
#   scripts/measure-window.sh VEMMICK WIDTH HEIGHT STEPS [SECONDS]
# STEPS is 1 or 100000 (the smallest or largest entry of the steps list).
set -euo pipefail
vemmick=$1 width=$2 height=$3 steps=$4 seconds=${5:-5}
XVFB_SCREEN="$((width + 16))x$((height + 16))x24"
fail() { echo "FAIL: $*" >&2; exit 1; }
export VEMMICK_DESIGN_POINTS=${VEMMICK_DESIGN_POINTS:-$(dirname "$vemmick")/../design-points.sh}
source "$(dirname "$0")/xvfb-session.sh"
source "$(dirname "$0")/drive.sh"

"$vemmick" 2>/dev/null &
app_pid=$!
find_window
xdotool windowsize "$win" "$width" "$height"
for _ in $(seq 100); do [ "$(window_size)" = "$width $height" ] && break; sleep 0.05; done
# The keyboard sets the lists: from Clear, five Tabs reach the dot-size list, one Shift+Tab the steps.
xdotool windowfocus "$win"
click "$CLEAR_X" "$CLEAR_Y"
xdotool key Tab Tab Tab Tab Tab Home shift+Tab "$([ "$steps" = 1 ] && echo Home || echo End)"
sleep 0.2
click "$START_X" "$START_Y"
wait_title 'Steps'
sleep 1 # past the start-up

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
count() { xdotool getwindowname "$win" | awk '{print $4}'; }
t0=$(date +%s.%N) s0=$(count) p0=$(ticks "$app_pid") x0=$(ticks "$xvfb_pid")
sleep "$seconds"
t1=$(date +%s.%N) s1=$(count) p1=$(ticks "$app_pid") x1=$(ticks "$xvfb_pid")
hz=$(getconf CLK_TCK)
awk -v t0="$t0" -v t1="$t1" -v ds="$((s1 - s0))" -v n="$steps" -v dp="$((p1 - p0))" -v dx="$((x1 - x0))" \
    -v hz="$hz" -v w="$width" -v h="$height" -v title="$(xdotool getwindowname "$win")" 'BEGIN {
    t = t1 - t0
    printf "window %d x %d, %d steps a cycle: %.1f cycles/s, program %.1f%% of a core (%.1f ns a step), X server %.1f%%\n",
        w, h, n, ds / n / t, 100 * dp / hz / t, (ds > 0 ? 1e9 * dp / hz / ds : 0), 100 * dx / hz / t
    print "  title: " title
}'
