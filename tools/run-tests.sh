#!/usr/bin/env bash
# Runs every level of tests: native unit tests (sanitizers), the same unit tests under Wine, the
# Win32 tests inside network namespaces, and the end-to-end driver on a virtual screen. Creates
# and removes its own fixtures. Ends with one "N passed, N failed" line.
#
# Several checkouts can run their tests side by side on one machine:
#   VORLIP_RIG_SUFFIX  appended to every namespace name (default none)
#   VORLIP_DISPLAY     the virtual screen's number (default 77)
#   VORLIP_KEEP_CUPS=1 leave cupsd and the shared queues running at the end
#   VORLIP_GROUPS      comma-separated group names to run (default all), e.g. "native-unit,e2e"
#   VORLIP_E2E_FILTER  the e2e group's test filter instead of all its tests, and
#   VORLIP_E2E_REPEAT  how many times to run it (to hunt a test that fails now and then)
set -uo pipefail
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
B="$ROOT/$BUILD"
RIG="$ROOT/tools/rig"
RESULTS="$B/test-results"
SHOTS="$B/screenshots"
rm -rf "$RESULTS" "$SHOTS" "$B/e2e-scratch"
mkdir -p "$RESULTS" "$SHOTS" "$B/e2e-scratch"

# netsh.exe=n,b: a stand-in the tests put at C:\windows\system32\netsh.exe runs instead of
# Wine's own netsh, which Wine would otherwise start from its built-in copy whatever the file.
export WINEPREFIX="$B/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;netsh.exe=n,b"
winpath() { echo "Z:${1//\//\\}"; }

SFX=${VORLIP_RIG_SUFFIX:-}
NS_INV="vorl-inv$SFX" NS_EMPTY="vorl-empty$SFX" NS_APPLY="vorl-apply$SFX"
NS_UPDATE="vorl-update$SFX" NS_SWITCH="vorl-switch$SFX"
SWITCH_STATE="$B/e2e-scratch/SwitchRig"
UPDATE_SERVER_PID=
DISP=${VORLIP_DISPLAY:-77}

passed=0
failed=0
broken=()

# Adds up GoogleTest's summary lines of one log; a run that died before its summary counts as a
# failure of its own.
tally() {
  local name=$1 log=$2 rc=$3 p f
  # ctest -V prefixes each line of a test's output with "N: ".
  p=$(sed -nE 's/^([0-9]+: )?\[  PASSED  \] ([0-9]+) tests?\..*/\2/p' "$log" | awk '{s+=$1} END {print s+0}')
  f=$(sed -nE 's/^([0-9]+: )?\[  FAILED  \] ([0-9]+) tests?, listed below.*/\2/p' "$log" | awk '{s+=$1} END {print s+0}')
  passed=$((passed + p))
  failed=$((failed + f))
  if [ "$rc" -ne 0 ] && [ "$f" -eq 0 ]; then
    failed=$((failed + 1))
    broken+=("$name (exit $rc, see $log)")
  fi
  printf '%-28s %4d passed, %d failed\n' "$name" "$p" "$f"
  if [ "$f" -gt 0 ]; then grep -aE '\[  FAILED  \]|Failure|error:' "$log" | head -40; fi
}

wanted() {  # wanted NAME: is this group selected by VORLIP_GROUPS?
  [ -z "${VORLIP_GROUPS:-}" ] || [[ ",$VORLIP_GROUPS," == *",$1,"* ]]
}

run() {  # run NAME COMMAND...
  local name=$1; shift
  wanted "$name" || return 0
  local log="$RESULTS/$name.log"
  # A group that hangs (a window waiting for an answer nobody gives) fails alone instead of
  # holding up the whole run.
  timeout --kill-after=10 "${VORLIP_GROUP_TIMEOUT:-600}" "$@" >"$log" 2>&1
  tally "$name" "$log" $?
}

cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX="$B/wineprefix-msi" wineserver -k >/dev/null 2>&1 || true
  # Gives the prefix its own netsh back should a run stop between install and remove.
  "$ROOT/tools/netsh/install.sh" remove "$WINEPREFIX/drive_c/windows/system32" >/dev/null 2>&1 || true
  "$RIG/netns.sh" down "$NS_INV" >/dev/null 2>&1 || true
  "$RIG/netns.sh" down "$NS_EMPTY" >/dev/null 2>&1 || true
  "$RIG/netns.sh" down "$NS_APPLY" >/dev/null 2>&1 || true
  "$RIG/switch-rig.sh" stop "$SWITCH_STATE" >/dev/null 2>&1 || true
  "$RIG/netns.sh" down "$NS_SWITCH" >/dev/null 2>&1 || true
  [ -z "$UPDATE_SERVER_PID" ] || kill "$UPDATE_SERVER_PID" 2>/dev/null || true
  "$RIG/netns.sh" down "$NS_UPDATE" >/dev/null 2>&1 || true
  "$RIG/xvfb.sh" stop "$DISP" >/dev/null 2>&1 || true
  [ "${VORLIP_KEEP_CUPS:-0}" = 1 ] || "$RIG/cups.sh" stop >/dev/null 2>&1 || true
}
trap cleanup EXIT

