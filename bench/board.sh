#!/usr/bin/env bash
# The board's figures, on loopback only and bounded in time: the rate at which workers verify,
# table reads at 500 a second while two workers verify, on SQLite and on a throw-away
# PostgreSQL; and kill -9 of boards and workers at random moments, after which every accepted run
# is there once and verified once.
#   bench/board.sh BUILD_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
board=$build/zarvo-board game=$build/zarvo
work=$(mktemp -d /tmp/zarvo_board_bench_XXXXXX)
chmod 755 "$work"  # the PostgreSQL server runs as its own user
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
    "$root/scripts/pg-scratch" stop "$work/pg" || true
    rm -rf "$work"
}
trap cleanup EXIT
port_of() { sleep 0.5; grep -o ':[0-9]*$' "$1" | tr -d :; }
send_all() {  # PORT FILES...: sends each run, prints the ids taken
    local port=$1; shift
    for f in "$@"; do
        curl -s -H 'Content-Type: text/plain' --data-binary @"$f" "http://127.0.0.1:$port/runs" |
            grep -o '"id":[0-9]*' | cut -d: -f2 || true
    done
}

runs=${RUNS:-12}
echo "== runs: the random player, $runs runs of 6000 frames (2:24 of play each)"
mkdir -p "$work/runs"
(cd "$work/runs" && for s in $(seq 1000 $((999 + runs))); do
    "$game" --headless --frames 6000 --monkey "$s" --record "m$s.zrun" >/dev/null 2>&1; done)

# Sets every run back to waiting, over and over, so that two workers keep verifying while the
# tables are read.
requeue() {  # DB
    local sql="UPDATE runs SET state = 0, lease_until = 0, listed = 0 WHERE state <> 0"
    while sleep 0.2; do
        if [[ $1 == postgresql* ]]; then psql -q "$1" -c "$sql" >/dev/null 2>&1
        else sqlite3 -cmd ".timeout 5000" "$1" "$sql" >/dev/null 2>&1; fi
    done
}

"$root/scripts/pg-scratch" start "$work/pg" 55432 >"$work/pg.url"
for db in "$work/board.db" "$(cat "$work/pg.url")"; do
    kind=SQLite; [[ $db == postgresql* ]] && kind=PostgreSQL
    echo "== $kind"
    "$board" --db "$db" --port 0 --posts-per-minute 0 --requests-per-minute 0 >"$work/srv.log" 2>&1 &
    server=$!; pids+=($server)
    port=$(port_of "$work/srv.log")
    send_all "$port" "$work"/runs/*.zrun >/dev/null
    start=$(date +%s.%N)
    /usr/bin/time -f "%U %S" -o "$work/cpu" "$board" --worker --db "$db" --until-empty
    read -r user sys <"$work/cpu"
    python3 - "$user" "$sys" "$start" "$runs" <<'PY'
import sys, time
cpu = float(sys.argv[1]) + float(sys.argv[2]); wall = time.time() - float(sys.argv[3])
play_min = int(sys.argv[4]) * 6000 / 41.7 / 60
print("verify: %.1f min of play in %.2f s CPU (%.2f s wall, one worker, its replays included):"
      " %.0f min of play per core-minute" % (play_min, cpu, wall, play_min / (cpu / 60)))
PY
    python3 "$root/bench/board_load.py" "$port" 500 10 | sed 's/^/idle:     /'
    requeue "$db" & requeuer=$!; pids+=($requeuer)
    "$board" --worker --db "$db" --name bench1 & w1=$!; pids+=($w1)
    "$board" --worker --db "$db" --name bench2 & w2=$!; pids+=($w2)
    python3 "$root/bench/board_load.py" "$port" 500 10 | sed 's/^/2 workers: /'
    kill "$requeuer" "$w1" "$w2"; wait "$requeuer" "$w1" "$w2" 2>/dev/null || true
    kill "$server"; wait "$server" 2>/dev/null || true
done

# kill -9 at any moment: boards and workers are killed while runs are sent and verified; in the
# end every run that was answered 202 is there once and verified, and no digest is stored twice.
query() {  # DB SQL
    if [[ $1 == postgresql* ]]; then psql -qtA "$1" -c "$2"; else sqlite3 -cmd ".timeout 5000" "$1" "$2"; fi
}
for db in "$work/kill.db" "$(cat "$work/pg.url")"; do
    kind=SQLite; [[ $db == postgresql* ]] && { kind=PostgreSQL; query "$db" "DROP TABLE runs; DROP TABLE board_schema" >/dev/null; }
    accepted=()
    "$board" --worker --db "$db" --lease-seconds 2 & w=$!; pids+=($w)
    for f in "$work"/runs/*.zrun; do
        "$board" --db "$db" --port 0 --posts-per-minute 0 >"$work/srv.log" 2>&1 & server=$!; pids+=($server)
        port=$(port_of "$work/srv.log")
        send_all "$port" "$f" >"$work/ids" & sender=$!
        sleep 0.0$((RANDOM % 6))
        kill -9 "$server" "$w" 2>/dev/null || true
        wait "$sender" "$server" "$w" 2>/dev/null || true
        accepted+=($(cat "$work/ids"))
        "$board" --worker --db "$db" --lease-seconds 2 & w=$!; pids+=($w)
    done
    kill -9 "$w"; wait "$w" 2>/dev/null || true
    "$board" --worker --db "$db" --until-empty
    stored=$(query "$db" "SELECT count(*) FROM runs")
    verified=$(query "$db" "SELECT count(*) FROM runs WHERE state = 1")
    twice=$(query "$db" "SELECT count(*) FROM (SELECT digest FROM runs GROUP BY digest HAVING count(*) > 1) AS d")
    lost=0
    for id in "${accepted[@]}"; do
        [[ $(query "$db" "SELECT state FROM runs WHERE id = $id") == 1 ]] || lost=$((lost + 1))
    done
    echo "kill -9 ($kind): ${#accepted[@]} runs answered 202, $stored stored, $verified verified," \
        "$lost of the accepted lost or unverified, $twice digests stored twice"
done
