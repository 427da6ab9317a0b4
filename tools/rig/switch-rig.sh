#!/usr/bin/env bash
# Moves the laptop between networks for the automatic-switching tests (tests/e2e/SwitchRig.cpp):
# the far end of a link made by netns.sh plays the router of whichever site the laptop is at. Run
# as root, from the host or from inside the namespace (the e2e driver runs it there).
#
#   switch-rig.sh router NS IFNAME CIDR MAC        the far end of IFNAME answers as a site's
#                                                  router: only this address, this MAC
#   switch-rig.sh dhcp-start NS IFNAME STATE FIRST LAST
#                                                  a DHCP server on the far end (dnsmasq), leasing
#                                                  FIRST..LAST with the router's address as
#                                                  gateway and name server; ends an earlier one
#   switch-rig.sh dhcp-stop STATE                  ends it
#   switch-rig.sh unplug NS IFNAME STATE NETSH_DIR the cable comes out: the adapter goes down
#   switch-rig.sh plug NS IFNAME STATE NETSH_DIR   the cable goes back in
#   switch-rig.sh asleep NS IFNAME                 what a sleep leaves behind: the laptop's
#                                                  neighbour cache of the adapter is empty
#   switch-rig.sh stop STATE                       ends what this script started (test end)
#
# STATE is a folder of the caller's for the DHCP server's pid, lease and log files and the routes
# an unplug keeps; NETSH_DIR is the folder of the netsh stand-in and its DHCP client.
#
# Why an unplug is the adapter itself going down: Wine reports an adapter as connected while its
# own up flag is set, carrier or not. Linux then drops the adapter's routes, while Windows keeps a
# static configuration's gateway across an unplug, so plug puts them back; with DHCP on, plug asks
# for a lease afresh, as Windows' DHCP client does when the cable comes back. A move while asleep
# shows no link edge at all; the neighbour cache is emptied because the entries of the old site
# would have expired during the sleep.
set -euo pipefail

die() {
    echo "switch-rig.sh: $*" >&2
    exit 1
}

usage() {
    sed -n '6,18p' "$0" | sed 's/^# *//' >&2
    exit 2
}

# The far end of IFNAME: the veth peer in NS-peer, found by the index the laptop's end names.
peer_of() {
    local ns=$1 ifname=$2 index
    index=$(ip -n "$ns" -o link show dev "$ifname" | sed -nE 's/^[0-9]+: [^@]+@if([0-9]+):.*/\1/p')
    [ -n "$index" ] || die "$ifname in $ns is not one end of a veth pair"
    ip -n "$ns-peer" -o link show | sed -nE "s/^$index: ([^@:]+)[@:].*/\\1/p"
}

router() {
    local ns=$1 ifname=$2 cidr=$3 mac=$4 peer
    peer=$(peer_of "$ns" "$ifname")
    ip -n "$ns-peer" addr flush dev "$peer"
    ip -n "$ns-peer" link set dev "$peer" address "$mac"
    ip -n "$ns-peer" addr add "$cidr" dev "$peer"
}

# A pid file's process if it is still the program named.
alive() {
    local pid
    pid=$(cat "$1" 2>/dev/null) || return 1
    [ -n "$pid" ] && [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$2" ] && echo "$pid"
}

dhcp_stop() {
    local state=$1 pid
    if pid=$(alive "$state/dnsmasq.pid" dnsmasq); then
        kill "$pid"
        for _ in $(seq 50); do
            [ -e "/proc/$pid" ] || break
            sleep 0.05
        done
    fi
    rm -f "$state/dnsmasq.pid" "$state/dnsmasq.leases"
}

dhcp_start() {
    local ns=$1 ifname=$2 state=$3 first=$4 last=$5 peer cidr
    peer=$(peer_of "$ns" "$ifname")
    cidr=$(ip -n "$ns-peer" -4 -o addr show dev "$peer" | awk '{print $4; exit}')
    [ -n "$cidr" ] || die "the far end of $ifname has no address (run router first)"
    mkdir -p "$state"
    dhcp_stop "$state"
    # One-hour leases, so that no renewal happens during a test; no DNS service (--port=0), the
    # router's address handed out as name server all the same so a lease fills resolv.conf.
    nsenter --net="/run/netns/$ns-peer" dnsmasq --port=0 --interface="$peer" --bind-interfaces \
        --dhcp-authoritative --dhcp-range="$first,$last,1h" \
        --dhcp-option=3,"${cidr%/*}" --dhcp-option=6,"${cidr%/*}" \
        --dhcp-leasefile="$state/dnsmasq.leases" --pid-file="$state/dnsmasq.pid" \
        --log-facility="$state/dnsmasq.log" --log-dhcp --user=root --group=root \
        </dev/null >/dev/null 2>&1 || die "dnsmasq did not start; see $state/dnsmasq.log"
    alive "$state/dnsmasq.pid" dnsmasq >/dev/null || die "dnsmasq wrote no pid"
}

unplug() {
    local ns=$1 ifname=$2 state=$3 netsh_dir=$4
    mkdir -p "$state"
    ip -n "$ns" -4 route show default dev "$ifname" >"$state/routes.$ifname"
    if [ -x "$netsh_dir/netsh-dhcp-client" ]; then
        ip netns exec "$ns" "$netsh_dir/netsh-dhcp-client" unplug "$ifname"
    fi
    ip -n "$ns" link set dev "$ifname" down
}

plug() {
    local ns=$1 ifname=$2 state=$3 netsh_dir=$4 route
    ip -n "$ns" link set dev "$ifname" up
    if [ -e "$netsh_dir/dhcp.$ifname.on" ]; then
        # Through ip netns exec: the client rewrites the namespace's own resolv.conf.
        ip netns exec "$ns" "$netsh_dir/netsh-dhcp-client" replug "$ifname"
    elif [ -f "$state/routes.$ifname" ]; then
        # Each line as `ip route show dev` wrote it ("default via G metric M"), word by word.
        while read -r -a route; do
            [ ${#route[@]} -gt 0 ] || continue
            ip -n "$ns" route replace "${route[@]}" dev "$ifname" 2>/dev/null ||
                ip -n "$ns" route replace "${route[@]}" dev "$ifname" onlink
        done <"$state/routes.$ifname"
    fi
    rm -f "$state/routes.$ifname"
}

[ $# -ge 1 ] || usage
cmd=$1
shift
case "$cmd" in
router) [ $# -eq 4 ] || usage; router "$@" ;;
dhcp-start) [ $# -eq 5 ] || usage; dhcp_start "$@" ;;
dhcp-stop) [ $# -eq 1 ] || usage; dhcp_stop "$@" ;;
unplug) [ $# -eq 4 ] || usage; unplug "$@" ;;
plug) [ $# -eq 4 ] || usage; plug "$@" ;;
asleep) [ $# -eq 2 ] || usage; ip -n "$1" neigh flush dev "$2" ;;
stop) [ $# -eq 1 ] || usage; dhcp_stop "$1" ;;
*) usage ;;
esac
