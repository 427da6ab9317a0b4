#!/usr/bin/env bash
# Puts a netsh stand-in into a folder, where a Windows program run from that folder finds it
# before the system's netsh (CreateProcessW searches the program's own folder first). For test
# folders only: never next to a VorlIP.exe that is shipped.
#
#   install.sh recorder|linux DIR SHIM   SHIM is the built netsh-shim.exe
#   install.sh remove DIR                removes the stand-in, its log and its control files
#
# Wine runs a native script named netsh.exe directly, but hands back no process handle for it,
# so the caller could not wait for it to end. The shim is a Windows program that can be waited
# for: it starts netsh-standin.exe beside it and ends when the script has ended.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

usage() {
    sed -n '6,7p' "$0" | sed 's/^# *//' >&2
    exit 2
}

remove() {
    local dir=$1
    rm -f "$dir/netsh.exe" "$dir/netsh-standin.exe" "$dir/netsh.log" "$dir/netsh.delay" \
        "$dir/netsh.fail" "$dir"/netsh.done.*
}

[ $# -ge 2 ] || usage
case "$1" in
recorder | linux)
    [ $# -eq 3 ] || usage
    [ -f "$3" ] || { echo "install.sh: no shim at $3 (build target netsh_shim)" >&2; exit 1; }
    remove "$2"
    install -m 755 "$3" "$2/netsh.exe"
    install -m 755 "$here/netsh-$1" "$2/netsh-standin.exe"
    ;;
remove) [ $# -eq 2 ] || usage; remove "$2" ;;
*) usage ;;
esac