echo "== native unit tests (AddressSanitizer, UBSan)"
run native-unit ctest --test-dir "$B/native" -V

echo "== Wine prefix"
"$RIG/wine-prefix.sh" "$WINEPREFIX"
wineserver -k >/dev/null 2>&1 || true

echo "== unit tests under Wine"
run wine-unit ctest --test-dir "$B/win" -V -R '^wine\.'
wineserver -k >/dev/null 2>&1 || true

# The fixture: two links with known names, MACs and addresses, one up and one down, and three
# DNS servers of which the inventory keeps two.
"$RIG/netns.sh" down "$NS_INV" >/dev/null 2>&1 || true
"$RIG/netns.sh" up "$NS_INV" \
  vorl-lan,00:1a:2b:3c:4d:5e,10.77.1.10/24,10.77.1.1,up \
  vorl-wifi,02:00:00:00:00:02,10.77.2.20/16,,down
"$RIG/netns.sh" dns "$NS_INV" 10.77.1.53 10.77.1.54 10.77.1.55
# The host name's first address is the LAN's, ahead of the loopback entry: the floating bar shows it.
"$RIG/netns.sh" hosts "$NS_INV" "10.77.1.10 ${VORLIP_HOSTNAME:-vorl-test}"
"$RIG/netns.sh" down "$NS_EMPTY" >/dev/null 2>&1 || true
"$RIG/netns.sh" up "$NS_EMPTY"

# Three print queues; Wine lists CUPS queues as its printers.
"$RIG/cups.sh" start vorl-office vorl-home vorl-lab

echo "== Win32 tests under Wine (network namespaces)"
# The far end of vorl-lan plays its router; the watch's test changes it and puts it back.
VORLIP_PEER_NS="$NS_INV-peer" run winapi "$RIG/in-ns.sh" "$NS_INV" wine "$B/win/winapi_tests.exe" \
  --gtest_filter='-EmptyInventory.*:UpdateCheck.*'
wineserver -k >/dev/null 2>&1 || true
run winapi-empty "$RIG/in-ns.sh" "$NS_EMPTY" wine "$B/win/winapi_tests.exe" \
  --gtest_filter='EmptyInventory.*'
wineserver -k >/dev/null 2>&1 || true

echo "== end-to-end tests (virtual screen)"
"$RIG/xvfb.sh" start "$DISP"
export DISPLAY=:$DISP
export VORLIP_EXE=$(winpath "$B/win/VorlIP.exe")
export VORLIP_SHOTS=$(winpath "$SHOTS")
export VORLIP_SCRATCH=$(winpath "$B/e2e-scratch")
VORLIP_EXPECTED_ADAPTERS=vorl-lan,vorl-wifi VORLIP_DPI=96 \
  run e2e "$RIG/in-ns.sh" "$NS_INV" wine "$B/win/e2e_driver.exe" \
  --gtest_filter="${VORLIP_E2E_FILTER:--EmptyInventory.*:Apply.*:Update.*:Msi.*:Switch.*}" \
  --gtest_repeat="${VORLIP_E2E_REPEAT:-1}"
wineserver -k >/dev/null 2>&1 || true
run e2e-empty "$RIG/in-ns.sh" "$NS_EMPTY" wine "$B/win/e2e_driver.exe" \
  --gtest_filter='EmptyInventory.*'
wineserver -k >/dev/null 2>&1 || true

# The installer: install, upgrade and removal in a prefix of the story's own.
run msi "$RIG/msi-story.sh" "$B" "$NS_INV"

# Applying changes the interface, so it gets a namespace of its own, and a netsh stand-in that
# carries the commands out with `ip` in the prefix's system folder, where the program looks for
# netsh. A recording netsh.exe planted in the program's own folder (also its current folder)
# must never run: its log would appear there.
"$RIG/netns.sh" down "$NS_APPLY" >/dev/null 2>&1 || true
"$RIG/netns.sh" up "$NS_APPLY" \
  vorl-lan,00:1a:2b:3c:4d:5e,10.77.1.10/24,10.77.1.1,up \
  vorl-wifi,02:00:00:00:00:02,10.77.2.20/16,,down
"$RIG/netns.sh" dns "$NS_APPLY" 10.77.1.53 10.77.1.54
mkdir -p "$B/e2e-scratch/Apply"
SYSTEM32="$WINEPREFIX/drive_c/windows/system32"
"$ROOT/tools/netsh/install.sh" linux "$SYSTEM32" "$B/win/netsh-shim.exe"
"$ROOT/tools/netsh/install.sh" recorder "$B/e2e-scratch/Apply" "$B/win/netsh-shim.exe"
run e2e-apply "$RIG/in-ns.sh" "$NS_APPLY" wine "$B/win/e2e_driver.exe" --gtest_filter='Apply.*'
wineserver -k >/dev/null 2>&1 || true
"$ROOT/tools/netsh/install.sh" remove "$SYSTEM32"
"$ROOT/tools/netsh/install.sh" remove "$B/e2e-scratch/Apply"
"$RIG/netns.sh" down "$NS_APPLY" >/dev/null 2>&1 || true

