#!/usr/bin/env bash
# A throwaway PostgreSQL cluster for the database tests.
#
#   pg-test-server.sh start DIR PORT   initdb into DIR (as the postgres user),
#                                      listen on 127.0.0.1:PORT only, start it
#   pg-test-server.sh stop DIR PORT    stop it and remove DIR
#
# Connections over TCP need a password (scram-sha-256); the Unix socket sits
# in DIR itself, reachable only by the postgres user. The cluster holds the
# role kelvaro_test (password "merovi2749", may create databases) and its
# database kelvaro with data/schema.sql loaded; each test makes its own
# database beside it. Needs root (runuser) or sudo to act as postgres.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$root/scripts/common.sh"

usage() {
    echo "usage: $0 start|stop DIR PORT" >&2
    exit 2
}
(($# == 3)) || usage
action="$1"
dir="$2"
port="$3"
[[ "$port" =~ ^[0-9]+$ ]] || usage
[[ "$dir" == /* ]] || usage

role=kelvaro_test
password=merovi2749

bindir="$(postgres_bindir)"

stop_cluster() {
    if [[ -f "$dir/data/postmaster.pid" ]]; then
        as_postgres "$bindir/pg_ctl" -D "$dir/data" -m immediate -w -t 30 stop >/dev/null || true
    fi
    rm -rf "$dir"
}

case "$action" in
start)
    stop_cluster
    mkdir -p "$dir"
    as_root_without_prompt chown postgres:postgres "$dir"
    chmod 700 "$dir"
    as_postgres "$bindir/initdb" -D "$dir/data" -U postgres -E UTF8 --no-locale \
        --auth-local=trust --auth-host=scram-sha-256 >"$dir/initdb.log" 2>&1 ||
        {
            cat "$dir/initdb.log" >&2
            exit 1
        }
    as_postgres tee -a "$dir/data/postgresql.conf" >/dev/null <<CONF
# Throwaway test cluster: loopback only, its own socket folder (and one of
# the same port in the abstract namespace of its network), no fsync.
listen_addresses = '127.0.0.1'
port = $port
unix_socket_directories = '$dir, @kelvaro-pg-$port'
password_encryption = 'scram-sha-256'
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 200
CONF
    as_postgres tee "$dir/data/pg_hba.conf" >/dev/null <<HBA
local all all trust
host all all 127.0.0.1/32 scram-sha-256
HBA
    if ! as_postgres "$bindir/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 start >/dev/null; then
        cat "$dir/server.log" >&2 || true
        exit 1
    fi
    psql=("$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir" -p "$port")
    as_postgres "${psql[@]}" -U postgres -d postgres <<SQL
CREATE ROLE $role LOGIN CREATEDB PASSWORD '$password';
-- DROP DATABASE ... WITH (FORCE) must also end an autovacuum worker that is
-- busy in a test's database; that needs the right to signal backends.
GRANT pg_signal_backend TO $role;
CREATE DATABASE kelvaro OWNER $role;
SQL
    as_postgres "${psql[@]}" -U "$role" -d kelvaro -1 <"$root/data/schema.sql"
    echo "PostgreSQL test cluster running on 127.0.0.1:$port ($dir)"
    ;;
stop)
    stop_cluster
    echo "PostgreSQL test cluster on port $port stopped"
    ;;
*)
    usage
    ;;
esac
