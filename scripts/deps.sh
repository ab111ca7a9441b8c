#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the game and the tests need (only the missing ones).
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libsdl2-dev libepoxy-dev libassimp-dev libstb-dev libgtest-dev
  libode-dev libopenal-dev libsndfile1-dev libcairo2-dev libcurl4-openssl-dev
  libgl1-mesa-dri libegl-mesa0 libegl1 xvfb xauth xdg-utils
  fonts-dejavu-core fonts-texgyre
  libcpp-httplib-dev libsqlite3-dev libpq-dev postgresql chromium
  imagemagick sox vorbis-tools clang libclang-rt-14-dev
  appstream desktop-file-utils dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  run=()
elif command -v sudo >/dev/null; then
  run=(sudo)
else
  echo "Need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${run[@]}" apt-get update -qq
"${run[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
