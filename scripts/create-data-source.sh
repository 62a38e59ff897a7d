#!/usr/bin/env bash
# Creates the embedded data source: a SQLite database made from schema.sql
# and demo-standard-tables.sql, and the DSN vomar over the SQLite3 ODBC
# driver. It works in two places:
#
# - In the source tree (scripts/ beside data/), for start.sh: the database
#   var/kelvaro.db, and var/odbc/odbcinst.ini + var/odbc/odbc.ini defining
#   vomar, which the program finds through ODBCSYSINI and ODBCINI (see
#   start.sh). The ini files are always rewritten. --recreate builds the
#   database afresh. --var DIR puts the database and the ini files into DIR
#   instead of var/, and --data DIR takes schema.sql and
#   demo-standard-tables.sql from DIR instead of data/ (the window shots
#   make each revision's data source so).
# - Installed (share/kelvaro/, with schema.sql beside it), run by the user
#   who starts the program: the user's own database
#   ${XDG_DATA_HOME:-~/.local/share}/kelvaro/kelvaro.db, and vomar in the
#   user's data-source list (~/.odbc.ini, or the file ODBCINI names), where
#   unixODBC finds it with no setting at all. That DSN names the driver by
#   its path, so no driver list is written. The other data sources in the
#   list stay as they are, and a vomar that the driver manager already knows
#   (in the user's list or the system's; it may be the school's own server)
#   is kept: the script says so and changes no list.
#   --recreate is refused: the script names the database to delete instead.
#
# An existing database is never overwritten: it holds the school's settings.
# A new one is built under a temporary name and linked into place only when
# complete, and only if no database has appeared there meanwhile.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
. "$here/common.sh"

