#!/bin/sh
# Posts hot-key message 200 (resume) or 201 (quit) to a running Pebbledash that waits suspended.
# Usage: pebbledash-hotkey.sh resume|quit|200|201
# The game listens on a Unix datagram socket; see platform/README.md.
set -eu

case "${1:-}" in
    resume|200) id=200 ;;
    quit|201) id=201 ;;
    *) echo "usage: $0 resume|quit|200|201" >&2; exit 2 ;;
esac

if [ -n "${PEBBLEDASH_HOTKEY_SOCKET:-}" ]; then
    address=$PEBBLEDASH_HOTKEY_SOCKET
elif [ -n "${XDG_RUNTIME_DIR:-}" ] && [ -d "$XDG_RUNTIME_DIR" ]; then
    address=$XDG_RUNTIME_DIR/pebbledash-hotkey.sock
else
    address=/tmp/pebbledash-hotkey-$(id -un 2>/dev/null || id -u).sock
fi

if [ ! -S "$address" ]; then
    echo "no running game listens at $address" >&2
    exit 1
fi

if command -v socat >/dev/null 2>&1; then
    printf '%s' "$id" | socat -u - "UNIX-SENDTO:$address"
elif command -v python3 >/dev/null 2>&1; then
    python3 -c 'import socket, sys
s = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM)
s.sendto(sys.argv[2].encode(), sys.argv[1])' "$address" "$id"
else
    echo "needs socat or python3 to send" >&2
    exit 1
fi
