#!/usr/bin/env bash
# The picture kept from the real program in Xvfb: a paused run copied through the drawing area's
# menu (right button) and read back from the X clipboard, then saved with Ctrl+S and a path typed
# into the dialog; both are the drawing area as the screen shows it.
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
shot "$work/window.png"
area_of "$work/window.png" "$work/area.png"

menu_x=$((AREA_LEFT + 100)) menu_y=$((AREA_TOP + 100))
xdotool mousemove --window "$win" "$menu_x" "$menu_y" click 3
sleep 0.5
click $((menu_x + 30)) $((menu_y + 10)) # the menu's first command, Copy Picture
for _ in $(seq 50); do xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png && break; sleep 0.1; done
xclip -selection clipboard -t image/png -o >"$work/copied.png" || fail "the clipboard holds no picture"
same_picture "$work/copied.png" "$work/area.png" || fail "the copied picture is not the drawing area"

save_by_keys "$work/kept.png" "$work/kept.png"
same_picture "$work/kept.png" "$work/area.png" || fail "the saved picture is not the drawing area"
[ "$(title)" = "$paused" ] || fail "keeping the picture changed the title to '$(title)'"
echo "1 passed, 0 failed"
