#!/usr/bin/env bash
# Where the setup's bytes go: links build/win-ARCH's setup again with a map
# (into a scratch folder) and sums the map's input sections by folder or
# library and by output section, then lists the biggest object files.
# The package's streams are shown apart, since they are the product's bytes.
#   size-table.sh [ARCH...]     (x86_64, i686; both by default)
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
[ $# -gt 0 ] || set -- x86_64 i686
for arch in "$@"; do
    app="$here/build/win-$arch/app"
    link=$(grep -- ' -o QuillmarkSetup.exe ' "$app/CMakeFiles/quillmark_setup.dir/link.txt")
    link=${link/ -o QuillmarkSetup.exe / -o $scratch/setup.exe }
    link=${link/-Wl,--out-implib,libQuillmarkSetup.dll.a/}
    (cd "$app" && eval "$link -Wl,-Map=$scratch/setup.map")
    echo "== $arch: $(stat -c %s "$scratch/setup.exe") bytes"
    awk -f "$here/scripts/size-table.awk" "$scratch/setup.map"
done
