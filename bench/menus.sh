#!/usr/bin/env bash
# Menu figures at 800 x 600, headless, Release build:
#  - frame time of the idle main menu (column at rest), median and 99th percentile;
#  - frame time while a screen slides in or out beside the column (the car choice opened
#    and closed five times), median and 99th percentile;
#  - Apply with a display change (shadows switched on): the run's wall time less that of the
#    same run without the Enter on Apply, so the display's re-creation and rebuild. On
#    the hand-driven clock the init phase's two 500 ms loading pauses return at once, so
#    they are not counted.
# Frame times are wall-clock times between presented frames; the hand-driven clock (16 ms a
# frame) only fixes what the menus see, so the slides fall on the same frames every run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${RUNS:-3}"

bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" release | tail -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
runner="$dir/bin/pebbledash-headless"

folder() {
  rm -rf "$work/$1"; mkdir -p "$work/$1"
  cp -r "$dir/bin/data" "$dir/bin/sound" "$dir/bin/wdata" "$work/$1/" 2>/dev/null || true
  rm -f "$work/$1/data/settings.dat" "$work/$1/data/records.dat"
}
key() { echo "$1 key $2 down"; echo "$(($1 + 1)) key $2 up"; }

# Idle from frame 150 to 400, then five rounds of Enter (the car choice slides in over
# about 40 frames) and Escape (it slides out) 100 frames apart.
{ for i in 0 1 2 3 4; do key $((400 + 100 * i)) 28; key $((450 + 100 * i)) 1; done; } > "$work/slides.txt"
# Down, Enter: options; Down four times to the shadows, Enter, Down, Enter on Apply at 230.
{ key 150 208; key 153 28; key 205 208; key 208 208; key 211 208; key 214 208; key 217 28; key 220 208; key 230 28; } \
  > "$work/apply.txt"
# The same walk without the Enter on Apply: the difference in wall time is Apply's cost.
grep -v '^23[01] key 28 ' "$work/apply.txt" > "$work/stay.txt"

for i in $(seq 1 "$runs"); do
  folder "slides-$i"
  "$runner" --frames 900 --data "$work/slides-$i" --script "$work/slides.txt" --report "$work/slides-$i.json" >/dev/null 2>&1
  folder "apply-$i"
  "$runner" --frames 300 --frame-ms 16 --data "$work/apply-$i" --script "$work/apply.txt" \
    --report "$work/apply-$i.json" >/dev/null 2>&1
  folder "stay-$i"
  "$runner" --frames 300 --frame-ms 16 --data "$work/stay-$i" --script "$work/stay.txt" \
    --report "$work/stay-$i.json" >/dev/null 2>&1
done

python3 - "$work" "$runs" <<'PY'
import json, statistics, sys, platform, os
work, runs = sys.argv[1], int(sys.argv[2])
def pct(values, f):
    values = sorted(values)
    return values[min(len(values) - 1, int(f * (len(values) - 1) + 0.5))]
idle, slide, apply_ms = [], [], []
for i in range(1, runs + 1):
    frames = json.load(open(f"{work}/slides-{i}.json"))["frame_ms"]
    idle += frames[150:400]
    for r in range(5):
        for start in (400 + 100 * r, 450 + 100 * r):
            slide += frames[start + 2:start + 40]
    report = json.load(open(f"{work}/apply-{i}.json"))
    assert report["app_state"] == 6 and report["loading_pictures"] == 20, "Apply did not re-create the display"
    stay = json.load(open(f"{work}/stay-{i}.json"))
    assert stay["loading_pictures"] == 10, "the run without Apply re-created the display"
    apply_ms.append(report["wall_ms"] - stay["wall_ms"])
cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), platform.machine())
print(f"machine: {cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, Mesa llvmpipe (offscreen)")
print(f"idle main menu frame time: median {statistics.median(idle):.2f} ms, p99 {pct(idle, 0.99):.2f} ms")
print(f"menu during a slide, frame time: median {statistics.median(slide):.2f} ms, p99 {pct(slide, 0.99):.2f} ms")
print(f"Apply with a display change, the display re-created and every screen rebuilt, pauses not counted: median {statistics.median(apply_ms):.0f} ms over {runs} runs")
PY
