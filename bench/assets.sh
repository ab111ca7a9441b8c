#!/usr/bin/env bash
# Generation time and output size of the asset generator (goal: under 60 s on
# two cores, under 60 MB). Usage: bench/assets.sh [build folder], default build-assets.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build-assets}"
generator="$build/bin/assetgen"
if [[ ! -x "$generator" ]]; then
  echo "no generator at $generator: build the assetgen target first" >&2
  exit 1
fi
font="$(grep -E '^ASSETGEN_FONT:' "$build/CMakeCache.txt" | cut -d= -f2-)"
bold="$(grep -E '^ASSETGEN_BOLD_FONT:' "$build/CMakeCache.txt" | cut -d= -f2-)"
url="$(grep -E '^PEBBLEDASH_PUBLISHER_URL:' "$build/CMakeCache.txt" | cut -d= -f2-)"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
start=$(date +%s.%N)
"$generator" --out "$out/bin" --manifest "$out/manifest.txt" --font "$font" --bold-font "$bold" \
  --publisher "$url" > /dev/null
end=$(date +%s.%N)
bytes=$(tail -1 "$out/manifest.txt" | awk '{print $3}')
files=$(tail -1 "$out/manifest.txt" | awk '{print $1}')
awk -v f="$files" -v b="$bytes" -v s="$start" -v e="$end" \
  'BEGIN { printf "assets: %s files, %.1f MB, generated in %.1f s\n", f, b / 1048576, e - s }' 
printf 'largest:\n'
sort -k1,1nr "$out/manifest.txt" | grep -v '^#' | head -5 | awk '{printf "  %8.1f KB  %s\n", $1 / 1024, $2}'
