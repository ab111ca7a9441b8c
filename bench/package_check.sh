#!/usr/bin/env bash
# The Debian package end to end: builds it (scripts/package.sh), unpacks it into a
# scratch root with dpkg -x and runs the installed-game check on it (read-only game
# folder, desktop entry, AppStream data, icons, manual page, saves in $XDG_DATA_HOME).
# Also shows the package's dependencies and what lintian says, when it is installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

package="$(bash "$root/scripts/package.sh" | tail -n 1)"
bash "$root/tests/install/installed_game_test.sh" --deb "$package" "$root/build/bin/pebbledash-headless"
dpkg-deb --info "$package"
if command -v lintian >/dev/null; then lintian "$package" || true; fi
