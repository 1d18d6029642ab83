#!/usr/bin/env bash
# The size of a 10-minute game's run (25,000 frames): one played by the random player (every
# frame busy: the upper bound) and one scripted at a player's rate (a direction held for 0.2 to
# 1.5 s, let go for 0.1 to 0.7 s, a shot every few seconds, after starting from the title).
#
#   bench/run_size.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
frames=25000
zarvo=("$build/zarvo" --assets "$build/assets")

"${zarvo[@]}" --headless --frames $frames --monkey 5 --record "$work/monkey.zrun" >/dev/null 2>&1 || true
python3 - "$work/scripted.txt" $frames <<'PY'
import random, sys
path, frames = sys.argv[1], int(sys.argv[2])
r = random.Random(7)
lines = ["seed 77", "screen 1024 768", "20 move 505 475", "21 click"]
f, dirs = 120, ["up", "down", "left", "right"]
while f < frames - 100:
    d = r.choice(dirs)
    lines.append(f"{f} hold {d}")
    f += r.randint(8, 62)
    lines.append(f"{f} release {d}")
    f += r.randint(4, 29)
    if r.random() < 0.2:
        lines.append(f"{f} key 32")
open(path, "w").write("\n".join(lines) + "\n")
PY
"${zarvo[@]}" --headless --frames $frames --input "$work/scripted.txt" --record "$work/scripted.zrun" >/dev/null
for run in monkey scripted; do
    events=$(sed -n 's/^events //p' "$work/$run.zrun")
    echo "run_size: $run: $(stat -c %s "$work/$run.zrun") bytes, $events events in $frames frames"
done
