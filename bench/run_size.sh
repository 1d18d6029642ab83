#!/usr/bin/env bash
# The size of runs on disk and in the page's link, in format 1 (each event with its own frame;
# its link rewrote the frames as the frames since the line before) and in format 2 (what the
# game writes now), side by side:
#   demo       the shipped demo, 43 s played by a person
#   played     bench/runs/played_10min.zrun: 10 minutes played by a person's pace under Xvfb
#              (keys held 0.2 to 1.5 s with the X server's key repeat, let go for 0.1 to 0.7 s,
#              Space now and then), verified first
#   monkey     10 minutes (25,000 frames) of the random player: every frame busy, an upper bound
#   scripted   10 minutes scripted at a player's rate without key repeat (a direction held for
#              0.2 to 1.5 s, let go for 0.1 to 0.7 s, a shot every few seconds)
# A link's length is measured with the page's own steps (CompressionStream deflate-raw and
# base64url, in Node).
#
#   bench/run_size.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
frames=25000
zarvo=("$build/zarvo" --assets "$build/assets")

"${zarvo[@]}" --verify "$root/bench/runs/played_10min.zrun" >/dev/null
cp "$root/packaging/demo.zrun" "$work/demo.zrun"
cp "$root/bench/runs/played_10min.zrun" "$work/played.zrun"
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

# Each run in format 1 (its events with their own frames, its check line made anew) and in
# format 2 as the game wrote it; the format 1 link text with its frames since the line before,
# as the page made it.
python3 - "$work" <<'PY'
import sys
work = sys.argv[1]

def with_check(lines):
    h = 0xcbf29ce484222325
    for b in "".join(l + "\n" for l in lines if not l.startswith("check ")).encode():
        h = ((h ^ b) * 0x100000001b3) & 0xFFFFFFFFFFFFFFFF
    return [f"check fnv1a64 {h:016x}" if l.startswith("check ") else l for l in lines]
for run in ["demo", "played", "monkey", "scripted"]:
    lines = open(f"{work}/{run}.zrun").read().split("\n")
    assert lines[0] == "zarvo-run 2", run
    at = next(i for i, l in enumerate(lines) if l.startswith("events "))
    events, last = [], 0
    for l in lines[at + 1:lines.index("end")]:
        w = l.split(" ")
        for gap in (w[1:] if w[0] == "again" else w[:1]):
            last += int(gap)
            events.append((last, events[-1][1] if w[0] == "again" else " ".join(w[1:])))
    head = ["zarvo-run 1"] + lines[1:at + 1]
    tail = ["end", ""]
    head = with_check(head + [f"{f} {e}" for f, e in events] + tail[:1])[:len(head)]
    open(f"{work}/{run}.v1", "w").write("\n".join(head + [f"{f} {e}" for f, e in events] + tail))
    gaps = [f - g for (f, _), (g, _) in zip(events, [(0, "")] + events)]
    open(f"{work}/{run}.v1link", "w").write(
        "\n".join(head + [f"{g} {e}" for g, (_, e) in zip(gaps, events)] + tail))
PY
link_length() {
    node -e '
const text = require("fs").readFileSync(process.argv[1]);
new Response(new Blob([text]).stream().pipeThrough(new CompressionStream("deflate-raw")))
  .arrayBuffer().then((packed) => console.log(Buffer.from(packed).toString("base64url").length));
' "$1"
}
printf 'run_size: %-9s %7s %6s %7s  %-18s %-18s\n' run frames events played "disk: format 1 > 2" \
    "link: format 1 > 2"
for run in demo played monkey scripted; do
    file=$work/$run.zrun
    played=$(sed -n 's/^frames //p' "$file")
    events=$(sed -n 's/^events //p' "$file")
    disk="$(stat -c %s "$work/$run.v1") > $(stat -c %s "$file")"
    link="$(link_length "$work/$run.v1link") > $(link_length "$file")"
    printf 'run_size: %-9s %7s %6s %5s s  %-18s %-18s\n' "$run" "$played" "$events" \
        $((played * 24 / 1000)) "$disk" "$link"
done
