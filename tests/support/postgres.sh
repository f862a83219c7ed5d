#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests, so the logbook can be tested on it as on SQLite.
#   postgres.sh start STATEFILE   make a cluster in a scratch folder under /tmp, start it on
#                                 127.0.0.1 and a free port, create the roles norva_owner and
#                                 norva_reader, and write how to reach it to STATEFILE
#   postgres.sh stop STATEFILE    stop it and remove its folder; nothing to do when it is gone
# STATEFILE holds KEY=VALUE lines: FOLDER, HOST, PORT, ADMIN_SOCKET and ADMIN_USER (the
# superuser, trusted on the unix socket inside FOLDER only), OWNER_USER, READER_USER, and
# PGPASSFILE (both roles' passwords, for connections over TCP, which take passwords only).
# initdb refuses root, so as root the cluster is made and run by the postgres system user.
set -euo pipefail

usage() {
    echo "usage: $0 start|stop STATEFILE" >&2
    exit 2
}
[ $# -eq 2 ] || usage
command=$1
state=$(realpath -m -- "$2")

# Nothing of the caller's libpq settings reaches psql or pg_isready.
unset "${!PG@}"

bindir=
for candidate in /usr/lib/postgresql/*/bin; do
    [ -x "$candidate/initdb" ] && bindir=$candidate  # the glob sorts: the newest wins
done
if [ -z "$bindir" ] && command -v initdb >/dev/null; then
    bindir=$(dirname "$(command -v initdb)")
fi

as_server=()
if [ "$(id -u)" -eq 0 ]; then
    as_server=(runuser -u postgres --)
fi
admin=postgres
prefix=/tmp/norva-postgres.

# The value of KEY in the state file, empty when it has none.
state_value() {
    sed -n "s/^$1=//p" "$state" | head -n 1
}

stop() {
    [ -f "$state" ] || return 0
    local folder
    folder=$(state_value FOLDER)
    # Only ever a folder this script made: a damaged state file removes nothing else.
    if [[ $folder == "$prefix"* && -d $folder ]]; then
        if [ -n "$bindir" ] && [ -f "$folder/data/postmaster.pid" ]; then
            (cd "$folder" && "${as_server[@]}" "$bindir/pg_ctl" stop -D "$folder/data" -m fast \
                -w -t 20 >/dev/null) || echo "postgres.sh: the server in $folder did not stop" >&2
        fi
        rm -rf -- "$folder"
    fi
    rm -f -- "$state"
}

case "$command" in
    stop)
        stop
        exit 0
        ;;
    start) ;;
    *) usage ;;
esac

if [ -z "$bindir" ]; then
    echo "postgres.sh: no PostgreSQL server here (initdb not found); install postgresql" >&2
    exit 1
fi
if [ ${#as_server[@]} -ne 0 ] && ! id postgres >/dev/null 2>&1; then
    echo "postgres.sh: running as root, but there is no postgres user to run the server as" >&2
    exit 1
fi
# One left behind by a run that was cut short goes first.
stop

folder=$(mktemp -d "${prefix}XXXXXXXX")
started=
# Says why, with the last lines of the logs that tell more, and leaves nothing behind.
fail() {
    echo "postgres.sh: $1" >&2
    shift
    local file
    for file in "$@"; do
        if [ -s "$file" ]; then
            echo "--- last lines of $(basename "$file"):" >&2
            tail -n 20 "$file" >&2
        fi
    done
    exit 1
}
cleanup() {
    local status=$?
    if [ "$status" -ne 0 ]; then
        if [ -n "$started" ]; then
            "${as_server[@]}" "$bindir/pg_ctl" stop -D "$folder/data" -m immediate >/dev/null \
                2>&1 || true
        fi
        rm -rf -- "$folder"
        rm -f -- "$state"
    fi
}
trap cleanup EXIT
if [ ${#as_server[@]} -ne 0 ]; then
    chown postgres: "$folder"
fi
# The server's user may not be able to enter the caller's folder.
cd "$folder"

"${as_server[@]}" "$bindir/initdb" -D "$folder/data" -U "$admin" --encoding=UTF8 \
    --locale=C.UTF-8 --auth-local=trust --auth-host=scram-sha-256 --no-sync \
    >"$folder/initdb.log" 2>&1 || fail "initdb failed" "$folder/initdb.log"
# Passwords over TCP for everyone, so the tests connect as the program will; the superuser alone
# comes in through the socket, without one, to set up.
"${as_server[@]}" tee "$folder/data/pg_hba.conf" >/dev/null <<EOF
local all $admin trust
host all all 127.0.0.1/32 scram-sha-256
EOF
# Only this folder's socket and 127.0.0.1; durability is of no use to a server that lives for
# one test run.
"${as_server[@]}" tee -a "$folder/data/postgresql.conf" >/dev/null <<EOF
listen_addresses = '127.0.0.1'
unix_socket_directories = '$folder'
fsync = off
synchronous_commit = off
full_page_writes = off
EOF

# A port from a range below the kernel's ephemeral ones; another one when it is taken, or when
# something takes it between the look and the server's bind.
log=$folder/server.log
port=
for _ in 1 2 3 4 5 6 7 8 9 10; do
    candidate=$((20000 + RANDOM % 10000))
    if (exec 3<>"/dev/tcp/127.0.0.1/$candidate") 2>/dev/null; then
        continue
    fi
    rm -f -- "$log"
    started=yes
    if "${as_server[@]}" "$bindir/pg_ctl" start -D "$folder/data" -l "$log" -w -t 20 \
        -o "-p $candidate" >"$folder/pg_ctl.log" 2>&1; then
        port=$candidate
        break
    fi
    grep -q 'could not bind\|could not create any TCP/IP sockets' "$log" 2>/dev/null ||
        fail "the server did not start" "$folder/pg_ctl.log" "$log"
    started=
done
[ -n "$port" ] || fail "no free port for the server after 10 tries" "$log"
"$bindir/pg_isready" -q -h 127.0.0.1 -p "$port" -t 20 ||
    fail "the server does not answer on 127.0.0.1:$port" "$log"

"$bindir/psql" -X -q -v ON_ERROR_STOP=1 -h "$folder" -p "$port" -U "$admin" -d postgres \
    >"$folder/roles.log" 2>&1 <<'EOF' || fail "the roles could not be made" "$folder/roles.log"
CREATE ROLE norva_owner LOGIN CREATEDB PASSWORD 'owner-pw';
CREATE ROLE norva_reader LOGIN PASSWORD 'reader-pw';
EOF

# libpq reads a password file only when no one else may read it.
pgpass=$folder/pgpass
(
    umask 077
    printf '127.0.0.1:%s:*:norva_owner:owner-pw\n127.0.0.1:%s:*:norva_reader:reader-pw\n' \
        "$port" "$port" >"$pgpass"
)

cat >"$state.tmp" <<EOF
FOLDER=$folder
HOST=127.0.0.1
PORT=$port
ADMIN_SOCKET=$folder
ADMIN_USER=$admin
OWNER_USER=norva_owner
READER_USER=norva_reader
PGPASSFILE=$pgpass
EOF
mv -f -- "$state.tmp" "$state"
