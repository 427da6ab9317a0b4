#!/usr/bin/env bash
# Usage: xvfb.sh start N [WIDTHxHEIGHT] | stop N
# A virtual screen :N (1280x900 unless told, 24-bit) for Wine when there is no real display;
# `start` returns once the server answers, so the next command can draw at once.
set -euo pipefail

if [ $# -lt 2 ] || [ $# -gt 3 ] || ! [[ "$2" =~ ^[0-9]+$ ]] ||
    ! [[ "${3:-1280x900}" =~ ^[0-9]+x[0-9]+$ ]]; then
    echo "usage: $0 start DISPLAYNUM [WIDTHxHEIGHT] | stop DISPLAYNUM" >&2
    exit 2
fi
num=$2
size=${3:-1280x900}
pidfile="/tmp/vorlip-xvfb-$num.pid"

running() {
    [ -s "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null
}

case "$1" in
start)
    if running; then
        exit 0
    fi
    if xdpyinfo -display ":$num" >/dev/null 2>&1; then
        echo "$0: display :$num is already taken by another server" >&2
        exit 1
    fi
    log="/tmp/vorlip-xvfb-$num.log"
    # setsid: the server must outlive the shell that started it and ignore its job control.
    setsid Xvfb ":$num" -screen 0 "${size}x24" -nolisten tcp >"$log" 2>&1 </dev/null &
    pid=$!
    echo "$pid" >"$pidfile"
    for _ in $(seq 100); do
        if xdpyinfo -display ":$num" >/dev/null 2>&1; then
            exit 0
        fi
        if ! kill -0 "$pid" 2>/dev/null; then
            break
        fi
        sleep 0.1
    done
    echo "$0: Xvfb :$num did not come up; see $log" >&2
    kill "$pid" 2>/dev/null || true
    rm -f "$pidfile"
    exit 1
    ;;
stop)
    if running; then
        pid=$(cat "$pidfile")
        kill "$pid"
        for _ in $(seq 50); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
    fi
    rm -f "$pidfile"
    ;;
*)
    echo "usage: $0 start DISPLAYNUM [WIDTHxHEIGHT] | stop DISPLAYNUM" >&2
    exit 2
    ;;
esac
