#!/usr/bin/env bash
# Starts VorlIP under Wine. On the user's display when there is one, otherwise on a virtual screen
# with a screenshot saved. As root it runs inside an embedded demo network (a namespace with a few
# named interfaces), so trying every feature never touches the host's real network.
set -euo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
B="$ROOT/$BUILD"
RIG="$ROOT/tools/rig"
DEMO="$B/demo"
mkdir -p "$DEMO"
cp "$B/win/VorlIP.exe" "$DEMO/"

export WINEPREFIX="$B/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineserver -k >/dev/null 2>&1 || true

launch=(wine "$DEMO/VorlIP.exe")
if [ "$(id -u)" -eq 0 ]; then
  "$RIG/netns.sh" down vorl-demo >/dev/null 2>&1 || true
  "$RIG/netns.sh" up vorl-demo \
    Ethernet,00:1a:2b:3c:4d:5e,10.77.10.15/24,10.77.10.1,up \
    Wi-Fi,02:00:00:00:10:02,10.77.20.30/24,10.77.20.1,up \
    Lab,02:00:00:00:10:03,10.77.30.40/24,,down
  "$RIG/netns.sh" dns vorl-demo 10.77.10.53 10.77.10.54
  # Demo print queues that print to nowhere, so the printer list can be tried too.
  "$RIG/cups.sh" start Office-Laser Home-Inkjet >/dev/null
  trap '"$RIG/netns.sh" down vorl-demo >/dev/null 2>&1 || true; "$RIG/cups.sh" stop >/dev/null 2>&1 || true' EXIT
  launch=("$RIG/in-ns.sh" vorl-demo "${launch[@]}")
  echo "VorlIP runs in the demo network 'vorl-demo' (Ethernet, Wi-Fi, Lab) with the demo printers"
  echo "Office-Laser and Home-Inkjet; the host's network is untouched."
fi
if [ "$(id -u)" -eq 0 ]; then
  "$RIG/in-ns.sh" vorl-demo "$RIG/wine-prefix.sh" "$WINEPREFIX"
else
  "$RIG/wine-prefix.sh" "$WINEPREFIX"
fi
wineserver -k >/dev/null 2>&1 || true

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  cd "$DEMO"
  exec "${launch[@]}"
fi

# No display: a virtual screen, a screenshot of the main window, then the program is closed.
"$RIG/xvfb.sh" start 78
export DISPLAY=:78
(cd "$DEMO" && "${launch[@]}" >/dev/null 2>&1 &)
shot="$B/screenshots/run.png"
mkdir -p "$(dirname "$shot")"
for _ in $(seq 1 60); do
  sleep 0.5
  xwininfo -root -tree 2>/dev/null | grep -q '"VorlIP FREE 1.3.3.7"' && break
done
sleep 2
# Open the NIC list so the screenshot shows every adapter: its arrow sits at the right end of the
# list, which is at (55..217, 22) dialog units in a window placed at the screen's corner.
xdotool mousemove 318 68 click 1 >/dev/null 2>&1 || true
sleep 1
import -window root "$shot"
echo "No display here: VorlIP ran on a virtual screen. Screenshot: $shot"
wineserver -k >/dev/null 2>&1 || true
"$RIG/xvfb.sh" stop 78 >/dev/null 2>&1 || true
