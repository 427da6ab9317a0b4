#!/usr/bin/env bash
# Printer queues for Wine's spooler to report (run as root; installs nothing, see bootstrap.sh).
#
#   cups.sh start [QUEUE...]   configure and start cupsd, add each QUEUE, make the first the default
#   cups.sh stop               remove the queues `start` added, give the host its default back;
#                              stop cupsd if `start` started it
#
# Wine lists every CUPS queue as a printer (port "CUPS:NAME") and takes the CUPS default as its
# default printer. The queues print to /dev/null through the raw driver, so a test may print or
# change defaults freely; cupsd refuses file: devices unless cups-files.conf allows them.
#
# `start` remembers in $VORLIP_CUPS_STATE (default /run/vorlip-cups) what it created, so that
# `stop` leaves alone a cupsd and queues that were there before.
set -euo pipefail

STATE=${VORLIP_CUPS_STATE:-/run/vorlip-cups}
FILES_CONF=/etc/cups/cups-files.conf

die() {
    echo "cups.sh: $*" >&2
    exit 1
}

usage() {
    sed -n '4,6p' "$0" | sed 's/^# *//' >&2
    exit 2
}

scheduler_running() {
    lpstat -r 2>/dev/null | grep -q "scheduler is running"
}

wait_for_scheduler() {
    local i
    for i in $(seq 100); do
        scheduler_running && return 0
        sleep 0.1
    done
    die "cupsd did not come up within 10 s"
}

# True when the configuration had to change (a running cupsd then has to reread it).
allow_file_device() {
    grep -qE '^[[:space:]]*FileDevice[[:space:]]+Yes' "$FILES_CONF" && return 1
    if grep -qE '^[[:space:]]*#?[[:space:]]*FileDevice' "$FILES_CONF"; then
        sed -i -E 's/^[[:space:]]*#?[[:space:]]*FileDevice.*/FileDevice Yes/' "$FILES_CONF"
    else
        echo "FileDevice Yes" >>"$FILES_CONF"
    fi
    return 0
}

queue_exists() {
    lpstat -p "$1" >/dev/null 2>&1
}

start() {
    [ -f "$FILES_CONF" ] || die "$FILES_CONF missing (is the cups package installed?)"
    mkdir -p "$STATE"
    local changed=0
    allow_file_device && changed=1
    if scheduler_running && [ "$changed" -eq 1 ]; then
        # Installing the package may have started a cupsd before file devices were allowed; it
        # reads the setting only when it starts, so it is restarted (as ours) with it.
        echo "cups.sh: restarting cupsd so that it allows file devices" >&2
        pkill -x cupsd || true
        for _ in $(seq 50); do pgrep -x cupsd >/dev/null || break; sleep 0.1; done
    fi
    if ! scheduler_running; then
        mkdir -p /run/cups
        setsid cupsd -f </dev/null >/dev/null 2>&1 &
        echo $! >"$STATE/cupsd.pid"
        wait_for_scheduler
    fi
    local queue
    for queue in "$@"; do
        if ! queue_exists "$queue"; then
            # lpadmin warns that raw queues are deprecated; they still work and need no driver.
            lpadmin -p "$queue" -E -v file:///dev/null -m raw 2>/dev/null ||
                die "could not add queue $queue"
            echo "$queue" >>"$STATE/queues"
        fi
    done
    if [ $# -gt 0 ]; then
        # The host's own default comes back at `stop`.
        if [ ! -f "$STATE/default" ]; then
            lpstat -d 2>/dev/null | sed -nE 's/^system default destination: (.*)$/\1/p' \
                >"$STATE/default" || true
        fi
        lpadmin -d "$1"
    fi
}

stop() {
    local queue pid
    if [ -f "$STATE/queues" ]; then
        while read -r queue; do
            [ -n "$queue" ] && lpadmin -x "$queue" 2>/dev/null || true
        done <"$STATE/queues"
        rm -f "$STATE/queues"
    fi
    if [ -f "$STATE/default" ]; then
        queue=$(cat "$STATE/default")
        rm -f "$STATE/default"
        if [ -n "$queue" ] && queue_exists "$queue"; then lpadmin -d "$queue" || true; fi
    fi
    if [ -f "$STATE/cupsd.pid" ]; then
        pid=$(cat "$STATE/cupsd.pid")
        rm -f "$STATE/cupsd.pid"
        # Only if that pid is still a cupsd: after a reboot the number may name another process.
        if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = cupsd ]; then
            kill "$pid"
            local i
            for i in $(seq 50); do
                [ -e "/proc/$pid" ] || break
                sleep 0.1
            done
        fi
    fi
}

[ $# -ge 1 ] || usage
[ "$(id -u)" -eq 0 ] || die "must run as root"
cmd=$1
shift
case "$cmd" in
start) start "$@" ;;
stop) [ $# -eq 0 ] || usage; stop ;;
*) usage ;;
esac
