#!/usr/bin/env bash
# Installs what is missing and builds (setup.sh), creates the embedded data
# source when it does not exist yet (create-data-source.sh), then starts the
# program with the project's own ODBC configuration.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bash "$root/scripts/setup.sh"
if [[ ! -f "$root/var/kelvaro.db" || ! -f "$root/var/odbc/odbc.ini" ]]; then
    bash "$root/scripts/create-data-source.sh"
fi

export ODBCSYSINI="$root/var/odbc"
export ODBCINI="$root/var/odbc/odbc.ini"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "No display found: starting the program on a virtual X display (xvfb-run)."
    exec xvfb-run -a "$root/build/src/kelvaro"
fi
exec "$root/build/src/kelvaro"
