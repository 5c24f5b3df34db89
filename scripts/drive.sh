# Sourced by the scripts that drive the real program in an X server as a user does: they find its
# window, read its title, click and look at points given relative to the window's top-left corner
# (the same under Xvfb alone, where the window is at the origin, as under Wine, which centres it),
# and wait by polling for the state that their next step needs. Needs fail() and DISPLAY, and
# VEMMICK_DESIGN_POINTS: the design-points.sh that the build writes from the design table.
source "${VEMMICK_DESIGN_POINTS:?must name the design-points.sh of the build}"

# Programs of another architecture run under qemu-user, many times slower (scripts/cross.sh): every
# wait, and every pause for the program to settle, lasts PATIENCE times as long.
PATIENCE=${VEMMICK_PATIENCE:-1}
tries() { seq $(($1 * PATIENCE)); } # COUNT: of the polls of a wait
nap() { sleep "$(awk -v s="$1" -v p="$PATIENCE" 'BEGIN {print s * p}')"; } # SECONDS

# The display's scale, a whole factor: a pixel of the design is SCALE x SCALE device pixels, and
# every point below is in device pixels of the window.
SCALE=${VEMMICK_SCALE:-1}

# Window-relative points: button centres, the lower-right device pixel of the first cell of
# colour one's palette, a pixel of colour one's swatch, the drawing area's first inner pixel; the
# area's inner size; the dot at the start-up size of 3; the grid that it makes of the area.
CLEAR_X=$(((cmdClear_LEFT + cmdClear_WIDTH / 2) * SCALE)) CLEAR_Y=$(((cmdClear_TOP + cmdClear_HEIGHT / 2) * SCALE))
START_X=$(((cmdStart_LEFT + cmdStart_WIDTH / 2) * SCALE)) START_Y=$(((cmdStart_TOP + cmdStart_HEIGHT / 2) * SCALE))
PAUSE_X=$(((chkPause_LEFT + chkPause_WIDTH / 2) * SCALE)) PAUSE_Y=$(((chkPause_TOP + chkPause_HEIGHT / 2) * SCALE))
PALETTE_ONE_X=$(((cpOne_LEFT + 2) * SCALE - 1)) PALETTE_ONE_Y=$(((cpOne_TOP + 2) * SCALE - 1))
SWATCH_ONE_X=$(((picSrc1_LEFT + 2) * SCALE)) SWATCH_ONE_Y=$(((picSrc1_TOP + picSrc1_HEIGHT / 2) * SCALE))
AREA_LEFT=$(((picDest_LEFT + 1) * SCALE)) AREA_TOP=$(((picDest_TOP + 1) * SCALE))
AREA_WIDTH=$(((FORM_WIDTH - 2) * SCALE)) AREA_HEIGHT=$(((FORM_HEIGHT - picDest_TOP - 2) * SCALE))
DOT=$((3 * SCALE))
# The grid at dot size 3 of a window whose inner size is W by H design pixels, and the one at the
# design size.
grid_of() { echo "$((($1 - 2) / 3)) x $((($2 - picDest_TOP - 2) / 3))"; }
START_GRID=$(grid_of "$FORM_WIDTH" "$FORM_HEIGHT")

# Waits up to SECONDS for the program's window and sets win.
find_window() { # [SECONDS]
    win=$(timeout $((${1:-20} * PATIENCE)) xdotool search --sync --onlyvisible --name '^Vemmick 2' | head -n1) \
        || fail "no window of the program appeared"
}

title() { xdotool getwindowname "$win"; }

wait_title() { # REGEX [SECONDS]
    for _ in $(tries $((${2:-10} * 20))); do title | grep -Eq "$1" && return 0; sleep 0.05; done
    fail "the title '$(title)' never matched '$1'"
}

# The window's inner size as "W H".
window_size() { xwininfo -id "$win" | awk '/^  Width:/ {w = $2} /^  Height:/ {h = $2} END {print w, h}'; }

