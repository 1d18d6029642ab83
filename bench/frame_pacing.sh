#!/usr/bin/env bash
# Frame pacing of the windowed game: over a stretch of play under a virtual X server, the
# number of ticks (the state dump's Frame_Count) against elapsed time / 24 ms, and the CPU the
# process used meanwhile (a clock that spun would show there).
#
#   bench/frame_pacing.sh [BUILD_DIR] [SECONDS]      (defaults: build, 60)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
seconds=${2:-60}
zarvo=$build/zarvo
[[ -x $zarvo ]] || { echo "no game at $zarvo: build it first" >&2; exit 1; }

. "$(dirname "$0")/xvfb_support.sh"
start_xvfb 1280x1024

SDL_AUDIODRIVER=dummy "$zarvo" --no-config --seed 4711 --scores "$work/Zarvo.Scr" \
    --dump "$work/dump.json" >"$work/zarvo.log" 2>&1 &
zpid=$!
pids+=($zpid)
id=""
for _ in $(seq 400); do
    id=$(xdotool search --onlyvisible --name '^Zarvo$' 2>/dev/null | head -1) && [[ -n $id ]] && break
    sleep 0.01
done
[[ -n $id ]] || { cat "$work/zarvo.log" >&2; exit 1; }
t0=$(date +%s.%N)
xdotool windowfocus "$id" key Return
c0=$(awk '{print $14 + $15}' "/proc/$zpid/stat")
sleep "$seconds"
c1=$(awk '{print $14 + $15}' "/proc/$zpid/stat")
t1=$(date +%s.%N)
kill "$zpid"
wait "$zpid" 2>/dev/null || true
frames=$(grep -o '"Frame_Count":[0-9]*' "$work/dump.json" | cut -d: -f2)
awk -v f="$frames" -v t0="$t0" -v t1="$t1" -v c=$((c1 - c0)) -v hz="$(getconf CLK_TCK)" 'BEGIN {
    t = t1 - t0; want = t / 0.024
    printf "%.1f s windowed: %d ticks, elapsed/24 ms = %.0f, off by %+.2f %%; CPU %.2f %% of a core\n",
           t, f, want, 100 * (f - want) / want, 100 * c / hz / t
}'
