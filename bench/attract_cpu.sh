#!/usr/bin/env bash
# What the title's demo costs beside a game: CPU time (utime + stime of the process) over a
# stretch of each under a virtual X server: the title left alone (no demo yet), the demo the
# title plays after 30 untouched seconds, the same game played as the player's own (replayed
# with --replay, from the same moment), and a game started with Enter and left alone.
#
#   bench/attract_cpu.sh [BUILD_DIR] [SECONDS]      (defaults: build, 10; the shipped demo
#                                                    runs 43 s, so at most 12)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
seconds=${2:-10}
zarvo=$build/zarvo
[[ -x $zarvo ]] || { echo "no game at $zarvo: build it first" >&2; exit 1; }
. "$(dirname "$0")/xvfb_support.sh"
start_xvfb 1280x1024

ticks() {  # utime + stime of a process in clock ticks
    awk '{print $14 + $15}' "/proc/$1/stat"
}

measure() {  # measure LABEL WAIT_SECONDS KEY [ARGS...]: starts the game, presses KEY (or none),
    #            waits, measures
    local label=$1 wait=$2 key=$3
    shift 3
    XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data SDL_AUDIODRIVER=dummy \
        "$zarvo" --seed 4711 --scores "$work/Zarvo.Scr" "$@" >"$work/zarvo.log" 2>&1 &
    local zpid=$!
    pids+=($zpid)
    local id=""
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name '^Zarvo$' 2>/dev/null | head -1) && [[ -n $id ]] && break
        sleep 0.05
    done
    [[ -n $id ]] || { cat "$work/zarvo.log" >&2; exit 1; }
    xdotool windowfocus --sync "$id"
    [[ -z $key ]] || xdotool key "$key"
    sleep "$wait"
    local z0 t0 z1 t1
    z0=$(ticks "$zpid") t0=$(date +%s.%N)
    sleep "$seconds"
    z1=$(ticks "$zpid") t1=$(date +%s.%N)
    kill "$zpid"
    wait "$zpid" 2>/dev/null || true
    sleep 1  # the server starts over once its last client has gone
    awk -v l="$label" -v z=$((z1 - z0)) -v hz="$(getconf CLK_TCK)" -v t0="$t0" -v t1="$t1" \
        'BEGIN { printf "%-28s %5.2f %% of a core\n", l, 100 * z / hz / (t1 - t0) }'
}

echo "CPU over ${seconds} s (utime+stime), Xvfb 1280x1024:"
measure "title, before its demo" 3 ""
measure "title playing its demo" 31 ""
measure "the demo's game, played" 1 "" --replay "$build/assets/demo.zrun"
measure "a game left alone" 3 Return