# The window at SCALE times the design size, on a desktop set to DPI.
expect_scaled_window() { # DPI
    for _ in $(tries 100); do [ "$(window_size)" = "$((FORM_WIDTH * SCALE)) $((FORM_HEIGHT * SCALE))" ] && return 0; sleep 0.05; done
    fail "at $1 dpi the window is $(window_size), not $SCALE times $FORM_WIDTH x $FORM_HEIGHT"
}

# Moves the pointer to X, Y of the window and clicks there once it has arrived (xdotool's own
# --sync waits long when the pointer is already in place).
click() { # X Y
    local origin x0 y0
    origin=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
    read -r x0 y0 <<<"$origin"
    xdotool mousemove --window "$win" "$1" "$2"
    for _ in $(tries 100); do
        [ "$(xdotool getmouselocation | awk '{print $1, $2}')" = "x:$((x0 + $1)) y:$((y0 + $2))" ] && break
        sleep 0.02
    done
    xdotool click 1
}

shot() { import -window "$win" "$1"; } # FILE: the window's pixels

pixel() { # X Y -> RRGGBB of the window, from a fresh shot
    shot "$work/pixel.png"
    convert "$work/pixel.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -oE '#[0-9A-F]{6}' | head -n1 | tr -d '#'
}

wait_pixel() { # X Y RRGGBB
    for _ in $(tries 100); do [ "$(pixel "$1" "$2")" = "$3" ] && return 0; sleep 0.05; done
    fail "the pixel at $1,$2 is $(pixel "$1" "$2"), not $3"
}

# Start, its first cycle (and SECONDS more), then Pause: leaves the run frozen and its title in
# $paused.
start_then_pause() { # [SECONDS]
    click "$START_X" "$START_Y"
    wait_title 'Steps'
    sleep "${1:-0}"
    click "$PAUSE_X" "$PAUSE_Y"
    local before=""
    paused=$(title)
    # Paused once two looks, five cycles apart, agree.
    for _ in $(tries 50); do
        [ "$before" = "$paused" ] && return 0
        before=$paused
        nap 0.1
        paused=$(title)
    done
    fail "the run did not pause: its title still changes"
}

# The first part of a user's session, as the end-to-end tests check it: the start-up title and
# picture, pure red picked from colour one's palette, a run started and paused, and the paused
# picture against the simulation. COMMAND SHOT TITLE LEFT TOP DOT ONE TWO runs the check.
first_run_matches() { # COMMAND...
    # The title follows the window's first resize, which a scaled Wine desktop can deliver after
    # the window already has its size.
    wait_title "^Vemmick 2  Size: $START_GRID\$"
    wait_pixel $((AREA_LEFT + AREA_WIDTH / 2)) $((AREA_TOP + AREA_HEIGHT / 2)) 8B00AE # colour two
    click "$PALETTE_ONE_X" "$PALETTE_ONE_Y" # the palette's first cell, pure red: the swatch follows
    wait_pixel "$SWATCH_ONE_X" "$SWATCH_ONE_Y" FF0000
    start_then_pause
    nap 0.3
    [ "$(title)" = "$paused" ] || fail "the run went on while paused"
    shot "$work/run.png"
    "$@" "$work/run.png" "$paused" "$AREA_LEFT" "$AREA_TOP" "$DOT" FF0000 8B00AE || fail "the window does not match the simulation"
}

# Pause pressed again goes on with the same grid: the steps grow past those of $paused.
run_resumes() {
    click "$PAUSE_X" "$PAUSE_Y"
    wait_title "^$START_GRID  "
    [ "$(title | awk '{print $4}')" -gt "$(awk '{print $4}' <<<"$paused")" ] || fail "the run did not resume"
}

# The drawing area's inner pixels in a shot of the window, as a PNG.
area_of() { # SHOT OUT
    convert "$1" -crop "${AREA_WIDTH}x${AREA_HEIGHT}+${AREA_LEFT}+${AREA_TOP}" +repage "$2"
}

