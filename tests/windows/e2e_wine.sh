#!/usr/bin/env bash
# The Windows program from its unpacked zip, under Wine in a private Xvfb, driven with real X input
# as the Linux end-to-end test drives the Linux one: the command line, the start-up title, a
# palette click, Start and Pause against the simulation, the picture copied and saved through
# Windows' own dialog and the run saved as an animation through the menu, a resize and the title that follows it; the face of the lists' text.
#   e2e_wine.sh RELEASE.zip E2E_CHECK.exe FACE_CHECK.exe     (WINEPREFIX: a prefix made for this run)
set -euo pipefail
zip=$1
check=$2
face_check=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$here/../../scripts/xvfb-session.sh"
source "$here/../../scripts/drive.sh"
source "$here/release.sh"

# The command line: into a pipe, --version and a refusal are text; with no stream to write to,
# --help is a message box.
[ "$(run "$exe" --version | tr -d '\r')" = "vemmick $(basename "$(dirname "$exe")" | cut -d- -f2)" ] \
    || fail "--version into a pipe says '$(run "$exe" --version)'"
set +e
refusal=$(run "$exe" --frobnicate 2>&1 >/dev/null | tr -d '\r')
status=${PIPESTATUS[0]}
set -e
[ "$status" -eq 2 ] && grep -q "frobnicate" <<<"$refusal" || fail "an unknown option gives status $status and '$refusal'"
"$here/wine-run.sh" "$exe" --help >/dev/null 2>&1 </dev/null &
help_pid=$!
box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vemmick 2$' | head -n1) || fail "--help shows no message box"
xdotool windowfocus --sync "$box" key Return
wait "$help_pid" || fail "--help ends with status $?"

# Qt's file dialog, which the tests' own dialogs use, keeps its settings in the registry.
run reg delete 'HKCU\Software\QtProject' /f >/dev/null 2>&1 || true
"$here/wine-run.sh" "$exe" >"$work/vemmick.log" 2>&1 & # app_pid: the program's own process
app_pid=$!
find_window 30

# The lists show their text in the interface face of Windows, not in a serif stand-in: the steps
# list's "1000", in the part of the list left of its arrow, against the faces drawn by the check.
# The window can be mapped before Wine has painted it, so a shot is taken again until one passes.
face_matches() {
    shot "$work/start.png"
    VEMMICK_WINE_DLLS=$check_dlls QT_QPA_PLATFORM_PLUGIN_PATH="$(winepath -w "$(dirname "$exe")/platforms" 2>/dev/null)" \
        run "$face_check" "$(winepath -w "$work/start.png" 2>/dev/null)" $((cboSteps_LEFT + 2)) $((cboSteps_TOP + 2)) \
        $((cboSteps_WIDTH - 16)) $((cboSteps_HEIGHT - 4)) 1000
}
for try in $(seq 10); do
    face_matches && break
    [ "$try" -lt 10 ] || fail "the lists' text is not in the interface face"
    sleep 0.5
done

first_run_matches check_under_wine
kept_pictures_match "$(winepath -w "$work/kept.png" 2>/dev/null)"
kept_animation_matches "$(winepath -w "$work/kept.gif" 2>/dev/null)"
! run reg query 'HKCU\Software\QtProject' >/dev/null 2>&1 || fail "saving left settings in the registry"

# Windows keeps a window above its own minimum size: expect the grid of the size it really took.
xdotool windowsize "$win" 400 300
for _ in $(seq 100); do [ "$(window_size)" != "$FORM_WIDTH $FORM_HEIGHT" ] && break; sleep 0.05; done
read -r width height <<<"$(window_size)"
wait_title "^Vemmick 2  Size: $(grid_of "$width" "$height")\$"

run_resumes
echo "1 passed, 0 failed"