# Automatic switching: the laptop's one adapter, whose far end the stories turn into each site's
# router (tools/rig/switch-rig.sh, driven from tests/e2e/SwitchRig.cpp), and the same netsh
# stand-in, which with dhclient installed really takes a lease for source=dhcp.
if wanted e2e-switch; then
  "$RIG/netns.sh" down "$NS_SWITCH" >/dev/null 2>&1 || true
  "$RIG/netns.sh" up "$NS_SWITCH" vorl-lan,02:00:00:00:aa:01,10.77.1.5/24,10.77.1.1,up
  mkdir -p "$SWITCH_STATE"
  "$ROOT/tools/netsh/install.sh" linux "$SYSTEM32" "$B/win/netsh-shim.exe"
  VORLIP_SWITCH_RIG="$RIG/switch-rig.sh" VORLIP_SWITCH_NS="$NS_SWITCH" \
    VORLIP_SWITCH_STATE="$SWITCH_STATE" VORLIP_NETSH_DIR="$SYSTEM32" \
    run e2e-switch "$RIG/in-ns.sh" "$NS_SWITCH" wine "$B/win/e2e_driver.exe" \
    --gtest_filter='Switch.*'
  wineserver -k >/dev/null 2>&1 || true
  "$RIG/switch-rig.sh" stop "$SWITCH_STATE"
  "$ROOT/tools/netsh/install.sh" remove "$SYSTEM32"
  "$RIG/netns.sh" down "$NS_SWITCH" >/dev/null 2>&1 || true
fi

# The update check asks for its version file by the project's own host name; in this namespace
# the hosts file points the name at a local server, which each test tells what to answer. A
# stand-in browser registered for https records what the program asks the shell to open.
UPDATE_DIR="$B/e2e-scratch/UpdateServer"
mkdir -p "$UPDATE_DIR"
echo closed >"$UPDATE_DIR/mode"
cp "$RIG/browser-standin.sh" "$UPDATE_DIR/browser.exe"
"$RIG/netns.sh" down "$NS_UPDATE" >/dev/null 2>&1 || true
"$RIG/netns.sh" up "$NS_UPDATE" vorl-lan,00:1a:2b:3c:4d:5e,10.77.1.10/24,10.77.1.1,up
"$RIG/netns.sh" hosts "$NS_UPDATE" "127.0.0.1 update.vorlip.test"
ip netns exec "$NS_UPDATE" python3 "$RIG/update-server.py" "$UPDATE_DIR" 80 \
  >"$RESULTS/update-server.log" 2>&1 &
UPDATE_SERVER_PID=$!
# Wine's shell reads the machine's classes only; the user's are not merged in.
HTTPS_OPEN='HKLM\Software\Classes\https\shell\open\command'
https_browser=$(wine reg query "$HTTPS_OPEN" /ve 2>/dev/null | sed -n 's/^.*REG_SZ *//p' | tr -d '\r')
wine reg add "$HTTPS_OPEN" /ve /f /d "\"$(winpath "$UPDATE_DIR/browser.exe")\" \"%1\"" \
  >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
export VORLIP_UPDATE_DIR=$(winpath "$UPDATE_DIR")
run winapi-update "$RIG/in-ns.sh" "$NS_UPDATE" wine "$B/win/winapi_tests.exe" \
  --gtest_filter='UpdateCheck.*'
wineserver -k >/dev/null 2>&1 || true
run e2e-update "$RIG/in-ns.sh" "$NS_UPDATE" wine "$B/win/e2e_driver.exe" --gtest_filter='Update.*'
wineserver -k >/dev/null 2>&1 || true
kill "$UPDATE_SERVER_PID" 2>/dev/null || true
UPDATE_SERVER_PID=
wine reg add "$HTTPS_OPEN" /ve /f /d "$https_browser" >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true
"$RIG/netns.sh" down "$NS_UPDATE" >/dev/null 2>&1 || true

# Window sizes by screen dpi: Wine reads LogPixels when its server starts. The drawn rows (120,
# 144), scales between them (108, 132) and above them (168, 192). The high scales are what laptop
# screens of 1920 x 1080 run at, and the window at 175 % is taller than 900 pixels, so the screen
# grows to that size for these groups.
dpi_screen=
for dpi in 120 144 108 132 168 192; do
  wanted e2e-dpi-$dpi || continue
  if [ -z "$dpi_screen" ]; then
    "$RIG/xvfb.sh" stop "$DISP"
    "$RIG/xvfb.sh" start "$DISP" 1920x1080
    dpi_screen=1
  fi
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1 || true
  VORLIP_DPI=$dpi run e2e-dpi-$dpi "$RIG/in-ns.sh" "$NS_INV" wine "$B/win/e2e_driver.exe" \
    --gtest_filter='Dpi.*'
  wineserver -k >/dev/null 2>&1 || true
done
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1 || true

# The driver writes PNGs without compression; store them compressed.
mogrify "$SHOTS"/*.png 2>/dev/null || true
echo "screenshots: $SHOTS"
for b in "${broken[@]}"; do echo "broken: $b"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
