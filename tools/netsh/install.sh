#!/usr/bin/env bash
# Puts a netsh stand-in into a folder. The program starts netsh from the system folder by its
# full path, so a test installs the stand-in into the system folder of its own Wine prefix
# (PREFIX/drive_c/windows/system32), where it replaces Wine's netsh.exe until it is removed.
# Installed anywhere else (beside the program, in the current folder) it must never run, which
# tests check. For test prefixes only: never on a machine whose netsh is in real use.
#
#   install.sh recorder|linux DIR SHIM   SHIM is the built netsh-shim.exe
#   install.sh remove DIR                removes the stand-in, its log and its control files,
#                                        and gives back the netsh.exe it replaced
#
# Wine runs a native script named netsh.exe directly, but hands back no process handle for it,
# so the caller could not wait for it to end. The shim is a Windows program that can be waited
# for: it starts netsh-standin.exe beside it and ends when the script has ended.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

usage() {
    sed -n '8,10p' "$0" | sed 's/^# *//' >&2
    exit 2
}

remove() {
    local dir=$1
    # DHCP clients the stand-in started would outlive the test and its namespace otherwise.
    if [ -x "$dir/netsh-dhcp-client" ]; then "$dir/netsh-dhcp-client" stop-all || true; fi
    # netsh.exe is ours only while our script is beside it; otherwise it is the system's.
    if [ -f "$dir/netsh-standin.exe" ]; then rm -f "$dir/netsh.exe"; fi
    rm -f "$dir/netsh-standin.exe" "$dir/netsh-dhcp-client" "$dir/netsh.log" \
        "$dir/netsh.lifetime.log" "$dir/netsh.delay" \
        "$dir/netsh.fail" "$dir/netsh.ignore" \
        "$dir"/netsh.done.*
    if [ -f "$dir/netsh.exe.replaced" ]; then mv -f "$dir/netsh.exe.replaced" "$dir/netsh.exe"; fi
}

[ $# -ge 2 ] || usage
case "$1" in
recorder | linux)
    [ $# -eq 3 ] || usage
    [ -f "$3" ] || { echo "install.sh: no shim at $3 (build target netsh_shim)" >&2; exit 1; }
    remove "$2"
    # The system's own netsh.exe is kept aside and comes back with "remove".
    if [ -f "$2/netsh.exe" ]; then mv "$2/netsh.exe" "$2/netsh.exe.replaced"; fi
    install -m 755 "$3" "$2/netsh.exe"
    install -m 755 "$here/netsh-$1" "$2/netsh-standin.exe"
    if [ "$1" = linux ]; then install -m 755 "$here/netsh-dhcp-client" "$2/netsh-dhcp-client"; fi
    ;;
remove) [ $# -eq 2 ] || usage; remove "$2" ;;
*) usage ;;
esac
