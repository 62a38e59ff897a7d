#!/usr/bin/env bash
# Creates the embedded data source: the SQLite database var/kelvaro.db from
# data/schema.sql and data/demo-standard-tables.sql, and var/odbc/odbcinst.ini
# + var/odbc/odbc.ini defining the DSN vomar over the SQLite3 ODBC driver.
# The program finds them through ODBCSYSINI and ODBCINI (see start.sh).
#
# An existing database is kept (it holds the school's settings); pass
# --recreate to build it afresh. The ini files are always rewritten.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
var="$root/var"
database="$var/kelvaro.db"

if [[ "${1:-}" == "--recreate" ]]; then
    rm -f "$database"
fi

mkdir -p "$var/odbc"
if [[ ! -f "$database" ]]; then
    # Build into a temporary file so that a failure leaves no half database.
    partial="$database.partial"
    rm -f "$partial"
    {
        echo "BEGIN;"
        cat "$root/data/schema.sql" "$root/data/demo-standard-tables.sql"
        echo "COMMIT;"
    } | sqlite3 -bail "$partial"
    mv "$partial" "$database"
    echo "Created $database"
fi

driver=""
for candidate in /usr/lib/*/odbc/libsqlite3odbc.so /usr/lib/odbc/libsqlite3odbc.so \
    /usr/local/lib/libsqlite3odbc.so; do
    if [[ -f "$candidate" ]]; then
        driver="$candidate"
        break
    fi
done
if [[ -z "$driver" ]]; then
    echo "The SQLite3 ODBC driver (libsqlite3odbc.so, package libsqliteodbc) is not installed." >&2
    exit 1
fi

cat > "$var/odbc/odbcinst.ini" <<INI
[SQLite3]
Description=SQLite3 ODBC Driver
Driver=$driver
INI

# NoCreat=1: a missing database file is a refused connection, never a new
# empty database. (A school that points vomar at a PostgreSQL server through
# psqlODBC instead sets UseServerSidePrepare=0 in that DSN: with server-side
# prepare the server takes the height parameter of "( ? - 1 )" for an
# integer and refuses a height such as 150.5.)
cat > "$var/odbc/odbc.ini" <<INI
[vomar]
Description=Physical-health test scores
Driver=SQLite3
Database=$database
NoCreat=1
Timeout=5000
INI
