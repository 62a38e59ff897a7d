#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need
# (dpkg-dev, lintian, appstream and desktop-file-utils for the Debian
# package's build and its check), only those missing (apt-get update runs
# only then). Needs root or sudo when a package is missing.
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/common.sh"

packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
    unixodbc unixodbc-dev libsqliteodbc odbc-postgresql postgresql sqlite3
    libcups2-dev cups-daemon cups-client
    xvfb xauth fonts-wqy-zenhei fonts-liberation libbenchmark-dev libxcb1-dev
    dpkg-dev lintian appstream desktop-file-utils clang-format iproute2 util-linux
)

missing=()
for package in "${packages[@]}"; do
    status="$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)"
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} > 0)); then
    echo "Installing missing packages: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
fi
