#!/usr/bin/env bash
# Race figures at 800 x 600, headless, Release build, on Hard (seven opponents) on
# track 1 with the test driver at the wheel:
#  - frame time while racing (after the level intro), median and 99th percentile,
#    with shadows off and on;
#  - level-start time: the first frame of a game started at boot less the first frame
#    of a run that stays in the main menu, both on the hand-driven clock, on which the
#    loading animation's pauses (Sleep) return at once, so no pause is counted;
#  - peak memory (maximum resident set size) of each race run.
# Frame times are wall-clock times between presented frames; the hand-driven clock only
# fixes what the game logic sees (16 ms a frame), so the runs are repeatable. Beside them
# the process's CPU time a frame (every thread: the game's and the software rasteriser's),
# which other programs on the machine disturb far less than the wall clock; on a quiet
# machine with two cores the wall time a frame is a little over half of it. The load
# average at the start is printed: read the wall-clock figures of a loaded machine as
# upper bounds.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
frames="${FRAMES:-1200}"     # frames of each race run; the first 200 (the intro) are left out
runs="${RUNS:-3}"            # runs for the level-start figure

bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" release | tail -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
runner="$dir/bin/pebbledash-headless"

# A program folder with the generated data and a settings file with shadows off or on.
folder() {
  local name="$1" shadows="$2"
  mkdir -p "$work/$name"
  cp -r "$dir/bin/data" "$dir/bin/sound" "$dir/bin/wdata" "$work/$name/" 2>/dev/null || true
  rm -f "$work/$name/data/records.dat"
  python3 - "$work/$name/data/settings.dat" "$shadows" <<'PY'
import struct, sys
s = bytearray(48)
s[0], s[2], s[3] = 1, int(sys.argv[2]), 1          # windowed, shadows, 800 x 600
struct.pack_into("<ii", s, 8, 50, 50)              # volumes
s[27] = 88                                         # boss key F12
struct.pack_into("<7H", s, 32, 203, 205, 200, 208, 200, 208, 57)
open(sys.argv[1], "wb").write(s)
PY
}

for shadows in 0 1; do
  folder "race-$shadows" "$shadows"
  /usr/bin/time -v -o "$work/time-$shadows.txt" "$runner" --data "$work/race-$shadows" --new-game 2 1 --autodrive \
    --frame-ms 16 --start-ms 0 --seed 1 --frames "$frames" --report "$work/race-$shadows.json" >/dev/null 2>&1
done
for i in $(seq 1 "$runs"); do
  folder "menu-$i" 0
  "$runner" --data "$work/menu-$i" --frame-ms 16 --frames 3 --report "$work/menu-$i.json" >/dev/null 2>&1
  folder "start-$i" 0
  "$runner" --data "$work/start-$i" --new-game 2 1 --frame-ms 16 --start-ms 0 --seed 1 --frames 3 \
    --report "$work/start-$i.json" >/dev/null 2>&1
done

python3 - "$work" "$runs" "$frames" <<'PY'
import json, os, platform, statistics, sys
work, runs, frames = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
skip = 200

def percentile(values, fraction):
    values = sorted(values)
    return values[min(len(values) - 1, int(fraction * (len(values) - 1) + 0.5))]

def peak_mb(path):
    for line in open(path):
        if "Maximum resident set size" in line:
            return int(line.split(":")[1]) / 1024.0
    return float("nan")

cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), platform.machine())
print(f"machine: {cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, Mesa llvmpipe (offscreen); "
      f"load average {os.getloadavg()[0]:.1f} at the start")
print(f"race: Hard, track 1, seven opponents and the test driver, 800 x 600, frames {skip + 1}..{frames}")
for shadows in (0, 1):
    report = json.load(open(f"{work}/race-{shadows}.json"))
    racing = report["frame_ms"][skip:]
    cpu = report["frame_cpu_ms"][skip:]
    print(f"shadows {'on ' if shadows else 'off'}: frame time median {statistics.median(racing):.2f} ms, "
          f"p99 {percentile(racing, 0.99):.2f} ms ({len(racing)} frames); "
          f"CPU time a frame median {statistics.median(cpu):.2f} ms, p99 {percentile(cpu, 0.99):.2f} ms; "
          f"peak memory {peak_mb(f'{work}/time-{shadows}.txt'):.0f} MB")
starts = []
for i in range(1, runs + 1):
    menu = json.load(open(f"{work}/menu-{i}.json"))["frame_ms"][0]
    start = json.load(open(f"{work}/start-{i}.json"))["frame_ms"][0]
    starts.append(start - menu)
print(f"level start (race built, track 1 loaded, grid, first race frame), loading pauses not counted: "
      f"median {statistics.median(starts):.0f} ms over {runs} runs")
PY
