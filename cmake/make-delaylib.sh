#!/bin/sh
# Makes a delay-load import library from the toolchain's import library:
#   make-delaylib.sh TOOL_PREFIX IMPORT_LIB DLL_NAME OUT_LIB
# TOOL_PREFIX names the binutils, e.g. i686-w64-mingw32- for i686-w64-mingw32-nm.
# The export list is read off the import library's __imp_ symbols; 32-bit
# names keep their @n decoration for the linker and lose it for the DLL (-k).
#
# dlltool puts the delay-load tables in the .idata$N sections of ordinary
# import libraries. The 32-bit linker takes such members for import stubs and
# drops a member's .text when only its __imp_ pointer is referenced (as every
# call through the system headers does), yet in a delay-load member that .text
# holds the code the pointer starts out at: the first call jumps to address 0.
# So the tables move into sections of their own, sorted by name within .data
# (the address table, which the loader helper fills in) and .rdata (names):
# the DLL's head member first, then every function's entry, then the tail.
set -e
tools=$1 lib=$2 dll=$3 out=$4
case $out in /*) ;; *) out="$(pwd)/$out" ;; esac
# dlltool names the library's members after the path it is given, and the
# linker orders import tables by member name: made under its bare name in its
# own folder, the library keeps the build folder out of the executable.
cd "$(dirname "$out")"
work=
# A library half made is no library: it goes, and so do the scraps.
trap 'rc=$?; [ -z "$work" ] || rm -rf "$work"; [ $rc -eq 0 ] || rm -f "$out" "$raw"' EXIT
nm=${tools}nm dlltool=${tools}dlltool objcopy=${tools}objcopy ar=${tools}ar
def="$out.def"
{
    echo "LIBRARY $dll"
    echo "EXPORTS"
    "$nm" "$lib" | sed -n 's/^.* I __imp_//p' | sed 's/^_\(.*@[0-9]*\)$/\1/' | sort -u
} > "$def"
raw="$out.dlltool.a"
rm -f "$raw" "$out"
"$dlltool" -k --input-def "$def" --output-delaylib "$(basename "$raw")" --dllname "$dll"

tag=$(echo "$dll" | sed 's/\.dll$//; s/[^A-Za-z0-9]/_/g')
rename_tables() {  # part, file: the tables of one kind of member
    "$objcopy" \
        --rename-section ".idata\$5=.data\$qmdelay_${tag}_iat_$1" \
        --rename-section ".idata\$4=.rdata\$qmdelay_${tag}_int_$1" \
        --rename-section ".idata\$2=.rdata\$qmdelay_${tag}_names" \
        --rename-section ".idata\$3=.rdata\$qmdelay_${tag}_names" \
        --rename-section ".idata\$6=.rdata\$qmdelay_${tag}_names" \
        --rename-section ".idata\$7=.rdata\$qmdelay_${tag}_names" \
        "$2" "$3"
}
# Every member as a function's entry first (one pass over the archive), then
# the head (descriptor, handle, table starts) and the tail (table ends, DLL
# name) put back in their places.
work=$(mktemp -d "${TMPDIR:-/tmp}/delaylib.XXXXXX")
rename_tables b "$raw" "$out"
head=$("$ar" t "$raw" | grep '_h\.o$')
tail=$("$ar" t "$raw" | grep '_t\.o$')
(cd "$work" && "$ar" x "$raw" "$head" "$tail")
rename_tables a "$work/$head" "$work/$head.new"
rename_tables c "$work/$tail" "$work/$tail.new"
mv "$work/$head.new" "$work/$head"
mv "$work/$tail.new" "$work/$tail"
(cd "$work" && "$ar" r "$out" "$head" "$tail")
"$ar" s "$out"
rm -f "$raw"
# Nothing of the import directory may be left: the linker would drop code again.
if "${tools}objdump" -h "$out" | grep -q '\.idata'; then
    echo "make-delaylib: $out would still have .idata sections" >&2
    exit 1
fi
