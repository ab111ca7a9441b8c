#!/usr/bin/env bash
# Long runs: an AI race and an idle main menu, each for MINUTES (default 10; 60 for the
# hour), on the real clock with drawing, sampling the runner's resident memory every
# INTERVAL seconds (default 30). Prints the samples and the growth after the first
# minute; memory is flat when that growth stays within a few MB.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
minutes="${MINUTES:-10}"
interval="${INTERVAL:-30}"
bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" release | tail -n 1)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp -r "$dir/bin/data" "$dir/bin/sound" "$work/"
[ -d "$dir/bin/wdata" ] && cp -r "$dir/bin/wdata" "$work/"

run() {
  local name="$1"; shift
  "$dir/bin/pebbledash-headless" --data "$work" --frame-ms 0 --frames 100000000 "$@" >/dev/null 2>&1 &
  local pid=$! samples=() elapsed=0
  while [ "$elapsed" -lt $((minutes * 60)) ] && kill -0 "$pid" 2>/dev/null; do
    sleep "$interval"
    elapsed=$((elapsed + interval))
    samples+=("$(awk '/VmRSS/ {print int($2 / 1024)}' "/proc/$pid/status" 2>/dev/null || echo 0)")
  done
  local alive=yes
  kill -0 "$pid" 2>/dev/null || alive="no (ended early)"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  local base="${samples[$(( interval >= 60 ? 0 : 60 / interval - 1 ))]:-${samples[0]:-0}}"
  echo "$name: running at the end: $alive; RSS MB every ${interval}s: ${samples[*]}"
  echo "$name: growth after the first minute: $(( ${samples[-1]:-0} - base )) MB"
}

run "AI race (track 1, 7 cars)" --ai-race 1 --ai-cars 7
run "idle main menu"
