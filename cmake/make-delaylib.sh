#!/bin/sh
# Makes a delay-load import library from the toolchain's import library:
#   make-delaylib.sh NM DLLTOOL IMPORT_LIB DLL_NAME OUT_LIB
# The export list is read off the import library's __imp_ symbols; 32-bit
# names keep their @n decoration for the linker and lose it for the DLL (-k).
set -e
nm=$1 dlltool=$2 lib=$3 dll=$4 out=$5
def="$out.def"
{
    echo "LIBRARY $dll"
    echo "EXPORTS"
    "$nm" "$lib" | sed -n 's/^.* I __imp_//p' | sed 's/^_\(.*@[0-9]*\)$/\1/' | sort -u
} > "$def"
"$dlltool" -k --input-def "$def" --output-delaylib "$out" --dllname "$dll"
