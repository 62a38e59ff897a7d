#!/usr/bin/env bash
# Installs the Debian packages that are missing (install-packages.sh), then
# configures and builds the program and its tests into build/ (a Debug
# build unless KELVARO_BUILD_TYPE says otherwise). With
# KELVARO_WARNINGS_AS_ERRORS=ON (as .ci/run sets it) every compiler warning
# is an error; each run sets the option anew, so a run without it builds
# without -Werror again.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bash "$root/scripts/install-packages.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE="${KELVARO_BUILD_TYPE:-Debug}" \
    -DKELVARO_WARNINGS_AS_ERRORS="${KELVARO_WARNINGS_AS_ERRORS:-OFF}"
cmake --build "$root/build"
