#!/usr/bin/env bash
# What showing the game costs: CPU time (utime + stime of the process) under a virtual X
# server, side by side in one run with Debian's xonix as a reference peer.
#
#   bench/desktop_cpu.sh [BUILD_DIR] [SECONDS] [ROUNDS]      (defaults: build, 15, 3)
#
# Two measures, each at scales 1 and 3, each round after round, with the medians at the end:
#   standing   Return starts a game, which is then left alone.
#   playing    Return starts a game; then an arrow key is held for 350 ms in turn (down, left,
#              up, right) and Space is pressed after each.
# xonix gets the same keys at the same moments, on a virtual X server of its own, so that both
# programs have the keyboard focus all the time. It is installed here for this measurement
# only and runs as a black box; where it cannot be installed, Zarvo is measured alone.
# ZARVO_CPU_MEASURES=playing (or standing) runs one measure only; ZARVO_CPU_SCALES=1 (or 3)
# one scale only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
seconds=${2:-15}
rounds=${3:-3}
measures=${ZARVO_CPU_MEASURES:-standing playing}
scales=${ZARVO_CPU_SCALES:-1 3}
zarvo=$build/zarvo
[[ -x $zarvo ]] || { echo "no game at $zarvo: build it first" >&2; exit 1; }

find_xonix() {
    command -v xonix 2>/dev/null || { [[ -x /usr/games/xonix ]] && echo /usr/games/xonix; } || true
}
xonix=$(find_xonix)
if [[ -z $xonix ]]; then
    sudo=()
    [[ $(id -u) -eq 0 ]] || sudo=(sudo -n)
    # A fresh machine has no package lists yet.
    { "${sudo[@]}" apt-get update -q && DEBIAN_FRONTEND=noninteractive \
        "${sudo[@]}" apt-get install -y -q xonix; } >/dev/null 2>&1 || true
    xonix=$(find_xonix)
    [[ -n $xonix ]] || echo "xonix could not be installed: Zarvo is measured alone" >&2
fi

. "$(dirname "$0")/xvfb_support.sh"
start_xvfb 2560x1600
zarvo_display=$DISPLAY
start_xvfb 2560x1600
xonix_display=$DISPLAY

ticks() {  # utime + stime of a process in clock ticks
    awk '{print $14 + $15}' "/proc/$1/stat"
}

# Waits for a visible window whose name or class matches, focuses it and presses Return.
focus_and_start() {  # focus_and_start DISPLAY --name|--class PATTERN
    local id=""
    for _ in $(seq 200); do
        id=$(DISPLAY=$1 xdotool search --onlyvisible "$2" "$3" 2>/dev/null | head -1) &&
            [[ -n $id ]] && break
        sleep 0.05
    done
    [[ -n $id ]] || return 1
    DISPLAY=$1 xdotool windowfocus --sync "$id"
    sleep 0.5
    DISPLAY=$1 xdotool key Return
}

start_zarvo() {  # start_zarvo ARGS...
    DISPLAY=$zarvo_display XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
        SDL_AUDIODRIVER=dummy \
        "$zarvo" --seed 4711 --scores "$work/Zarvo.Scr" "$@" >"$work/zarvo.log" 2>&1 &
    zpid=$!
    pids+=($zpid)
    focus_and_start "$zarvo_display" --name '^Zarvo$' || { cat "$work/zarvo.log" >&2; exit 1; }
}

start_xonix() {
    xpid=""
    [[ -n $xonix ]] || return 0
    DISPLAY=$xonix_display "$xonix" >/dev/null 2>&1 &
    xpid=$!
    pids+=($xpid)
    focus_and_start "$xonix_display" --class '^Xonix$' || { kill "$xpid"; xpid=""; }
}

# Holds an arrow for 350 ms in turn and presses Space after each, on every display given,
# until SECONDS have passed.
play_keys() {  # play_keys SECONDS DISPLAY...
    local end=$(($(date +%s%N) + $1 * 1000000000)) i=0 key d
    shift
    local keys=(Down Left Up Right)
    while (($(date +%s%N) < end)); do
        key=${keys[i++ % 4]}
        for d; do DISPLAY=$d xdotool keydown "$key"; done
        sleep 0.35
        for d; do DISPLAY=$d xdotool keyup "$key" key space; done
    done
}

results=$work/results
measure() {  # measure MEASURE SCALE
    local what=$1 scale=$2
    start_xonix
    start_zarvo --scale "$scale"
    sleep 3
    local z0 x0=0 t0 z1 x1=0 t1
    z0=$(ticks "$zpid") t0=$(date +%s.%N)
    [[ -z $xpid ]] || x0=$(ticks "$xpid")
    if [[ $what == playing ]]; then
        play_keys "$seconds" "$zarvo_display" ${xpid:+"$xonix_display"}
    else
        sleep "$seconds"
    fi
    z1=$(ticks "$zpid") t1=$(date +%s.%N)
    [[ -z $xpid ]] || x1=$(ticks "$xpid")
    kill "$zpid" ${xpid:+"$xpid"}
    wait "$zpid" ${xpid:+"$xpid"} 2>/dev/null || true
    awk -v w="$what" -v s="$scale" -v z=$((z1 - z0)) -v x=$((x1 - x0)) -v hz="$(getconf CLK_TCK)" \
        -v t0="$t0" -v t1="$t1" -v peer="${xpid:+1}" 'BEGIN {
            t = t1 - t0; zc = 100 * z / hz / t; xc = 100 * x / hz / t
            printf "%s %s %.3f %s\n", w, s, zc, (peer ? sprintf("%.3f", xc) : "-")
        }' | tee -a "$results"
}

# The median of each column by measure and scale, with the ratio of the medians.
summary() {
    sort -k1,1 -k2,2n "$results" | awk '
        function median(a, n,   i, j, t) {
            for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++)
                if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
            return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
        }
        function flush() {
            if (!n) return
            zm = median(z, n)
            line = sprintf("%-8s scale %s   zarvo %5.2f %% of a core", what, scale, zm)
            if (peer) {
                xm = median(x, n)
                line = line sprintf("   xonix %5.2f %%   ratio %s", xm,
                                    xm > 0 ? sprintf("%.2f", zm / xm) : "-")
            }
            print line
            n = 0
        }
        { if ($1 != what || $2 != scale) flush()
          what = $1; scale = $2; n++; z[n] = $3; peer = $4 != "-"; x[n] = $4 }
        END { flush() }'
}

echo "CPU (utime+stime) over ${seconds} s, ${rounds} rounds, Xvfb 2560x1600; each round:"
echo "measure scale zarvo% xonix%"
for _ in $(seq "$rounds"); do
    for what in $measures; do
        for scale in $scales; do measure "$what" "$scale"; done
    done
done
echo "Medians:"
summary
