#!/usr/bin/env bash
# Starts or stops the throwaway PostgreSQL cluster of the server tests.
#   pg_cluster.sh start STATE   initdb in a new folder under /tmp, start on a Unix socket only,
#                               write the socket folder to STATE/socket-dir
#   pg_cluster.sh stop STATE    stop it and remove the folder
# PostgreSQL refuses to run as root, so as root the cluster belongs to the unprivileged `nobody`.
set -euo pipefail
action="${1:?start or stop}"
state="${2:?state folder}"
bindir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)"
[ -x "$bindir/initdb" ] || { echo "PostgreSQL server binaries not found (install postgresql: scripts/deps.sh)" >&2; exit 1; }

as_owner=()
if [ "$(id -u)" -eq 0 ]; then as_owner=(runuser -u nobody --); fi

stop_cluster() {
  local dir="$1"
  if [ -d "$dir/data" ]; then
    "${as_owner[@]}" "$bindir/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  fi
  rm -rf "$dir"
}

case "$action" in
  start)
    mkdir -p "$state"
    # A cluster left by an interrupted run is stopped first.
    [ -f "$state/socket-dir" ] && stop_cluster "$(cat "$state/socket-dir")"
    rm -f "$state/socket-dir"
    dir="$(mktemp -d /tmp/pebbledash-pg.XXXXXX)"
    [ "$(id -u)" -eq 0 ] && chown nobody "$dir"
    "${as_owner[@]}" "$bindir/initdb" -D "$dir/data" -U scores --auth=trust -E UTF8 --locale=C.UTF-8 \
      >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; exit 1; }
    "${as_owner[@]}" "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
      -o "-c listen_addresses='' -c unix_socket_directories='$dir' -c max_connections=200" start >/dev/null \
      || { cat "$dir/server.log" >&2; exit 1; }
    echo "$dir" > "$state/socket-dir"
    echo "PostgreSQL test cluster on socket folder $dir"
    ;;
  stop)
    [ -f "$state/socket-dir" ] && stop_cluster "$(cat "$state/socket-dir")"
    rm -f "$state/socket-dir"
    ;;
  *) echo "usage: $0 start|stop STATE" >&2; exit 2 ;;
esac
