#!/usr/bin/env bash
# The full damaged-file matrix: every generated file alone missing, cut to half and
# replaced by random bytes, under a short race and a short menu walk, in parallel.
# The test suite runs the same test with the files spread over five groups.
#   bench/damaged_files.sh            (about 3 x 2 runs per file)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" test | tail -n 1)"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export PEBBLEDASH_BIN="$dir/bin" PEBBLEDASH_DAMAGE_GROUPS=0
start=$(date +%s)
"$dir/tests/flow_tests" --gtest_filter='EachKind/DamagedFiles.*'
echo "full matrix: $(( $(date +%s) - start )) s"
