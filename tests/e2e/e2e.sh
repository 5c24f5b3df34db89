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

# An X11 desktop ties the window to its launcher by its class: the entry says StartupWMClass=vemmick.
xprop -id "$win" WM_CLASS | grep -q '"vemmick"$' || fail "the window's class is $(xprop -id "$win" WM_CLASS)"
first_run_matches "$check"

xdotool windowsize "$win" 400 300
wait_title "^Vemmick 2  Size: $(grid_of 400 300)\$"

run_resumes
echo "1 passed, 0 failed"
