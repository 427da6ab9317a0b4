#!/usr/bin/env bash
# Usage: in-ns.sh NAME CMD [ARG...]
# Runs CMD inside network namespace NAME (made by netns.sh) with its own host name, so that
# gethostname is the same on every machine; the environment passes through unchanged. Run as root.
# VORLIP_HOSTNAME overrides the host name (default vorl-test).
#
# Wine: the adapters Wine's IP helper reports are those of the namespace the prefix's wineserver
# (and the services it starts) runs in, not those of the program that asks. A wineserver still
# running for the prefix from another namespace would go on reporting that namespace, so stop it
# first (WINEPREFIX=... wineserver -k) and start the prefix's processes, wineboot included,
# through this script. With WINEPREFIX set we refuse to run next to such a server rather than
# let a test read the wrong network.
set -euo pipefail

if [ $# -lt 2 ]; then
    echo "usage: $0 NAME CMD [ARG...]" >&2
    exit 2
fi
name=$1
shift
if ! [ -e "/run/netns/$name" ]; then
    echo "$0: no network namespace $name (see netns.sh)" >&2
    exit 1
fi

if [ -n "${WINEPREFIX:-}" ]; then
    want_ns="net:[$(stat -L -c %i "/run/netns/$name")]"
    prefix=$(realpath -m "$WINEPREFIX")
    for proc in /proc/[0-9]*; do
        case "$(cat "$proc/comm" 2>/dev/null)" in wineserver*) ;; *) continue ;; esac
        # A server may exit while we look; then it is no obstacle.
        server_prefix=$({ tr '\0' '\n' <"$proc/environ"; } 2>/dev/null |
            sed -n 's/^WINEPREFIX=//p') || continue
        if [ -z "$server_prefix" ] || [ "$(realpath -m "$server_prefix")" != "$prefix" ]; then
            continue
        fi
        if [ "$(readlink "$proc/ns/net" 2>/dev/null || echo "$want_ns")" != "$want_ns" ]; then
            echo "$0: the wineserver for $prefix (pid ${proc#/proc/}) runs in another network" \
                "namespace; stop it first: WINEPREFIX=$prefix wineserver -k" >&2
            exit 1
        fi
    done
fi

export VORLIP_HOSTNAME="${VORLIP_HOSTNAME:-vorl-test}"
# ip netns exec also binds /etc/netns/NAME/{resolv.conf,hosts} over /etc for the command.
# shellcheck disable=SC2016 # the inner shell expands these
exec ip netns exec "$name" unshare --uts sh -c 'hostname "$VORLIP_HOSTNAME" && exec "$@"' sh "$@"
