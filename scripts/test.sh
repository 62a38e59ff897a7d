#!/usr/bin/env bash
# Installs what is missing and builds (setup.sh), then runs every test.
# The tests are headless; the database tests run once against the SQLite
# ODBC driver and once against a throwaway PostgreSQL cluster on loopback,
# which CTest starts and stops itself (needs root or sudo for the postgres
# user). The test of what `cmake --install` installs runs here too.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bash "$root/scripts/setup.sh"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