usage() {
    echo "usage: $0 [--recreate] [--var DIR] [--data DIR]" >&2
    exit 2
}
recreate=false
var_option=""
data_option=""
while (($# > 0)); do
    case "$1" in
    --recreate) recreate=true ;;
    --var | --data)
        (($# >= 2)) || usage
        [[ "$1" == --var ]] && var_option="$2" || data_option="$2"
        shift
        ;;
    *) usage ;;
    esac
    shift
done

if [[ -f "$here/schema.sql" ]]; then
    installed=true
    data="$here"
    : "${HOME:?HOME is not set}"
    # A relative XDG_DATA_HOME is to be ignored, as if it were unset.
    data_home="${XDG_DATA_HOME:-}"
    [[ "$data_home" == /* ]] || data_home="$HOME/.local/share"
    var="$data_home/kelvaro"
elif [[ -f "$here/../data/schema.sql" ]]; then
    installed=false
    root="$(cd "$here/.." && pwd)"
    data="${data_option:-$root/data}"
    var="${var_option:-$root/var}"
    if [[ -n "$var_option" ]]; then
        mkdir -p "$var"
        var="$(cd "$var" && pwd)"
    fi
else
    echo "schema.sql is neither beside this script nor in ../data." >&2
    exit 1
fi
if $installed && [[ -n "$var_option$data_option" ]]; then
    echo "An installed copy makes only the user's own data source: --var and --data are refused." >&2
    exit 2
fi
database="$var/kelvaro.db"

# Whatever this run leaves half made is removed when it ends.
partial=""
new_ini=""
cleanup() {
    [[ -z "$partial" ]] || rm -f "$partial" "$partial-journal"
    [[ -z "$new_ini" ]] || rm -f "$new_ini"
}
trap cleanup EXIT

driver="$(sqlite_odbc_driver)"

if $recreate; then
    if $installed; then
        echo "An installed copy never deletes a database. To start afresh, delete $database" >&2
        echo "yourself (the school's test-item settings in it are lost) and run $0 again." >&2
        exit 2
    fi
    rm -f "$database"
fi

mkdir -p "$var"
if [[ -e "$database" ]]; then
    echo "Kept the existing database $database"
else
    # Build under a name of this run's own, so that a failure leaves no half
    # database; ln then puts it in place, and fails rather than replace a
    # database that another run has put there meanwhile.
    partial="$database.$$.partial"
    rm -f "$partial"
    {
        echo "BEGIN;"
        cat "$data/schema.sql" "$data/demo-standard-tables.sql"
        echo "COMMIT;"
    } | sqlite3 -bail "$partial"
    if ln "$partial" "$database" 2>/dev/null; then
        echo "Created $database"
    elif [[ -e "$database" ]]; then
        echo "Kept the database $database that appeared meanwhile"
    else
        echo "Could not create $database" >&2
        exit 1
    fi
fi

# NoCreat=1: a missing database file is a refused connection, never a new
# empty database. Timeout=2500: a database that another program holds is
# waited for 2.5 s, which the SQLite driver does twice over in one call, so
# that the window reports it after 5 s. (A school that points vomar at a PostgreSQL server through
# psqlODBC instead sets UseServerSidePrepare=0 in that DSN: with server-side
# prepare the server takes the height parameter of "( ? - 1 )" for an
# integer and refuses a height such as 150.5.)
dsn_settings="Description=Physical-health test scores
Database=$database
NoCreat=1
Timeout=2500"

if ! $installed; then
    mkdir -p "$var/odbc"
    cat >"$var/odbc/odbcinst.ini" <<INI
[SQLite3]
Description=SQLite3 ODBC Driver
Driver=$driver
INI
    cat >"$var/odbc/odbc.ini" <<INI
[vomar]
Driver=SQLite3
$dsn_settings
INI
    exit 0
fi

# The user's data-source list, as the driver manager itself names it
# (ODBCINI, else .odbc.ini in the home folder of the user's account): vomar
# is added to it, the rest is copied as it is. The new list replaces the old
# one in one rename; a link is followed to its file. (odbcinst -i would add
# the section too, but it writes the whole list anew, without its comments
# and with its spacing changed.)
if ! command -v odbcinst >/dev/null; then
    echo "odbcinst (package odbcinst) is not installed." >&2
    exit 1
fi
odbc_ini="$(odbcinst -j | sed -n 's/^USER DATA SOURCES\.*: *//p')"
if [[ -z "$odbc_ini" ]]; then
    echo "odbcinst -j names no file for the user's data sources." >&2
    exit 1
fi
if [[ -L "$odbc_ini" ]]; then
    odbc_ini="$(readlink -f "$odbc_ini")"
fi
# Whether the driver manager already knows a vomar, asked of the driver
# manager itself, so that the section is found however the list spells it
# ([VOMAR], [ vomar ]): first in the user's list, then in the system's.
if user_vomar="$(odbcinst -q -s -h -n vomar 2>/dev/null)"; then
    # Its Database value, if it has one.
    existing="$(printf '%s\n' "$user_vomar" | awk '
        { key = $0; sub(/=.*/, "", key) }
        tolower(key) == "database" { sub(/^[^=]*=/, ""); print; exit }')"
    if [[ "$existing" == "$database" ]]; then
        echo "The data source vomar in $odbc_ini already uses $database"
    else
        echo "The data source vomar is already in $odbc_ini, for another database: kept as it is." >&2
        echo "To use $database, remove vomar's section from that file and run $0 again." >&2
    fi
    exit 0
fi
if odbcinst -q -s -l -n vomar >/dev/null 2>&1; then
    system_ini="$(odbcinst -j | sed -n 's/^SYSTEM DATA SOURCES: *//p')"
    echo "The data source vomar is in the system's list ${system_ini:-of data sources}: kept," >&2
    echo "and the program uses it. Nothing was added to $odbc_ini." >&2
    exit 0
fi
mkdir -p "$(dirname "$odbc_ini")"
new_ini="$odbc_ini.$$.new"
if [[ -f "$odbc_ini" ]]; then
    cat "$odbc_ini" >"$new_ini"
    chmod --reference="$odbc_ini" "$new_ini"
    if [[ -s "$new_ini" ]]; then
        # A last line without its newline would run into the new section.
        [[ -z "$(tail -c 1 "$new_ini")" ]] || echo >>"$new_ini"
        echo >>"$new_ini"
    fi
else
    : >"$new_ini"
fi
cat >>"$new_ini" <<INI
[vomar]
Driver=$driver
$dsn_settings
INI
mv -f "$new_ini" "$odbc_ini"
echo "Added the data source vomar to $odbc_ini"
