#!/usr/bin/env bash
# Starts the program on the user's display: installs the Debian packages
# that are missing (install-packages.sh), builds only the program, optimized,
# into build-release/ (the tests keep their own Debug build in build/),
# creates the embedded data source when it does not exist yet
# (create-data-source.sh), then runs the program with the project's own
# ODBC configuration.
#
# The build folder is configured only when it has no CMakeCache.txt yet;
# after that the build re-runs the configure by itself whenever a
# CMakeLists.txt changes, so a start with nothing changed builds nothing.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-release"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "The program needs a display, and none is set (neither DISPLAY nor WAYLAND_DISPLAY)." >&2
    echo "Start it from a desktop session, or with a display forwarded (ssh -X)." >&2
    exit 1
fi

bash "$root/scripts/install-packages.sh"
if [[ ! -f "$build/CMakeCache.txt" ]]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF -DKELVARO_BUILD_BENCHMARKS=OFF
fi
cmake --build "$build" --target kelvaro

if [[ ! -f "$root/var/kelvaro.db" || ! -f "$root/var/odbc/odbc.ini" ]]; then
    bash "$root/scripts/create-data-source.sh"
fi

export ODBCSYSINI="$root/var/odbc"
export ODBCINI="$root/var/odbc/odbc.ini"
exec "$build/src/kelvaro"
