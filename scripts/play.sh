#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and starts the game.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" release | tail -n 1)"
game="$dir/bin/pebbledash"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$game"
fi
echo "No display found: starting the game under a virtual display (Xvfb). Nothing will be visible." >&2
exec xvfb-run -a -s "-screen 0 1024x768x24" "$game"
