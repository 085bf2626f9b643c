#!/usr/bin/env bash
# Prepares a Wine prefix for the tests and the run command:
#   wine-prefix.sh PREFIX_DIR
# One virtual desktop shared by every program of the prefix (so that a test
# driver sees the setup's windows), fonts that Wine finds, and Desktop and
# the other user folders inside the prefix instead of links into the real home.
#
# The prefix is made as this machine's kind makes it. Where Wine here runs
# 32-bit Windows programs (scripts/wine-runs-32bit.sh), it must run them too:
# only a prefix made after wine32 was installed has the 32-bit system folder
# (syswow64) that WOW64 loads from. Where it does not (or QUILLMARK_NO_32BIT=1
# says to behave so), the prefix is made without Wine's 32-bit half, hidden
# from Wine if it is installed, as on a machine that never had it.
#
# Either way the prefix then answers as 64-bit Windows does. Without its
# 32-bit half, Wine leaves the 32-bit registry view without the program-files
# folders that every 64-bit Windows has there; they are added.
#
# Idempotent: a prefix prepared for this machine's kind is left as it is;
# one prepared for the other kind is made again.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
prefix=${1:?usage: wine-prefix.sh PREFIX_DIR}
mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")

kind=64
"$here/wine-runs-32bit.sh" >/dev/null && kind=32
# The marker names what a prepared prefix holds; its number goes up when that changes.
marker="$prefix/.quillmark-ready-3"
if [ -f "$marker" ] && [ "$(cat "$marker")" = "$kind" ]; then
    exit 0
fi

# Wine's 32-bit half, where it is installed: its Windows libraries and its loader.
wine32_parts=()
for part in /usr/lib/i386-linux-gnu/wine /usr/lib/wine/wine; do
    [ -e "$part" ] && wine32_parts+=("$part")
done
if [ "$kind" = 64 ] && [ ${#wine32_parts[@]} -gt 0 ] && [ -z "${QUILLMARK_WINE32_HIDDEN:-}" ]; then
    # Made again in a mount namespace of its own, where empty places stand
    # over those parts: only this script's Wine runs there see the change.
    echo "wine-prefix: making $prefix without Wine's 32-bit half, as a machine without 32-bit programs does"
    as=(--mount --propagation private)
    [ "$(id -u)" -eq 0 ] || as+=(--map-root-user)
    exec unshare "${as[@]}" env QUILLMARK_WINE32_HIDDEN="${wine32_parts[*]}" bash -euc '
        for part in $QUILLMARK_WINE32_HIDDEN; do
            if [ -d "$part" ]; then mount -t tmpfs none "$part"; else mount --bind /dev/null "$part"; fi
        done
        exec "$0" "$@"' "${BASH_SOURCE[0]}" "$@"
fi

export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
reg() { "$wine" reg "$@" >/dev/null 2>&1; }
syswow64_kernel32="$prefix/drive_c/windows/syswow64/kernel32.dll"

[ -d "$prefix" ] && "$wineserver" -k >/dev/null 2>&1 || true
rm -rf "$prefix"
"$wine" wineboot -i >/dev/null 2>&1
"$wineserver" -w

reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
# A program that crashes is ended with its backtrace on standard error instead
# of waiting behind Wine's crash dialog, which nobody would answer in a test.
reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f

if [ ! -f "$syswow64_kernel32" ]; then
    # The 32-bit view's folders, as 64-bit Windows has them: those the native
    # view names for 32-bit programs.
    current='HKLM\Software\Microsoft\Windows\CurrentVersion'
    for name in ProgramFilesDir CommonFilesDir; do
        value=$("$wine" reg query "$current" /v "$name (x86)" /reg:64 2>/dev/null | tr -d '\r' |
                sed -n "s/^ *$name (x86) *REG_SZ *//p")
        [ -n "$value" ] || { echo "wine-prefix: the prefix has no \"$name (x86)\"" >&2; exit 1; }
        reg add "$current" /v "$name" /d "$value" /reg:32 /f
    done
fi
"$wineserver" -w

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
if [ "$kind" = 32 ] && [ ! -f "$syswow64_kernel32" ]; then
    echo "wine-prefix: $prefix has no 32-bit system folder although wine32 is installed" >&2
    exit 1
fi
if [ "$kind" = 64 ] && [ -f "$syswow64_kernel32" ]; then
    echo "wine-prefix: $prefix has a 32-bit system folder although it was made without wine32" >&2
    exit 1
fi
echo "$kind" >"$marker"
