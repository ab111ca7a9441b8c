#!/usr/bin/env bash
# Start-up and idle-menu figures at 800 x 600, headless, on the real clock.
# Prints: start-up to the first main-menu frame minus the two 500 ms loading pauses,
# and the median and 99th percentile frame time of the idle main menu.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
runs="${RUNS:-5}"
frames="${FRAMES:-600}"

bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" release | tail -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

for i in $(seq 1 "$runs"); do
  rm -rf "$work/data-$i"; mkdir -p "$work/data-$i"
  cp -r "$dir/bin/data" "$dir/bin/sound" "$dir/bin/wdata" "$work/data-$i/" 2>/dev/null || true
  "$dir/bin/pebbledash-headless" --frames "$frames" --frame-ms 0 --data "$work/data-$i" \
    --report "$work/report-$i.json" >/dev/null 2>&1
done

python3 - "$work" "$runs" <<'PY'
import json, statistics, sys, platform, os
work, runs = sys.argv[1], int(sys.argv[2])
reports = [json.load(open(f"{work}/report-{i}.json")) for i in range(1, runs + 1)]
startup = [r["main_menu_ms"] - 1000 for r in reports]
median = [r["frame_ms_median"] for r in reports]
p99 = [r["frame_ms_p99"] for r in reports]
cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), platform.machine())
print(f"machine: {cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}, Mesa llvmpipe (offscreen)")
print(f"start-up to main menu, minus the two 500 ms pauses: median {statistics.median(startup):.0f} ms over {runs} runs")
print(f"idle main menu frame time: median {statistics.median(median):.2f} ms, p99 {statistics.median(p99):.2f} ms")
PY
