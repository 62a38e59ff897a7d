#!/usr/bin/env bash
# Installs the Debian packages that are missing (install-packages.sh), then
# configures and builds the program and its tests into build/ (a Debug
# build unless KELVARO_BUILD_TYPE says otherwise).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bash "$root/scripts/install-packages.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE="${KELVARO_BUILD_TYPE:-Debug}"
cmake --build "$root/build"
