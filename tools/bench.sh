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
# A virtual screen of its own; the program runs from a scratch copy so no INI file is in the way.
disp=${VORLIP_DISPLAY:-78}
scratch="$B/bench-scratch"
rm -rf "$scratch" && mkdir -p "$scratch"
cp "$B/win/VorlIP.exe" "$scratch/"
"$ROOT/tools/rig/xvfb.sh" start "$disp"
trap '"$ROOT/tools/rig/xvfb.sh" stop "$disp"; wineserver -k 2>/dev/null || true' EXIT
DISPLAY=:$disp wine "$B/win/idle_bench.exe" "Z:${scratch//\//\\}\\VorlIP.exe"
