#!/usr/bin/env bash
# Prepares a Wine prefix for the tests and the run command:
#   wine-prefix.sh PREFIX_DIR
# One virtual desktop shared by every program of the prefix (so that a test
# driver sees the setup's windows), fonts that Wine finds, and Desktop and
# the other user folders inside the prefix instead of links into the real home.
# Where this machine runs 32-bit Windows programs (scripts/wine-runs-32bit.sh),
# the prefix must run them too: only a prefix made after wine32
# was installed has the 32-bit system folder (syswow64) that WOW64 loads from.
# Idempotent: a prepared prefix is left as it is, unless it lacks the 32-bit
# system folder that this machine could now use; then it is made again.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=${1:?usage: wine-prefix.sh PREFIX_DIR}
mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")
runs_32bit() { [ -f "$prefix/drive_c/windows/syswow64/kernel32.dll" ]; }
want_32bit=0
"$here/wine-runs-32bit.sh" >/dev/null && want_32bit=1
# The marker names what a prepared prefix holds; its number goes up when that changes.
if [ -f "$prefix/.quillmark-ready-2" ]; then
    if [ "$want_32bit" = 0 ] || runs_32bit; then
        exit 0
    fi
    echo "wine-prefix: $prefix was made before wine32 could run here; making it again"
fi

export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64

[ -d "$prefix" ] && /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true
rm -rf "$prefix"
"$wine" wineboot -i >/dev/null 2>&1
/usr/lib/wine/wineserver -w

"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
# A program that crashes is ended with its backtrace on standard error instead
# of waiting behind Wine's crash dialog, which nobody would answer in a test.
"$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
/usr/lib/wine/wineserver -w

fonts="$prefix/drive_c/windows/Fonts"
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/*; do
    [ -e "$fonts/$(basename "$f")" ] || ln -s "$f" "$fonts/"
done

for link in "$prefix"/drive_c/users/*/*; do
    if [ -L "$link" ]; then
        rm "$link"
        mkdir -p "$link"
    fi
done
if [ "$want_32bit" = 1 ] && ! runs_32bit; then
    echo "wine-prefix: $prefix has no 32-bit system folder although wine32 is installed" >&2
    exit 1
fi
touch "$prefix/.quillmark-ready-2"
