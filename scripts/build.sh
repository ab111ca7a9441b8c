#!/usr/bin/env bash
# Configures and builds one flavour of the project into a build folder.
#   scripts/build.sh release   -> build/       (the game, benchmarks)
#   scripts/build.sh test      -> build-test/  (tests, with AddressSanitizer and UBSan)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
flavour="${1:-release}"
jobs="$(nproc 2>/dev/null || echo 2)"

case "$flavour" in
  release) dir="$root/build"; args=(-DCMAKE_BUILD_TYPE=Release -DPEBBLEDASH_TESTS=OFF) ;;
  # Line tables only (-g1): the sanitizers' reports keep their files and lines, and the
  # build and its links are a quarter shorter than with full debug information.
  test)    dir="$root/build-test"; args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DPEBBLEDASH_SANITIZE=ON -DPEBBLEDASH_TESTS=ON
                                         "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG"
                                         "-DCMAKE_C_FLAGS_RELWITHDEBINFO=-O2 -g1 -DNDEBUG") ;;
  *) echo "unknown flavour: $flavour (release or test)" >&2; exit 2 ;;
esac

# Progress goes to stderr; the one line on stdout is the build folder, for the callers.
cmake -S "$root" -B "$dir" "${args[@]}" >&2
cmake --build "$dir" -j "$jobs" >&2
echo "$dir"
