#!/usr/bin/env bash
# The picture kept from the real program in Xvfb: a paused run copied through the drawing area's
# menu and read back from the X clipboard, then saved with Ctrl+S and a path typed into the dialog;
# both are the drawing area as the screen shows it. The run saved as an animation through the
# menu, by mouse, ends on the same picture.
set -euo pipefail
vemmick=$1
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../skip.sh"
need Xvfb xdotool xwininfo xclip import convert compare identify
source "$(dirname "$0")/../../scripts/xvfb-session.sh"
source "$(dirname "$0")/../../scripts/drive.sh"

HOME=$work "$vemmick" 2>"$work/vemmick.log" &
app_pid=$!
find_window
start_then_pause 0.5
kept_pictures_match "$work/kept.png"
kept_animation_matches "$work/kept.gif"
# Nothing else is written: no settings, not even those of Qt's save dialog.
[ "$(cd "$work" && find . -newer "$work/window.png" -type f | grep -vxE '\./((kept|copied|area|frame-[0-9]+)\.png|kept\.gif)' || true)" = "" ] \
    || fail "the program wrote $(cd "$work" && find . -newer "$work/window.png" -type f)"
echo "1 passed, 0 failed"
