#!/usr/bin/env bash
# The installed game: installs it into a scratch root (from a build tree with
# `cmake --install`, or from the .deb with `dpkg -x`), makes the game's folder read-only,
# checks the desktop entry, the AppStream data, the icons and the manual page, then runs
#  1. the headless runner on the installed data folder to the main menu, and
#  2. the installed game itself (offscreen) until it has started, then closes it,
# and checks that every save went to $XDG_DATA_HOME/pebbledash and none into the game.
#
#   installed_game_test.sh --build BUILD_DIR      (the suite: the build's runner)
#   installed_game_test.sh --deb PACKAGE RUNNER   (bench/package_check.sh)
set -euo pipefail

mode="${1:?--build DIR or --deb PACKAGE RUNNER}"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/pebbledash-install-XXXXXX")"
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill -KILL "$game_pid" 2>/dev/null
  chmod -R u+w "$scratch" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

root="$scratch/root"
case "$mode" in
  --build)
    build="${2:?build folder}"
    runner="$build/bin/pebbledash-headless"
    cmake --install "$build" --prefix "$root/usr" >"$scratch/install.log" || { cat "$scratch/install.log"; fail "cmake --install"; }
    ;;
  --deb)
    dpkg -x "${2:?package}" "$root"
    runner="${3:?the headless runner}"
    ;;
  *) fail "unknown mode $mode" ;;
esac
prefix="$root/usr"
share="$prefix/share/pebbledash"

# What is installed, and nothing of the tools or tests.
game="$prefix/games/pebbledash"
[ -x "$game" ] || game="$prefix/bin/pebbledash"
[ -x "$game" ] || fail "no pebbledash executable under $prefix/games or $prefix/bin"
for file in data/sprite.x wdata/config.ini play.url; do
  [ -f "$share/$file" ] || fail "missing $share/$file"
done
[ -d "$share/sound" ] || fail "missing $share/sound"
unexpected="$(find "$root" -name 'pebbledash-headless' -o -name 'assetgen' -o -name '*_tests' -o -name 'pebbledash-scores*' \
  -o -name 'settings.dat' -o -name 'records.dat' -o -name '*.tmp')"
[ -z "$unexpected" ] || fail "installed but not part of the game: $unexpected"

desktop="$(ls "$prefix"/share/applications/*.desktop)"
desktop-file-validate "$desktop" || fail "desktop entry $desktop"
metainfo="$(ls "$prefix"/share/metainfo/*.metainfo.xml)"
appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" || { cat "$scratch/appstream.log"; fail "metainfo $metainfo"; }
id="$(basename "$metainfo" .metainfo.xml)"
[ "$(basename "$desktop")" = "$id.desktop" ] || fail "the desktop entry is not named after the AppStream id $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metainfo does not launch $id.desktop"
icon="$(sed -n 's/^Icon=//p' "$desktop")"
for size in 16 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
  [ -f "$png" ] || fail "missing icon $png"
  read -r width height < <(python3 -c 'import struct,sys; d=open(sys.argv[1],"rb").read(24); print(*struct.unpack(">II", d[16:24]))' "$png")
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is $width x $height"
done
man -l "$prefix/share/man/man6/pebbledash.6.gz" 2>/dev/null | grep -q "XDG_DATA_HOME" || fail "the manual page does not read"

# An older save left in the game's folder (a game that was run from there before), then
# the whole installed tree made read-only, as a system install is for its players.
python3 - "$share/data/settings.dat" <<'EOF'
import struct, sys
record = bytearray(48)
record[0:4] = bytes([1, 0, 0, 1])
record[8:16] = struct.pack("<ii", 30, 77)        # sound and music volume
record[27] = 88                                   # boss key F12
record[32:46] = struct.pack("<7H", 203, 205, 200, 208, 200, 208, 57)
open(sys.argv[1], "wb").write(record)
EOF
cp "$share/data/settings.dat" "$scratch/old-settings.dat"
chmod -R a-w "$root"
listing_before="$(cd "$root" && find . -printf '%p %s\n' | sort)"

export SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export PEBBLEDASH_HOTKEY_SOCKET="$scratch/hotkey.sock"

# 1. The runner on the installed data folder: the saves move to the user's folder, with
# the old settings copied over, and the main menu is reached.
export XDG_DATA_HOME="$scratch/runner-home"
"$runner" --data "$share" --frames 60 --frame-ms 16 --no-draw --report "$scratch/report.json" >"$scratch/runner.log" 2>&1 ||
  { cat "$scratch/runner.log"; fail "the runner on the installed data failed"; }
python3 - "$scratch/report.json" <<'EOF' || fail "the runner did not reach the main menu with every file"
import json, sys
report = json.load(open(sys.argv[1]))
assert report["app_state"] == 5, report["app_state"]
assert report["missing_files"] == [], report["missing_files"]
EOF
saves="$XDG_DATA_HOME/pebbledash"
cmp "$saves/settings.dat" "$scratch/old-settings.dat" || fail "the game folder's settings were not carried over"
[ "$(stat -c %s "$saves/records.dat")" = 480 ] || fail "no records file in $saves"

# 2. The installed game itself, from a folder of its own: it finds its data from its
# path, writes its saves to a fresh user folder, and on SIGTERM (the window's close)
# ends cleanly and opens the installed play.url (recorded by a stand-in xdg-open).
export XDG_DATA_HOME="$scratch/game-home"
mkdir -p "$scratch/path" "$scratch/elsewhere"
printf '#!/bin/sh\necho "$@" >> "%s/opened"\n' "$scratch" >"$scratch/path/xdg-open"
chmod +x "$scratch/path/xdg-open"
saves="$XDG_DATA_HOME/pebbledash"
(cd "$scratch/elsewhere" && PATH="$scratch/path:$PATH" exec "$game") >"$scratch/game.log" 2>&1 &
game_pid=$!
# Started once both saves exist; a slow machine is given up to two minutes.
for _ in $(seq 1200); do
  [ -f "$saves/records.dat" ] && [ -f "$saves/settings.dat" ] && break
  kill -0 "$game_pid" 2>/dev/null || break
  sleep 0.1
done
[ -f "$saves/records.dat" ] || { cat "$scratch/game.log"; fail "the installed game wrote no saves to $saves"; }
sleep 2
kill -TERM "$game_pid"
status=0
wait "$game_pid" || status=$?
game_pid=""
[ "$status" = 0 ] || { cat "$scratch/game.log"; fail "the installed game ended with status $status"; }
[ "$(stat -c %s "$saves/settings.dat")" = 48 ] || fail "the game's settings file is not 48 bytes"
# The opener runs detached and may finish after the game.
for _ in $(seq 100); do [ -s "$scratch/opened" ] && break; sleep 0.1; done
grep -q "^$(sed -n 's/^URL=//p' "$share/play.url" | tr -d '\r')\$" "$scratch/opened" ||
  fail "the installed play.url was not opened: $(cat "$scratch/opened" 2>/dev/null)"
[ -z "$(ls "$scratch/elsewhere")" ] || fail "the game wrote into its working folder"

listing_after="$(cd "$root" && find . -printf '%p %s\n' | sort)"
[ "$listing_before" = "$listing_after" ] || fail "the installed tree changed: $(diff <(echo "$listing_before") <(echo "$listing_after"))"
echo "installed game: data from $share, saves in \$XDG_DATA_HOME/pebbledash, entries valid"
