#!/bin/sh
# Usage: delay-import.sh TOOL_PREFIX IMPORT_LIB OUTPUT_LIB
# Makes a delay-import library with every export of IMPORT_LIB: a program linked against it loads
# the DLL on the first call of one of its functions instead of at start. GNU ld has no
# --delayload; dlltool's delay-import libraries do the same with the runtime's delay helper.
set -e
prefix=$1 implib=$2 out=$3
dll=$("$prefix-dlltool" --identify "$implib")
def="$out.def"
{
    echo "LIBRARY $dll"
    echo "EXPORTS"
    "$prefix-nm" "$implib" | sed -n 's/^.* I __imp_//p' | sort -u
} >"$def"
"$prefix-dlltool" --input-def "$def" --output-delaylib "$out"
