#!/usr/bin/env bash
# Usage: bench.sh BUILD_DIR
# Runs the benchmarks under Wine in the build folder's prefix and prints their tables.
set -euo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
B=$(realpath -m "$BUILD")

export WINEPREFIX="$B/wineprefix" WINEDEBUG=-all
if [ -x "$ROOT/tools/rig/wine-prefix.sh" ]; then
    "$ROOT/tools/rig/wine-prefix.sh" "$WINEPREFIX"
elif [ ! -d "$WINEPREFIX" ]; then
    # Without the overrides wineboot offers to download Mono and Gecko and waits for an answer.
    WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1
    wineserver -w
fi

# The prefix's wineserver: the idle benches read its CPU time beside the program's.
wineserver_pid() {
    local proc prefix found=
    for proc in /proc/[0-9]*; do
        case "$(cat "$proc/comm" 2>/dev/null)" in wineserver*) ;; *) continue ;; esac
        prefix=$({ tr '\0' '\n' <"$proc/environ"; } 2>/dev/null | sed -n 's/^WINEPREFIX=//p') ||
            continue
        [ "$(realpath -m "${prefix:-/}")" != "$WINEPREFIX" ] || found=${proc#/proc/}
    done
    echo "$found"
}

echo "== configuration file: rewrite + reload"
wine "$B/win/config_bench.exe"

echo "== idle CPU: window shown, hidden to the tray, floating IP bar"
# A virtual screen and a network namespace of their own (the host name resolves from the
# namespace's hosts file, as in the tests); the program runs from a scratch copy so no INI file
# is in the way.
disp=${VORLIP_DISPLAY:-78}
ns="vorl-bench${VORLIP_RIG_SUFFIX:-}"
scratch="$B/bench-scratch"
rm -rf "$scratch" && mkdir -p "$scratch"
cp "$B/win/VorlIP.exe" "$scratch/"
wineserver -k 2>/dev/null || true
"$ROOT/tools/rig/netns.sh" up "$ns" vorl-lan,00:1a:2b:3c:4d:5e,10.77.1.10/24,10.77.1.1,up
"$ROOT/tools/rig/xvfb.sh" start "$disp"
trap 'wineserver -k 2>/dev/null || true; "$ROOT/tools/rig/xvfb.sh" stop "$disp";
      "$ROOT/tools/rig/netns.sh" down "$ns"' EXIT
# Start the prefix's server first, so its own CPU time can be read beside the program's.
"$ROOT/tools/rig/in-ns.sh" "$ns" wineserver -p
server_pid=$(wineserver_pid)
DISPLAY=:$disp VORLIP_WINESERVER_PID=$server_pid "$ROOT/tools/rig/in-ns.sh" "$ns" wine "$B/win/idle_bench.exe" \
    "Z:${scratch//\//\\}\\VorlIP.exe"

echo "== busy window: outline from the mask"
wine "$B/win/region_bench.exe"

# Start-up, working set and apply overhead, from a driver outside the program. It runs inside a
# namespace with one interface, on a virtual screen, with the recording netsh stand-in in the
# prefix's system folder (replacing Wine's netsh until the end) so no interface is changed.
echo
echo "== start-up, working set, apply overhead"
RIG="$ROOT/tools/rig"
SFX=${VORLIP_RIG_SUFFIX:-}
NS_BENCH="vorl-bench$SFX"
DISP=${VORLIP_DISPLAY:-78}
SYSTEM32="$WINEPREFIX/drive_c/windows/system32"
bench_cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    "$ROOT/tools/netsh/install.sh" remove "$SYSTEM32" >/dev/null 2>&1 || true
    "$RIG/netns.sh" down "$NS_BENCH" >/dev/null 2>&1 || true
    "$RIG/xvfb.sh" stop "$DISP" >/dev/null 2>&1 || true
}
trap bench_cleanup EXIT
wineserver -k >/dev/null 2>&1 || true
"$RIG/netns.sh" down "$NS_BENCH" >/dev/null 2>&1 || true
"$RIG/netns.sh" up "$NS_BENCH" bench,02:00:00:00:00:09,10.77.9.10/24,10.77.9.1,up
"$RIG/xvfb.sh" start "$DISP"
"$ROOT/tools/netsh/install.sh" recorder "$SYSTEM32" "$B/win/netsh-shim.exe"
winpath() { echo "Z:${1//\//\\}"; }
mkdir -p "$B/bench-scratch"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), load $(cut -d' ' -f1-3 /proc/loadavg)"
DISPLAY=:$DISP WINEDLLOVERRIDES="mscoree,mshtml=;netsh.exe=n,b" \
    "$RIG/in-ns.sh" "$NS_BENCH" wine "$B/win/app_bench.exe" "$(winpath "$B/win/VorlIP.exe")" \
    "$(winpath "$B/win/bare_dialog.exe")" "$(winpath "$B/bench-scratch")" \
    "$(winpath "$B/win/template_dialog.exe")"

# Automatic switching on the rig of the e2e-switch group: a namespace with the laptop's adapter,
# whose far end plays the routers of two branches, and the netsh stand-in that changes the
# interface in the prefix's system folder.
echo
echo "== automatic switching: idle CPU with the option on, time from a move to the profile applied"
NS_SWITCH="vorl-bsw$SFX"
SWITCH_STATE="$B/bench-scratch/SwitchRig"
switch_cleanup() {
    bench_cleanup
    "$RIG/switch-rig.sh" stop "$SWITCH_STATE" >/dev/null 2>&1 || true
    "$RIG/netns.sh" down "$NS_SWITCH" >/dev/null 2>&1 || true
}
trap switch_cleanup EXIT
wineserver -k >/dev/null 2>&1 || true
"$ROOT/tools/netsh/install.sh" remove "$SYSTEM32"
"$ROOT/tools/netsh/install.sh" linux "$SYSTEM32" "$B/win/netsh-shim.exe"
"$RIG/netns.sh" down "$NS_SWITCH" >/dev/null 2>&1 || true
"$RIG/netns.sh" up "$NS_SWITCH" vorl-lan,02:00:00:00:aa:01,10.77.4.5/24,10.77.4.1,up
mkdir -p "$SWITCH_STATE"
DISPLAY=:$DISP WINEDLLOVERRIDES="mscoree,mshtml=;netsh.exe=n,b" VORLIP_WINEPREFIX="$WINEPREFIX" \
    VORLIP_EXE="$(winpath "$B/win/VorlIP.exe")" VORLIP_SCRATCH="$(winpath "$B/bench-scratch")" \
    VORLIP_SWITCH_RIG="$RIG/switch-rig.sh" VORLIP_SWITCH_NS="$NS_SWITCH" \
    VORLIP_SWITCH_STATE="$SWITCH_STATE" VORLIP_NETSH_DIR="$SYSTEM32" \
    "$RIG/in-ns.sh" "$NS_SWITCH" wine "$B/win/switch_bench.exe"
