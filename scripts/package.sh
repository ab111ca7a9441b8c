#!/usr/bin/env bash
# Builds the Release game and its Debian package, build/pebbledash_VERSION_ARCH.deb
# (installs to /usr: the game in /usr/games, its data in /usr/share/pebbledash).
# Install it with: sudo apt install ./build/pebbledash_*.deb
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

bash "$root/scripts/deps.sh"
dir="$(bash "$root/scripts/build.sh" release | tail -n 1)"
rm -f "$dir"/pebbledash_*.deb
# dpkg-shlibdeps turns the libraries the game links into the package's dependencies.
(cd "$dir" && cpack -G DEB >&2)
package="$(ls "$dir"/pebbledash_*.deb)"
dpkg-deb --field "$package" Package Version Depends >&2
echo "$package"
