#!/usr/bin/env bash
# Usage: dist.sh BUILD_DIR [OUT_DIR]
# Packs BUILD_DIR/win/VorlIP.exe for handing out, into OUT_DIR (default BUILD_DIR/dist, emptied
# first): VorlIP-VERSION-x64.zip (the program and README.txt), VorlIP-VERSION-x64.msi (a
# per-machine installer made with msitools' wixl) and SHA256SUMS for both.
#
# The version is the one the program's version resource (res/VorlIP.rc) carries, so the file
# names and the installer's product version always name the program inside.
# VORLIP_VERSION overrides it, for a test that needs a newer package of the same program.
set -euo pipefail

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [OUT_DIR]" >&2
    exit 2
fi
ROOT=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "$1")
out=$(realpath -m "${2:-$build/dist}")
exe="$build/win/VorlIP.exe"
rc="$ROOT/res/VorlIP.rc"
[ -f "$exe" ] || { echo "$0: $exe not found (make build first)" >&2; exit 1; }

rc_version=$(sed -nE 's/^PRODUCTVERSION[[:space:]]+([0-9]+),[[:space:]]*([0-9]+),[[:space:]]*([0-9]+),[[:space:]]*([0-9]+).*/\1.\2.\3.\4/p' "$rc")
version=${VORLIP_VERSION:-$rc_version}
company=$(sed -nE 's/^[[:space:]]*VALUE "CompanyName", "(.*)"/\1/p' "$rc")
if ! [[ "$version" =~ ^([0-9]+)\.([0-9]+)\.([0-9]+)\.([0-9]+)$ ]]; then
    echo "$0: no version of the form a.b.c.d (res/VorlIP.rc says '$rc_version')" >&2
    exit 1
fi
major=${BASH_REMATCH[1]} minor=${BASH_REMATCH[2]} build_no=${BASH_REMATCH[3]}
# Windows Installer's limits for a product version.
if [ "$major" -gt 255 ] || [ "$minor" -gt 255 ] || [ "$build_no" -ge 65535 ]; then
    echo "$0: version $version is beyond what Windows Installer accepts" >&2
    exit 1
fi
# Windows Installer compares only the first three fields when it looks for an installed copy,
# so 1.3.3.7 and 1.3.3.8 look alike to it. Everything below the next third field counts as older
# and is replaced (a rebuilt package of the same version included); the next one up is newer.
next_build="$major.$minor.$((build_no + 1))"

name="VorlIP-$version-x64"
rm -rf "$out"
stage="$out/.stage"
mkdir -p "$stage"
cp "$exe" "$stage/VorlIP.exe"
cp "$ROOT/res/vorlip.ico" "$stage/vorlip.ico"
# README.txt lists the exit codes from README.md's table, which stays their one description.
codes="$stage/exit-codes.txt"
awk '/^\| Exit code \| Meaning \|/ {t = 1; next} t && /^\|---/ {next} t && /^\|/ {print; next} t {exit}' \
    "$ROOT/README.md" | sed -E 's/^\| *([0-9]+) *\| *(.*[^ ]) *\|$/  \1  \2/; s/`//g' >"$codes"
if ! [ -s "$codes" ]; then
    echo "$0: README.md has no exit-code table (a line '| Exit code | Meaning |')" >&2
    exit 1
fi
# Notepad on older Windows shows a file with bare line feeds as one line.
sed -e "/@EXIT_CODES@/{r $codes" -e 'd}' -e "s/@VERSION@/$version/g" "$ROOT/tools/dist/README.txt" |
    sed 's/$/\r/' >"$stage/README.txt"

(cd "$stage" && zip -q -X "$out/$name.zip" VorlIP.exe README.txt)

# wixl finds the files named in the source relative to its working folder only.
log="$stage/wixl.log"
if ! (cd "$stage" && wixl --arch x64 -D Version="$version" -D NextBuild="$next_build" \
    -D Manufacturer="$company" -o "$out/$name.msi" "$ROOT/tools/dist/VorlIP.wxs") >"$log" 2>&1; then
    cat "$log" >&2
    exit 1
fi
# wixl notes that it leaves non-advertised shortcuts to the Target given, which is what we want.
grep -v 'builder.vala:[0-9]*: unimplemented' "$log" >&2 || true

rm -rf "$stage"
(cd "$out" && sha256sum "$name.zip" "$name.msi" >SHA256SUMS)
echo "dist: $out"
ls -l "$out" | tail -n +2
