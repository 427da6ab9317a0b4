#!/usr/bin/env bash
# A private network for Wine's IP helper to report, so tests and the demo see exactly the adapters
# they asked for and never touch the host's own network (run as root).
#
#   netns.sh up NAME [LINK...]         fresh namespace NAME with one veth end per LINK
#   netns.sh down NAME                 remove NAME, its peer namespace and /etc/netns/NAME
#   netns.sh dns NAME [SERVER...]      the DNS servers processes in NAME read
#   netns.sh hosts NAME ["IP NAME"...] the hosts file processes in NAME read
#
# LINK is IFNAME,MAC,CIDR,GATEWAY,STATE with CIDR and GATEWAY optional and STATE up or down, e.g.
#   vorl-lan,00:1a:2b:3c:4d:5e,10.77.1.10/24,10.77.1.1,up
#   vorl-wifi,02:00:00:00:00:02,10.77.2.20/24,,down
# Interfaces get their Windows indexes in the order given. The other end of each pair lives in a
# second namespace, NAME-peer, which also holds the gateway address so the gateway answers. Keep
# addresses in 10.77.0.0/16: nothing routes out of the pair.
#
# `up` starts NAME with no DNS servers and a hosts file that names the host (VORLIP_HOSTNAME,
# default vorl-test, as in-ns.sh sets it); dns and hosts replace those files. They take effect for
# processes started afterwards through in-ns.sh. Wine looks its own host name up when it starts;
# if that went to DNS, every start would wait for the unreachable servers, so the hosts file
# always names the host and lookups give up after one second per server.
set -euo pipefail

die() {
    echo "netns.sh: $*" >&2
    exit 1
}

usage() {
    sed -n '5,8p' "$0" | sed 's/^# *//' >&2
    exit 2
}

down() {
    local name=$1
    ip netns del "$name" 2>/dev/null || true
    ip netns del "$name-peer" 2>/dev/null || true
    rm -rf "/etc/netns/$name"
}

# Adds one veth pair described by LINK; INDEX numbers the pair and orders the default routes.
add_link() {
    local name=$1 index=$2 link=$3
    local ifname mac cidr gateway state extra
    IFS=, read -r ifname mac cidr gateway state extra <<<"$link"
    if [ -z "$ifname" ] || [ -z "$mac" ] || [ -n "$extra" ]; then
        die "bad interface link: $link"
    fi
    [ "${#ifname}" -le 15 ] || die "interface name longer than 15 characters: $ifname"
    case "$state" in up | down) ;; *) die "state must be up or down: $link" ;; esac
    [ -z "$gateway" ] || [ -n "$cidr" ] || die "a gateway needs an address: $link"
    # The kernel refuses any route through a link that is down, even one marked onlink.
    [ -z "$gateway" ] || [ "$state" = up ] || die "a down link cannot have a gateway: $link"

    local peer="peer$index"
    # Created inside the peer namespace with the far end placed straight into NAME, so neither
    # end ever exists in the host's namespace.
    ip -n "$name-peer" link add "$peer" type veth peer name "$ifname" netns "$name"
    ip -n "$name" link set "$ifname" address "$mac"
    ip -n "$name-peer" link set "$peer" up
    if [ -n "$cidr" ]; then
        ip -n "$name" addr add "$cidr" dev "$ifname"
        if [ -n "$gateway" ]; then
            ip -n "$name-peer" addr add "$gateway/${cidr#*/}" dev "$peer"
        fi
    fi
    # A down link is down on our side: Wine derives the operational status from the interface's
    # own up flag, so a link that is up with no carrier would still read as connected.
    if [ "$state" = up ]; then
        ip -n "$name" link set "$ifname" up
        if [ -n "$gateway" ]; then
            # Several default routes coexist only with distinct metrics; earlier links win.
            ip -n "$name" route add default via "$gateway" dev "$ifname" metric $((100 + index))
        fi
    fi
}

up() {
    local name=$1
    shift
    down "$name"
    # Half a network would make later tests fail in confusing ways; leave nothing behind.
    trap 'down "$name"' EXIT
    ip netns add "$name"
    ip netns add "$name-peer"
    ip -n "$name" link set lo up
    ip -n "$name-peer" link set lo up
    write_dns "$name"
    write_hosts "$name"
    local index=0 link
    for link in "$@"; do
        add_link "$name" "$index" "$link"
        index=$((index + 1))
    done
    trap - EXIT
}

write_etc() {
    local name=$1 file=$2
    ip netns list | grep -qE "^$name( |\$)" || die "no namespace $name (run: netns.sh up $name)"
    mkdir -p "/etc/netns/$name"
    cat >"/etc/netns/$name/$file"
}

# Without a resolv.conf of its own the namespace would see the host's DNS servers.
write_dns() {
    local name=$1 server
    shift
    {
        for server in "$@"; do echo "nameserver $server"; done
        echo "options timeout:1 attempts:1"
    } | write_etc "$name" resolv.conf
}

write_hosts() {
    local name=$1 entry host=${VORLIP_HOSTNAME:-vorl-test}
    shift
    {
        echo "127.0.0.1 localhost"
        for entry in "$@"; do echo "$entry"; done
        # Last, so an address the caller gives the host name wins.
        echo "127.0.1.1 $host"
    } | write_etc "$name" hosts
}

[ $# -ge 2 ] || usage
[ "$(id -u)" -eq 0 ] || die "must run as root"
cmd=$1
name=$2
shift 2
case "$name" in "" | */* | .* | *" "*) die "bad namespace name: $name" ;; esac

case "$cmd" in
up) up "$name" "$@" ;;
down) [ $# -eq 0 ] || usage; down "$name" ;;
dns) write_dns "$name" "$@" ;;
hosts) write_hosts "$name" "$@" ;;
*) usage ;;
esac