# True when two pictures have the same size and pixels.
same_picture() { # A B
    [ "$(identify -format '%wx%h' "$1")" = "$(identify -format '%wx%h' "$2")" ] \
        && [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}

# A paused run's picture kept as a user keeps it: copied through the drawing area's menu (the right
# button, then its first command) and read back from the X clipboard, then saved with Ctrl+S and
# TYPED, the path of $work/kept.png as the program names it, in the save dialog's name field. Both
# must be the drawing area as the screen shows it, and the title must stay.
kept_pictures_match() { # TYPED
    shot "$work/window.png"
    area_of "$work/window.png" "$work/area.png"
    local x=$((AREA_LEFT + 100)) y=$((AREA_TOP + 100))
    xdotool mousemove --window "$win" "$x" "$y" click 3
    nap 0.5
    click $((x + 30 * SCALE)) $((y + 10 * SCALE)) # Copy Picture
    for _ in $(tries 50); do xclip -selection clipboard -t TARGETS -o 2>/dev/null | grep -qx image/png && break; sleep 0.1; done
    xclip -selection clipboard -t image/png -o >"$work/copied.png" || fail "the clipboard holds no picture"
    same_picture "$work/copied.png" "$work/area.png" || fail "the copied picture is not the drawing area"

    xdotool windowfocus "$win"
    xdotool key ctrl+s
    local dialog
    dialog=$(timeout $((20 * PATIENCE)) xdotool search --sync --onlyvisible --name '^Save Picture As$' | head -n1) \
        || fail "Ctrl+S opened no dialog"
    xdotool windowfocus "$dialog"
    nap 0.5
    xdotool key End shift+Home # the proposed name, replaced by what is typed
    xdotool type --delay 20 "$1"
    xdotool key Return
    for _ in $(tries 100); do [ -s "$work/kept.png" ] && break; sleep 0.1; done
    [ -s "$work/kept.png" ] || fail "the dialog saved no $work/kept.png: $(ls "$work")"
    same_picture "$work/kept.png" "$work/area.png" || fail "the saved picture is not the drawing area"
    [ "$(title)" = "$paused" ] || fail "keeping the picture changed the title to '$(title)'"
}

# Opens the drawing area's menu with the right button at X, Y of the window and clicks its
# command N of COUNT, wherever the platform puts the menu and however tall it makes its items.
menu_command() { # X Y N COUNT
    local origin x0 y0 geometry w h left top
    origin=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4} END {print x, y}')
    read -r x0 y0 <<<"$origin"
    xdotool mousemove --window "$win" "$1" "$2" click 3
    # The menu is a window of its own whose corner is where the button went down.
    for _ in $(tries 50); do
        geometry=$(xwininfo -root -tree | grep -oE "[0-9]+x[0-9]+\+$((x0 + $1))\+$((y0 + $2)) " | head -n1) && break
        sleep 0.1
    done
    [ -n "$geometry" ] || fail "the right button opened no menu at $1,$2"
    IFS='x+' read -r w h left top <<<"$geometry"
    click $(($1 + w / 4)) $(($2 + h * (2 * $3 - 1) / (2 * $4)))
}

# The run saved through the menu's Save Animation As..., the mouse on the menu and TYPED, the path
# of $work/kept.gif as the program names it, in the dialog: the animation's last frame is the
# drawing area of $work/area.png (kept_pictures_match, the run still paused), and the title stays.
kept_animation_matches() { # TYPED
    menu_command $((AREA_LEFT + 100)) $((AREA_TOP + 100)) 3 3
    local dialog
    dialog=$(timeout $((20 * PATIENCE)) xdotool search --sync --onlyvisible --name '^Save Animation As$' | head -n1) \
        || fail "Save Animation As... opened no dialog"
    xdotool windowfocus "$dialog"
    nap 0.5
    xdotool key End shift+Home
    xdotool type --delay 20 "$1"
    xdotool key Return
    for _ in $(tries 100); do [ -s "$work/kept.gif" ] && break; sleep 0.1; done
    [ -s "$work/kept.gif" ] || fail "the dialog saved no $work/kept.gif: $(ls "$work")"
    convert "$work/kept.gif" -coalesce +repage "$work/frame-%04d.png"
    local last
    last=$(ls "$work"/frame-*.png | tail -n1)
    same_picture "$last" "$work/area.png" || fail "the animation's last frame ($last) is not the drawing area"
    [ "$(title)" = "$paused" ] || fail "saving the animation changed the title to '$(title)'"
}
