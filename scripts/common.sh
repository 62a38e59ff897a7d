# The shell functions that the scripts share; each script sources it from
# its own folder:
#
#     . "$(dirname "${BASH_SOURCE[0]}")/common.sh"
#
# (installed, create-data-source.sh finds it beside itself the same way).

# The SQLite3 ODBC driver's library (package libsqliteodbc), printed on
# standard output; says so and fails when it is not installed.
sqlite_odbc_driver() {
    local candidate
    for candidate in /usr/lib/*/odbc/libsqlite3odbc.so /usr/lib/odbc/libsqlite3odbc.so \
        /usr/local/lib/libsqlite3odbc.so; do
        if [[ -f "$candidate" ]]; then
            echo "$candidate"
            return 0
        fi
    done
    echo "The SQLite3 ODBC driver (libsqlite3odbc.so, package libsqliteodbc) is not installed." >&2
    return 1
}

# Runs a command as root: directly when this is root, else through sudo,
# which may ask for the user's password.
as_root() {
    if [[ $EUID -eq 0 ]]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "This needs root, and neither root nor sudo is available: $*" >&2
        return 1
    fi
}

# The same without a password prompt (sudo -n), for the tests' throwaway
# servers: a test must fail rather than wait at a prompt nobody sees.
as_root_without_prompt() {
    if [[ $EUID -eq 0 ]]; then
        "$@"
    else
        sudo -n "$@"
    fi
}

# Runs a command as the postgres user (the PostgreSQL server's own), from
# root or through sudo without a password prompt.
as_postgres() {
    if [[ $EUID -eq 0 ]]; then
        runuser -u postgres -- "$@"
    else
        sudo -n -u postgres -- "$@"
    fi
}

# The newest PostgreSQL server's programs folder (package postgresql),
# printed on standard output; says so and fails when there is none.
postgres_bindir() {
    local bindir
    bindir="$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)"
    if [[ -z "$bindir" ]]; then
        echo "PostgreSQL server binaries not found (package postgresql)." >&2
        return 1
    fi
    echo "$bindir"
}
