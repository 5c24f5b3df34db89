# Sourced by scripts that run the real program: a private Xvfb for this script alone, and a scratch
# folder $work, both gone when the script exits. Sets DISPLAY; app_pid is killed at exit too.
# XVFB_SCREEN sets the screen (WIDTHxHEIGHTxDEPTH, 800x600x24 unless given).
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
xvfb_cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap xvfb_cleanup EXIT

unset QT_QPA_PLATFORM WAYLAND_DISPLAY
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-800x600x24}" -noreset -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
if [ ! -s "$work/display" ]; then
    echo "FAIL: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(cat "$work/display")"
