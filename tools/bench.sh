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
server_pid=
for proc in /proc/[0-9]*; do
    case "$(cat "$proc/comm" 2>/dev/null)" in wineserver*) ;; *) continue ;; esac
    prefix=$({ tr '\0' '\n' <"$proc/environ"; } 2>/dev/null | sed -n 's/^WINEPREFIX=//p') || continue
    [ "$(realpath -m "${prefix:-/}")" = "$WINEPREFIX" ] && server_pid=${proc#/proc/}
done
DISPLAY=:$disp VORLIP_WINESERVER_PID=$server_pid "$ROOT/tools/rig/in-ns.sh" "$ns" wine "$B/win/idle_bench.exe" \
    "Z:${scratch//\//\\}\\VorlIP.exe"
