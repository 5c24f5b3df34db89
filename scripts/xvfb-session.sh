# Sourced by scripts that run the real program in an X server of their own: a private Xvfb, which
# sets DISPLAY and xvfb_pid, in the session of scripts/session.sh. XVFB_SCREEN sets the screen
# (WIDTHxHEIGHTxDEPTH, 800x600x24 unless given).
source "$(dirname "${BASH_SOURCE[0]}")/session.sh"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-800x600x24}" -noreset -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
stop_pids+=("$xvfb_pid")
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
if [ ! -s "$work/display" ]; then
    echo "FAIL: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(cat "$work/display")"
