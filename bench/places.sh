#!/usr/bin/env bash
# The place at the finish against the order on the line, headless, Release build.
# The test driver plays games started at boot (--new-game) on each difficulty, with
# level 1 on each of the five tracks (the level start draws its track from the clock,
# so --start-ms picks level 1's; later levels fall where the clock puts them) and
# several seeds (which choose the opponents and the pickups). For every level the
# runner reports the frame at which each car completed its laps and the place shown.
# Per difficulty the script prints:
#  - levels, finishes (the player crossed the line) and levels ended otherwise;
#  - finishes where the shown place differs from the order on the line, split into
#    those the tie rule explains (an opponent over the line first but with the
#    player's gate count, not yet through the next gate) and the others;
#  - how often the test driver wins: the place shown 1, and first over the line.
# Long: 3 difficulties x 5 tracks x SEEDS runs of FRAMES frames (several minutes).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seeds="${SEEDS:-4}"
frames="${FRAMES:-9000}"   # 26 ms frames: about 240 simulated seconds, one to three levels
keep="${KEEP:-}"           # a folder to keep the reports in

bin="${BIN:-}"              # a runner's folder (with data/ and sound/) to measure instead of this tree's

if [ -z "$bin" ]; then
  bash "$root/scripts/deps.sh"
  bin="$(bash "$root/scripts/build.sh" release | tail -n 1)/bin"
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
runner="$bin/pebbledash-headless"
mkdir -p "$work/game"
cp -r "$bin/data" "$bin/sound" "$work/game/"
rm -f "$work/game/data/settings.dat" "$work/game/data/records.dat"

for difficulty in 0 1 2; do
  for track in 1 2 3 4 5; do
    for seed in $(seq 1 "$seeds"); do
      car=$(( (seed - 1) % 5 + 1 ))
      rm -f "$work/game/data/settings.dat" "$work/game/data/records.dat"
      "$runner" --data "$work/game" --new-game "$difficulty" "$car" --autodrive --no-draw --seed "$seed" \
        --frame-ms 26 --start-ms $((track - 1)) --frames "$frames" \
        --report "$work/d$difficulty-t$track-s$seed.json" >/dev/null 2>&1
    done
  done
done
if [ -n "$keep" ]; then mkdir -p "$keep" && cp "$work"/d*.json "$keep/"; fi

python3 - "$work" <<'PY'
import glob, json, os, sys
work = sys.argv[1]
names = ["Easy", "Medium", "Hard"]
rows = {d: dict(levels=0, finished=0, unfinished=0, mismatch=0, tie=0, count=0, shown_wins=0, line_wins=0)
        for d in range(3)}
examples = []
for path in sorted(glob.glob(os.path.join(work, "d*.json"))):
    difficulty = int(os.path.basename(path)[1])
    report = json.load(open(path))
    events = [e["event"] for e in report["events"]]
    row = rows[difficulty]
    for level in report["finishes"]:
        row["levels"] += 1
        player = level["player"]
        if level["place"] == 0:  # the clock ran out, the car overturned on the last life, or the run ended
            row["unfinished"] += 1
            continue
        row["finished"] += 1
        ahead = [o for o in level["opponents"] if 0 <= o["frame"] < player["frame"]]
        line_place = len(ahead) + 1
        row["shown_wins"] += level["place"] == 1
        row["line_wins"] += line_place == 1
        if level["place"] == line_place:
            continue
        row["mismatch"] += 1
        # The tie rule: an opponent over the line first but counted level with the player.
        missed = [o for o in ahead if o["checkpoints"] <= player["checkpoints"]]
        if missed and all(o["checkpoints"] == player["checkpoints"] for o in missed) and \
           level["place"] == 1 + sum(o["checkpoints"] > player["checkpoints"] for o in level["opponents"]):
            row["tie"] += 1
        else:
            row["count"] += 1
            if len(examples) < 6:
                examples.append((os.path.basename(path), level["level"], level["track"], level["place"], line_place,
                                 player["checkpoints"], [(o["frame"] - player["frame"], o["checkpoints"]) for o in ahead]))
print("%-7s %6s %8s %10s | %8s %4s %6s | %10s %10s" % ("", "levels", "finished", "unfinished",
                                                           "mismatch", "tie", "count", "shown-wins", "line-wins"))
for d in range(3):
    r = rows[d]
    f = max(r["finished"], 1)
    print("%-7s %6d %8d %10d | %8d %4d %6d | %4d (%3.0f%%) %4d (%3.0f%%)" % (
        names[d], r["levels"], r["finished"], r["unfinished"], r["mismatch"], r["tie"], r["count"],
        r["shown_wins"], 100.0 * r["shown_wins"] / max(r["levels"], 1),
        r["line_wins"], 100.0 * r["line_wins"] / max(r["levels"], 1)))
print("wins are counted over all levels played; tie and count split the mismatches")
for e in examples:
    print("example %s level %d track %d: shown %d, line %d, player gates %d, ahead (frames before, gates) %s" % e)
PY
