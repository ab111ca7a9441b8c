#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs the whole test suite headless.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" test | tail -n 1)"

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null
# Mesa's software renderer keeps allocations until exit; leaks are not ours to judge there.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$dir"
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)" --timeout 600
