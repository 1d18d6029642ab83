# Shared by the measurement scripts: a scratch folder and an Xvfb of their own, both gone when
# the script ends, with every process added to `pids` stopped too.
#   start_xvfb WIDTHxHEIGHT   starts the server and exports DISPLAY once it answers
work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

start_xvfb() {
    local n=$((200 + $$ % 200))
    while [[ -e /tmp/.X$n-lock ]]; do n=$((n + 1)); done
    export DISPLAY=:$n
    Xvfb "$DISPLAY" -screen 0 "$1"x24 -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
}
