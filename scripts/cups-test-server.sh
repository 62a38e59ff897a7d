#!/usr/bin/env bash
# A throwaway print server for the printer-service tests.
#
#   cups-test-server.sh start DIR   write a configuration of its own into DIR,
#                                   start a print server on the Unix socket
#                                   DIR/cups.sock (no network port) and add
#                                   the queues kelvaro_a, kelvaro_b, kelvaro_c,
#                                   kelvaro,d and kelvaro_raw
#   cups-test-server.sh stop DIR    stop that server and remove DIR
#
# The clients reach it through the environment that CTest gives each test:
#   CUPS_SERVER=DIR/cups.sock    this server only, never the system's one
#   CUPS_SERVERROOT=DIR/client   client settings; also where the defaults of
#                                root land (DIR/client/lpoptions)
#   HOME=DIR/home                where the defaults of any other user land
#                                (DIR/home/.cups/lpoptions)
# The queues print to file:///dev/null. kelvaro_a, kelvaro_b and kelvaro,d
# (a name with a comma, which the print server allows) have the test printer
# description tests/printer/kelvaro-test-printer.ppd (A4 by default, Letter,
# A5); kelvaro_c has tests/printer/kelvaro-test-printer-no-a5.ppd (A4 by
# default, Letter, a size of its own named Ticket, sizes of the user's own,
# no A5); kelvaro_raw is a raw queue, without a printer description, which
# tells no paper at all. kelvaro_a is the default. Nothing is ever printed.
# Needs root or sudo: the server drops to the user lp for its helper
# programs, so DIR is readable by lp.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
. "$root/scripts/common.sh"

usage() {
    echo "usage: $0 start|stop DIR" >&2
    exit 2
}
(($# == 2)) || usage
action="$1"
dir="$2"
[[ "$dir" == /* ]] || usage

ppd="$root/tests/printer/kelvaro-test-printer.ppd"
ppd_no_a5="$root/tests/printer/kelvaro-test-printer-no-a5.ppd"
cupsd=/usr/sbin/cupsd
[[ -x "$cupsd" ]] || {
    echo "The print server is not installed (package cups-daemon)." >&2
    exit 1
}

# Clients of this script's own commands talk to the throwaway server only.
client_env() {
    export CUPS_SERVER="$dir/cups.sock"
    export CUPS_SERVERROOT="$dir/client"
    export HOME="$dir/home"
    unset LPDEST PRINTER
}

stop_server() {
    local pid
    if [[ -f "$dir/run/cupsd.pid" ]]; then
        pid="$(cat "$dir/run/cupsd.pid")"
        if [[ "$pid" =~ ^[0-9]+$ ]] && kill -0 "$pid" 2>/dev/null; then
            # A test may have left it stopped (SIGSTOP): it must run to end.
            as_root_without_prompt kill -CONT "$pid" || true
            as_root_without_prompt kill -TERM "$pid" || true
            for _ in $(seq 1 100); do
                kill -0 "$pid" 2>/dev/null || break
                sleep 0.1
            done
            if kill -0 "$pid" 2>/dev/null; then
                as_root_without_prompt kill -KILL "$pid" || true
            fi
        fi
    fi
    as_root_without_prompt rm -rf "$dir"
}

case "$action" in
start)
    stop_server
    as_root_without_prompt mkdir -p "$dir"/{etc/ppd,etc/ssl,spool/tmp,cache,state/certs,run,log,client,home}
    as_root_without_prompt chmod 755 "$dir"
    as_root_without_prompt tee "$dir/etc/cups-files.conf" >/dev/null <<CONF
# Throwaway test server: every file inside $dir.
User lp
Group lp
SystemGroup root
FileDevice Yes
ServerRoot $dir/etc
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF
    as_root_without_prompt tee "$dir/etc/cupsd.conf" >/dev/null <<CONF
# Throwaway test server: its own Unix socket, no network port, no browsing,
# no sharing, no authentication.
LogLevel warn
Listen $dir/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess default
  JobPrivateValues default
  SubscriptionPrivateAccess default
  SubscriptionPrivateValues default
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
    as_root_without_prompt tee "$dir/client/client.conf" >/dev/null <<CONF
ServerName $dir/cups.sock
CONF
    as_root_without_prompt "$cupsd" -t -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" >/dev/null
    # In the foreground (-f) in a session of its own, so that its process id
    # is known for stop and it outlives this script and the test that ran it.
    # The shell writes its own process id and then becomes the server.
    as_root_without_prompt sh -c 'echo $$ >"$1/run/cupsd.pid"; exec setsid "$2" -f -c "$1/etc/cupsd.conf" -s "$1/etc/cups-files.conf"' \
        sh "$dir" "$cupsd" </dev/null >/dev/null 2>&1 &
    for _ in $(seq 1 100); do
        [[ -S "$dir/cups.sock" ]] && break
        sleep 0.1
    done
    if [[ ! -S "$dir/cups.sock" ]]; then
        echo "The test print server did not start:" >&2
        cat "$dir/log/error_log" >&2 2>/dev/null || true
        exit 1
    fi
    client_env
    for queue in kelvaro_a kelvaro_b kelvaro_c kelvaro,d; do
        queue_ppd="$ppd"
        [[ "$queue" == kelvaro_c ]] && queue_ppd="$ppd_no_a5"
        as_root_without_prompt env CUPS_SERVER="$CUPS_SERVER" CUPS_SERVERROOT="$CUPS_SERVERROOT" HOME="$HOME" \
            lpadmin -p "$queue" -E -v file:///dev/null -P "$queue_ppd" 2>&1 |
            grep -v -i 'deprecated' >&2 || true
    done
    as_root_without_prompt env CUPS_SERVER="$CUPS_SERVER" CUPS_SERVERROOT="$CUPS_SERVERROOT" HOME="$HOME" \
        lpadmin -p kelvaro_raw -E -v file:///dev/null 2>&1 | grep -v -i 'deprecated' >&2 || true
    as_root_without_prompt env CUPS_SERVER="$CUPS_SERVER" CUPS_SERVERROOT="$CUPS_SERVERROOT" HOME="$HOME" \
        lpadmin -d kelvaro_a
    lpstat -p -d
    echo "Test print server running on $dir/cups.sock"
    ;;
stop)
    stop_server
    echo "Test print server in $dir stopped"
    ;;
*)
    usage
    ;;
esac
