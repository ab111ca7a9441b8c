#!/usr/bin/env bash
# World figures, headless, Release build:
#  - wall time of one simulation step with ten cars racing on a track (one fixed
#    step a frame, nothing drawn; the frame's race logic included);
#  - simulated seconds per wall second of a seven-car AI race without drawing, counted
#    from the race built (track and cars loaded) to its end, and also from the first
#    main-menu frame, the building included;
#  - frames per second of the same race drawn at 800 x 600 (median and 1 % low).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
track="${TRACK:-1}"
frames="${FRAMES:-6000}"
drawn="${DRAWN_FRAMES:-1500}"

bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" release | tail -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
runner="$dir/bin/pebbledash-headless"

# One fixed step (13.33 ms) a frame, ten cars.
"$runner" --ai-race "$track" --ai-cars 10 --no-draw --frame-ms 13.33 --frames "$frames" \
  --report "$work/step.json" >/dev/null 2>&1
# Seven cars, 16 ms frames, nothing drawn.
"$runner" --ai-race "$track" --no-draw --frame-ms 16 --frames "$frames" \
  --report "$work/nodraw.json" >/dev/null 2>&1
# Seven cars drawn at 800 x 600.
"$runner" --ai-race "$track" --frame-ms 16 --frames "$drawn" \
  --report "$work/drawn.json" >/dev/null 2>&1

python3 - "$work" "$track" <<'PY'
import json, os, platform, sys
work, track = sys.argv[1], sys.argv[2]
step = json.load(open(f"{work}/step.json"))
nodraw = json.load(open(f"{work}/nodraw.json"))
drawn = json.load(open(f"{work}/drawn.json"))
cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), platform.machine())
print(f"machine: {cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, Mesa llvmpipe (offscreen); "
      f"load average {os.getloadavg()[0]:.1f} at the start")
print(f"track {track}")
print(f"one simulation step, ten cars: median {step['frame_ms_median']:.3f} ms, p99 {step['frame_ms_p99']:.3f} ms "
      f"({len(step['cars'])} cars racing)")
race_wall = (nodraw["wall_ms"] - nodraw["ai_race_built_ms"]) / 1000.0
built_wall = (nodraw["wall_ms"] - nodraw["main_menu_ms"]) / 1000.0
print(f"AI race without drawing: {nodraw['sim_seconds']:.1f} simulated s in {race_wall:.2f} wall s: "
      f"{nodraw['sim_seconds'] / race_wall:.0f}x real time (goal 200x); with the race's building "
      f"({built_wall - race_wall:.2f} s): {nodraw['sim_seconds'] / built_wall:.0f}x")
median, p99 = drawn["frame_ms_median"], drawn["frame_ms_p99"]
print(f"AI race drawn at 800 x 600: median {1000.0 / median:.0f} fps ({median:.2f} ms), "
      f"1 % low {1000.0 / p99:.0f} fps ({p99:.2f} ms)")
PY
