#!/usr/bin/env bash
# Installs the Debian packages the build and the test rig need. Safe to run again: it only calls
# apt-get when something is missing.
set -euo pipefail
pkgs=(
  cmake make g++ googletest libgtest-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 fonts-wine fonts-wqy-microhei
  xvfb x11-utils xdotool imagemagick icoutils
  cups cups-client cups-bsd
  iproute2 util-linux python3 procps isc-dhcp-client dnsmasq-base
  msitools wixl zip
)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "bootstrap: missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
