#!/usr/bin/env bash
# Usage: wine-prefix.sh PREFIX_DIR
# Makes a 64-bit Wine prefix the rig can draw and test in: Wine's own fonts, a linked CJK font so
# Korean and Japanese text render instead of boxes, Wine-drawn window frames (there is no window
# manager on Xvfb), and no crash dialog that would hang a test. Does nothing when the prefix is
# already complete, so every test entry point may call it.
#
# Create the prefix in the network namespace its programs will run in: wineboot starts a
# wineserver, and the server's namespace is the one Wine's IP helper reports (see in-ns.sh).
set -euo pipefail

if [ $# -ne 1 ]; then
    echo "usage: $0 PREFIX_DIR" >&2
    exit 2
fi
prefix=$(realpath -m "$1")
marker="$prefix/.vorlip-ready"
[ -e "$marker" ] && exit 0

export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all
# Without these overrides wineboot offers to download Mono and Gecko and waits for an answer.
export WINEDLLOVERRIDES="mscoree,mshtml="
# An interrupted earlier attempt leaves an unusable prefix behind; start over. Anything else in
# the way is not ours to delete.
if [ -e "$prefix/system.reg" ] || [ -e "$prefix/drive_c" ]; then
    wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
elif [ -e "$prefix" ] && ! rmdir "$prefix" 2>/dev/null; then
    echo "$0: $prefix exists and is not a Wine prefix" >&2
    exit 1
fi
mkdir -p "$(dirname "$prefix")"

wineboot -i >/dev/null 2>&1
wineserver -w

fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
# Debian's Wine leaves Fonts empty; dialogs then fall back to odd faces and caption buttons
# show letters instead of glyphs.
cp /usr/share/wine/fonts/* "$fonts/"
cjk=$(find /usr/share/fonts -name 'wqy-microhei.ttc' -print -quit)
if [ -z "$cjk" ]; then
    echo "$0: wqy-microhei.ttc not found (package fonts-wqy-microhei)" >&2
    exit 1
fi
cp "$cjk" "$fonts/"

# REG_MULTI_SZ as hex(7): in a REGEDIT4 file the bytes are ANSI text, each string and the list
# NUL-terminated (Wine's regedit reads hex(7) of any 8-bit file this way, whatever its header).
link=$(printf 'wqy-microhei.ttc,WenQuanYi Micro Hei\0\0' |
    od -An -v -tx1 | tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /,/g')
reg="$prefix/vorlip-setup.reg"
{
    printf 'REGEDIT4\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
    # The dialog and caption faces (bold captions look up "Tahoma Bold"), the CJK faces programs
    # ask for by name, and the faces Wine's edit control falls back to for Japanese text.
    for face in "Tahoma" "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" \
        "Segoe UI" "Arial" "Courier New" "Courier New Bold" "Gulim" "Batang" "Malgun Gothic" \
        "MS UI Gothic" "MS Gothic" "MS PGothic" "MS Mincho" "Meiryo" "Meiryo UI" "Yu Gothic UI" \
        "SimSun" "MingLiU" "PMingLiU" "Microsoft YaHei" "Microsoft JhengHei"; do
        printf '"%s"=hex(7):%s\r\n' "$face" "$link"
    done
    # Without a window manager a managed window waits for one (hiding a window stalls ~2 s).
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n'
    # A crash must fail the test that caused it, not open a dialog nobody will close.
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]\r\n"ShowCrashDialog"=dword:00000000\r\n'
} >"$reg"
wine regedit /S "$reg" >/dev/null 2>&1
rm -f "$reg"
# The server writes the registry files only when it exits; wait so the prefix is complete on disk.
wineserver -w

touch "$marker"
