#!/usr/bin/env bash
# Saves under kills: a writer of settings and records killed by SIGKILL at random
# moments, KILLS times (default 1000) within SECONDS_LIMIT (default 600); after each kill
# every file must be the old or the new whole record, and the game's start-up
# (LoadSavedFiles) must read it as it is, writing nothing anew. The suite runs 40 kills.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
kills="${KILLS:-1000}"
seconds="${SECONDS_LIMIT:-600}"
bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" test | tail -n 1)"
export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null ASAN_OPTIONS="detect_leaks=0"
PEBBLEDASH_SAVE_KILLS="$kills" PEBBLEDASH_SAVE_KILL_SECONDS="$seconds" \
  "$dir/tests/core_tests" --gtest_filter='SavedFilesKills.*' | grep -E 'save kills|OK|FAILED'
