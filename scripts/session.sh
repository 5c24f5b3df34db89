# Sourced by scripts that run the real program: a scratch folder $work, gone when the script exits,
# together with the program's process $app_pid and every process in stop_pids.
work=$(mktemp -d)
chmod 700 "$work" # also serves as a private XDG_RUNTIME_DIR
app_pid=""
stop_pids=()
session_cleanup() {
    local pid
    for pid in "$app_pid" "${stop_pids[@]}"; do
        [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap session_cleanup EXIT
