#!/usr/bin/env bash
# Load and fault figures of pebbledash-scores on each back end, loopback only.
# For SQLite and for PostgreSQL (a throwaway cluster of its own):
#   1. CLIENTS concurrent clients make PER_CLIENT submissions each, the game's whole exchange
#      (version request, then submission); prints submissions per second and p50/p99 latency;
#   2. the same load again on a new database, the server killed (SIGKILL) after KILL_AFTER
#      seconds and restarted on the same port; the load client then checks in the database that
#      every submission is stored exactly once (nothing acknowledged lost, nothing doubled).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
clients="${CLIENTS:-16}"
per_client="${PER_CLIENT:-200}"
kill_after="${KILL_AFTER:-3}"

bash "$root/scripts/deps.sh"
dir="$root/build"
cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DPEBBLEDASH_TESTS=OFF >/dev/null
cmake --build "$dir" --target pebbledash-scores pebbledash-scores-load -j "$(nproc)" >/dev/null
server="$dir/bin/pebbledash-scores"
load="$dir/bin/pebbledash-scores-load"
work="$(mktemp -d)"
server_pid=""
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null && wait "$server_pid" 2>/dev/null || true
  bash "$root/tests/server/pg_cluster.sh" stop "$work/pg" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

# start_server DB PORT: starts the server in the background and sets server_pid and port.
start_server() {
  : >"$work/server.out"
  "$server" --db "$1" --listen "127.0.0.1:$2" --threads 32 --token-rate 1e9 --token-burst 1e9 \
    >"$work/server.out" 2>>"$work/server.err" &
  server_pid=$!
  for _ in $(seq 1 100); do
    port="$(sed -n 's#^Listening on http://.*:\([0-9]*\)/$#\1#p' "$work/server.out")"
    [ -n "$port" ] && return 0
    sleep 0.1
  done
  echo "server did not start" >&2; cat "$work/server.err" >&2; exit 1
}

stop_server() { kill "$server_pid"; wait "$server_pid" || true; server_pid=""; }

bash "$root/tests/server/pg_cluster.sh" start "$work/pg" >/dev/null
socket="$(cat "$work/pg/socket-dir")"
for db in bench_clean bench_fault; do
  psql -q "postgresql://scores@/postgres?host=$socket" -c "CREATE DATABASE $db" >/dev/null
done

cpu="$(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1)"
echo "machine: $cpu, $(nproc) cores; $clients clients x $per_client submissions"
for backend in SQLite PostgreSQL; do
  if [ "$backend" = SQLite ]; then clean="$work/clean.sqlite"; fault="$work/fault.sqlite"
  else clean="postgresql://scores@/bench_clean?host=$socket"; fault="postgresql://scores@/bench_fault?host=$socket"; fi

  start_server "$clean" 0
  echo "== $backend: load"
  "$load" --server "127.0.0.1:$port" --clients "$clients" --per-client "$per_client" --prefix C --verify "$clean"
  stop_server

  start_server "$fault" 0
  echo "== $backend: load, server killed after ${kill_after} s and restarted"
  "$load" --server "127.0.0.1:$port" --clients "$clients" --per-client "$per_client" --prefix F --verify "$fault" &
  load_pid=$!
  sleep "$kill_after"
  { kill -KILL "$server_pid"; wait "$server_pid"; } 2>/dev/null || true
  sleep 0.2
  start_server "$fault" "$port"
  wait "$load_pid"
  stop_server
done
