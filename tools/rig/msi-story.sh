#!/usr/bin/env bash
# Usage: msi-story.sh BUILD_DIR NAMESPACE
# The installer story (tests/e2e/msi_test.cpp): packs the built program twice with tools/dist.sh,
# once with its own version and once with the fourth field raised (the step Windows Installer
# does not see without help), then installs, upgrades and removes them under Wine inside
# NAMESPACE. Installing writes to Program Files and the Task Scheduler, so this runs in a prefix
# of its own, made afresh each time, and never disturbs the other groups' prefix.
# Needs DISPLAY (the program shows its window) and the driver built in BUILD_DIR/win.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "usage: $0 BUILD_DIR NAMESPACE" >&2
    exit 2
fi
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
B=$(realpath -m "$1")
ns=$2
work="$B/e2e-scratch/msi"
winpath() { echo "Z:${1//\//\\}"; }

rm -rf "$work"
"$ROOT/tools/dist.sh" "$B" "$work/current" >/dev/null
msi=$(echo "$work"/current/VorlIP-*-x64.msi)
version=$(basename "$msi" | sed -E 's/^VorlIP-(.*)-x64\.msi$/\1/')
next_version="${version%.*}.$((${version##*.} + 1))"
VORLIP_VERSION=$next_version "$ROOT/tools/dist.sh" "$B" "$work/next" >/dev/null

export WINEPREFIX="$B/wineprefix-msi" WINEDEBUG=-all
# winemenubuilder would turn the Start-menu shortcut into a menu entry of the host's desktop.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineserver -k >/dev/null 2>&1 || true
rm -rf "$WINEPREFIX"
"$ROOT/tools/rig/in-ns.sh" "$ns" "$ROOT/tools/rig/wine-prefix.sh" "$WINEPREFIX"

export VORLIP_MSI VORLIP_MSI_NEXT VORLIP_MSI_VERSION=$version VORLIP_MSI_NEXT_VERSION=$next_version
VORLIP_MSI=$(winpath "$msi")
VORLIP_MSI_NEXT=$(winpath "$work/next/VorlIP-$next_version-x64.msi")
rc=0
"$ROOT/tools/rig/in-ns.sh" "$ns" wine "$B/win/e2e_driver.exe" --gtest_filter='Msi.*' || rc=$?
wineserver -k >/dev/null 2>&1 || true
# A prefix is large; keep it only to look into a failure.
[ "$rc" -ne 0 ] || rm -rf "$WINEPREFIX"
exit "$rc"
