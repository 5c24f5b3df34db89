#!/usr/bin/env bash
# A blind user's walk, heard through GNOME's screen reader: the real program and Orca on a private
# X display and session bus; the keys of the walk are sent with xdotool, and what Orca speaks is read
# from its debug log, where it logs every utterance even with no speech server to send it to.
#   orca.sh VEMMICK [LOG]     LOG keeps Orca's debug log, with what it spoke
# With WALK_LANGUAGE=de the program and Orca speak German, and the walk is a shorter one in German.
set -euo pipefail
vemmick=$1
source "$(dirname "$0")/../skip.sh"
need dbus-run-session Xvfb xdotool orca /usr/libexec/at-spi-bus-launcher
if [ -z "${VEMMICK_OWN_BUS:-}" ]; then
    exec env VEMMICK_OWN_BUS=1 dbus-run-session -- "$0" "$@"
fi
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-session.sh"
fail() { echo "FAIL: $*" >&2; [ -s "$work/spoken" ] && sed 's/^/  spoken: /' "$work/spoken" >&2; exit 1; }
source "$here/../../scripts/drive.sh"
orca_log=${2:-$work/orca.log}
: >"$orca_log" # Orca adds to a debug log that is there

# A home of its own: no speech server is started for Orca (it would outlive the test), and the
# debug log is written line by line rather than in blocks.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher" "$work/orca"
echo DisableAutoSpawn >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf"
echo 'import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)' >"$work/orca/orca-customizations.py"

# The desktop's language, for the program and for Orca: English unless the walk is German.
export LANGUAGE=${WALK_LANGUAGE:-en}
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/bus.log" &
stop_pids+=($!)
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$vemmick" 2>"$work/vemmick.log" &
app_pid=$!
find_window
# Orca ends at its next accessibility event after SIGTERM: it goes together with the program.
orca -u "$work/orca" --debug-file="$orca_log" >/dev/null 2>&1 &
stop_pids=("$!" "${stop_pids[@]}")
for _ in $(tries 300); do grep -qE 'Startup complete|Starting Atspi main event loop' "$orca_log" 2>/dev/null && break; sleep 0.1; done
grep -qE 'Startup complete|Starting Atspi main event loop' "$orca_log" || fail "Orca did not start"

spoken() { sed -n "s/.*SPEECH OUTPUT: '\(.*\)' *\[\{0,1\}{.*/\1/p" "$orca_log" | grep -v '^$' >"$work/spoken" || true; }
# Sends KEY (- for none; button3 for the right button on the drawing area, palette for a click on
# colour one's first cell) and waits until what Orca says next, its utterances joined by spaces,
# with the full stops that end its phrases left out, matches the extended regular expression
# SPEECH. Orca 43 and 48 word a few things apart.
hear() { # KEY SPEECH
    local said=0 # - is what Orca said on its start, which may come before it says it started
    [ "$1" = - ] || said=$(spoken; wc -l <"$work/spoken")
    case $1 in
    -) ;;
    button3) xdotool mousemove --window "$win" $((AREA_LEFT + 100)) $((AREA_TOP + 100)) click 3 ;;
    palette) click "$PALETTE_ONE_X" "$PALETTE_ONE_Y" ;;
    *) xdotool key "$1" ;;
    esac
    for _ in $(tries 50); do
        spoken
        heard=$(tail -n +$((said + 1)) "$work/spoken" | paste -sd ' ' | tr -s ' ' | sed -E 's/\.( |$)/\1/g; s/ $//')
        grep -qE -- "$2" <<<"$heard" && { echo "$1: $heard"; return 0; }
        sleep 0.1
    done
    fail "after $1 Orca said '$heard', not '$2'"
}

xdotool windowfocus "$win"
if [ "$LANGUAGE" = de ]; then
    hear - "^(Bildschirmleser an )?Vemmick 2 Größe: $START_GRID Rahmen Bild leeren Druckknopf$"
    hear Tab "^Tab Starten Druckknopf$"
    hear Tab "^Tab Stoppen Druckknopf$"
    hear Tab "^Tab Millisekunden zwischen den Zyklen Kombinationsfeld 20$"
    hear Tab "^Tab Schritte pro Zyklus Kombinationsfeld 1000$"
    hear Tab "^Tab Punktgröße wählen Kombinationsfeld 3$"
    hear Tab "^Tab Erste Farbe wählen Farbwähler #44FFAF, Spalte 20, Zeile 2$"
    hear Right "^#54FFC1, Spalte 21, Zeile 2$"
    hear Tab "^Tab Zweite Farbe wählen Farbwähler #8B00AE, Spalte 40, Zeile 7$"
    hear Tab "^Tab Zeichenfläche Bild #8B00AE$"
    hear shift+F10 "Bild [^ ]+ (F10 )?Bild kopieren( Strg\+C)?$"
    hear Escape "Zeichenfläche Bild #8B00AE$"
    echo "1 passed, 0 failed"
    exit 0
fi
button='(push )?button'
hear - "^(Screen reader on )?Vemmick 2 Size: $START_GRID frame Clear image $button$"
hear Tab "^tab Start $button$"
hear Tab "^tab Stop $button$"
hear Tab "^tab Milliseconds between cycles combo box 20$"
xdotool key alt+Down # the list drops down: its items are heard in it (Orca 48 then names the last)
hear Down "^(List with 7 items )?100$"
hear Escape "^escape Milliseconds between cycles combo box (20|100)$"
hear Tab "^tab Steps per cycle combo box 1000$"
hear Tab "^tab Select dot size combo box 3$"
hear Tab "^tab Select color one color chooser #44FFAF, column 20, row 2$"
hear Tab "^tab Select color two color chooser #8B00AE, column 40, row 7$"
hear Tab "^tab Drawing area image #8B00AE$"
hear Tab "^tab Color one image #44FFAF$"
hear Tab "^tab Color two image #8B00AE$"
hear shift+Tab "Color one image #44FFAF$"
hear shift+Tab "Drawing area image #8B00AE$"
hear shift+Tab "Select color two color chooser #8B00AE, column 40, row 7$"
hear Right "^#98008F, column 41, row 7$"
hear Down "^#980291, column 41, row 8$"
hear Tab "Drawing area image"
hear shift+F10 "Picture popup menu (F10 )?Copy Picture( Ctrl\+C)?$"
hear Escape "Drawing area image #8B00AE$"
hear Menu "Picture popup menu Copy Picture( Ctrl\+C)?$"
hear Escape "Drawing area image #8B00AE$"
hear button3 "^Picture popup menu$"
hear Escape "Drawing area image #8B00AE$"
# The click moves the focus and the colour at once: Orca may say the new colour with the focus, on
# its own, or, on a busy machine, both.
hear palette "^(Select color one color chooser )?(#FF0000, column 0, row 0 )?#FF0000, column 0, row 0$"
echo "1 passed, 0 failed"
