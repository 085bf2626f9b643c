#!/usr/bin/env bash
# Prepares a Wine prefix for the tests and the run command:
#   wine-prefix.sh PREFIX_DIR
# One virtual desktop shared by every program of the prefix (so that a test
# driver sees the setup's windows), fonts that Wine finds, and Desktop and
# the other user folders inside the prefix instead of links into the real home.
# Idempotent: a prepared prefix is left as it is.
set -euo pipefail
prefix=${1:?usage: wine-prefix.sh PREFIX_DIR}
mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")
[ -f "$prefix/.quillmark-ready" ] && exit 0

export WINEPREFIX="$prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wine=/usr/lib/wine/wine64

rm -rf "$prefix"
"$wine" wineboot -i >/dev/null 2>&1
/usr/lib/wine/wineserver -w

"$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
"$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
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
touch "$prefix/.quillmark-ready"
