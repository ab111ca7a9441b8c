#!/usr/bin/env bash
# Fuzzes each reader of ours with libFuzzer for a set time and prints executions and findings.
#   bench/fuzz.sh [SECONDS_PER_TARGET=60] [TARGET...]
# Builds build-fuzz/ with clang (-fsanitize=fuzzer,address,undefined), seeds each target
# with the generated data of build/bin (or build-test/bin) when present, and copies every
# input that found a fault into tests/fuzz/corpus/<target>/, which the test suite replays.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(pack image wid sky spg ply saved model share)

dir="$root/build-fuzz"
CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPEBBLEDASH_FUZZ=ON >/dev/null
cmake --build "$dir" -j "$(nproc 2>/dev/null || echo 2)" >/dev/null

data=""
for candidate in "$root/build/bin" "$root/build-test/bin"; do
  [ -d "$candidate/data" ] && { data="$candidate"; break; }
done

# Seeds: the generated files each target reads (none is fine: libFuzzer starts from nothing).
seed_files() {
  [ -n "$data" ] || return 0
  case "$1" in
    pack) ls "$data"/data/*.dat ;;
    image) ls "$data"/data/*.png "$data"/data/*.jpg "$data"/data/*.dds 2>/dev/null | head -20 ;;
    wid) find "$data/data" -name '*.wid' ;;
    sky) ls "$data"/data/*.sky ;;
    spg) ls "$data"/data/*.spg ;;
    ply) ls "$data"/data/*.ply | head -3 ;;
    saved) ls "$data"/data/settings.dat "$data"/data/records.dat 2>/dev/null ;;
    model) ls "$data"/data/*.x | head -10 ;;
    share) ls "$data"/wdata/config.ini 2>/dev/null ;;
  esac
}

printf '%-8s %12s %10s %9s\n' target executions exec/s findings
for target in "${targets[@]}"; do
  work="$(mktemp -d)"
  mkdir -p "$work/corpus" "$work/found"
  while read -r file; do [ -n "$file" ] && cp "$file" "$work/corpus/"; done < <(seed_files "$target" 2>/dev/null || true)
  # Small inputs keep the picture decoders fast; assimp's .x reader leaks a little of its own
  # memory when it throws on a damaged file (every frame of those leaks is inside libassimp),
  # so leaks are not findings for the model target: crashes, hangs and ASan/UBSan faults are.
  extra=(-max_len=1048576)
  case "$target" in
    pack|image|wid) extra=(-max_len=65536) ;;
    model) extra=(-max_len=65536 -detect_leaks=0) ;;
  esac
  # -fork keeps fuzzing past a finding; each finding lands in found/ as crash-*, leak-*, timeout-* or oom-*.
  "$dir/fuzz/fuzz-$target" "$work/corpus" -max_total_time="$seconds" -fork=1 -ignore_crashes=1 \
    -ignore_timeouts=1 -ignore_ooms=1 -timeout=10 -rss_limit_mb=2048 "${extra[@]}" \
    -artifact_prefix="$work/found/" -print_final_stats=1 >"$work/log" 2>&1 || true
  # Fork mode prints "#<executions>: cov: ..." as it goes; the last such line is the total.
  runs="$( (grep -oE '^#[0-9]+' "$work/log" || true) | tail -1 | tr -d '#')"
  findings="$(find "$work/found" -type f | wc -l)"
  printf '%-8s %12s %10s %9s\n' "$target" "${runs:-0}" "$(( ${runs:-0} / (seconds > 0 ? seconds : 1) ))" "$findings"
  if [ "$findings" -gt 0 ]; then
    mkdir -p "$root/tests/fuzz/corpus/$target"
    cp "$work"/found/* "$root/tests/fuzz/corpus/$target/"
    echo "  kept in tests/fuzz/corpus/$target: $(ls "$work/found" | tr '\n' ' ')"
  fi
  rm -rf "$work"
done
