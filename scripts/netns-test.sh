#!/usr/bin/env bash
# Runs a test in a network namespace of its own, with the loopback interface
# up and a throwaway PostgreSQL cluster on 127.0.0.1:PORT inside it, so that
# the test may take the network away (ip link set lo down) without touching
# the machine's own network or the other tests' servers. In a mount
# namespace of its own too, the name server of the test's resolv.conf is
# the address KELVARO_TEST_UNREACHABLE_ADDRESS, which never answers (the
# test sets that address up): a host name then takes the resolver's whole
# wait, as with a name server that is gone (KELVARO_TEST_SILENT_DNS=1 says
# so).
#
#   netns-test.sh DIR PORT COMMAND [ARGUMENTS...]
#
# The cluster (pg-test-server.sh) lives in DIR and is removed afterwards.
# Without root, or where network namespaces cannot be made, the test is
# skipped: the script says why and exits with 77.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

inside=false
if [[ "${1:-}" == "--inside" ]]; then
    inside=true
    shift
fi
if (($# < 3)); then
    echo "usage: $0 DIR PORT COMMAND [ARGUMENTS...]" >&2
    exit 2
fi
dir="$1"
port="$2"
shift 2

if ! $inside; then
    skip() {
        echo "Skipped: $*"
        exit 77
    }
    [[ $EUID -eq 0 ]] || skip "a network namespace of its own needs root"
    command -v unshare >/dev/null || skip "unshare (package util-linux) is not installed"
    command -v ip >/dev/null || skip "ip (package iproute2) is not installed"
    unshare -n -m true 2>/dev/null ||
        skip "this machine does not allow a network and mount namespace (unshare -n -m)"
    exec unshare -n -m -- bash "${BASH_SOURCE[0]}" --inside "$dir" "$port" "$@"
fi

ip link set lo up
if [[ -n "${KELVARO_TEST_UNREACHABLE_ADDRESS:-}" && -e /etc/resolv.conf ]]; then
    resolv="$(mktemp)"
    printf 'nameserver %s\noptions timeout:5 attempts:2\n' "$KELVARO_TEST_UNREACHABLE_ADDRESS" >"$resolv"
    chmod 644 "$resolv"
    if mount --bind "$resolv" /etc/resolv.conf; then
        export KELVARO_TEST_SILENT_DNS=1
    fi
fi
bash "$here/pg-test-server.sh" start "$dir" "$port" >/dev/null
trap 'bash "$here/pg-test-server.sh" stop "$dir" "$port" >/dev/null' EXIT
KELVARO_TEST_NETNS=1 "$@"
