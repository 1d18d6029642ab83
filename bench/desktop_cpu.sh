#!/usr/bin/env bash
# What showing the game costs: CPU time (utime + stime of the process) over a stretch of play
# under a virtual X server, side by side in one run with Debian's xonix as a reference peer.
#
#   bench/desktop_cpu.sh [BUILD_DIR] [SECONDS]      (defaults: build, 30)
#
# xonix is installed here, for this measurement only; it runs as a black box. Each Zarvo run
# starts a game with Enter and is then left alone; xonix runs untouched beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
seconds=${2:-30}
zarvo=$build/zarvo
[[ -x $zarvo ]] || { echo "no game at $zarvo: build it first" >&2; exit 1; }

if ! command -v xonix >/dev/null && [[ ! -x /usr/games/xonix ]]; then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo)
    # A fresh machine has no package lists yet.
    "${sudo[@]}" apt-get update -q >/dev/null
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q xonix >/dev/null
fi
xonix=$(command -v xonix || echo /usr/games/xonix)

. "$(dirname "$0")/xvfb_support.sh"
start_xvfb 2560x1600

ticks() {  # utime + stime of a process in clock ticks
    awk '{print $14 + $15}' "/proc/$1/stat"
}

# Starts the game, waits for its window, focuses it and starts a game with Enter.
start_zarvo() {  # start_zarvo ARGS...
    XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data SDL_AUDIODRIVER=dummy \
        "$zarvo" --seed 4711 --scores "$work/Zarvo.Scr" "$@" >"$work/zarvo.log" 2>&1 &
    zpid=$!
    pids+=($zpid)
    local id=""
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name '^Zarvo$' 2>/dev/null | head -1) && [[ -n $id ]] && break
        sleep 0.05
    done
    [[ -n $id ]] || { cat "$work/zarvo.log" >&2; exit 1; }
    xdotool windowfocus --sync "$id"
    sleep 0.5
    xdotool key Return
}

measure() {  # measure LABEL ZARVO_ARGS...
    local label=$1
    shift
    "$xonix" >/dev/null 2>&1 &
    local xpid=$!
    pids+=($xpid)
    start_zarvo "$@"
    sleep 3
    local z0 x0 t0 z1 x1 t1
    z0=$(ticks "$zpid") x0=$(ticks "$xpid") t0=$(date +%s.%N)
    sleep "$seconds"
    z1=$(ticks "$zpid") x1=$(ticks "$xpid") t1=$(date +%s.%N)
    kill "$zpid" "$xpid"
    wait "$zpid" "$xpid" 2>/dev/null || true
    awk -v l="$label" -v z=$((z1 - z0)) -v x=$((x1 - x0)) -v hz="$(getconf CLK_TCK)" \
        -v t0="$t0" -v t1="$t1" 'BEGIN {
            t = t1 - t0; zc = 100 * z / hz / t; xc = 100 * x / hz / t
            printf "%-22s zarvo %5.2f %% of a core   xonix %5.2f %%   ratio %s\n", l, zc, xc,
                   (xc > 0 ? sprintf("%.2f", zc / xc) : "-")
        }'
}

echo "CPU over ${seconds} s of play (utime+stime), Xvfb 2560x1600:"
measure "scale 1" --scale 1
measure "scale 3" --scale 3
