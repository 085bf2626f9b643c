#!/bin/sh
# Builds the setup a second time, in another folder, from the same source and
# product folder as a finished build, and compares the two byte for byte.
#   rebuild-compare.sh SOURCE_DIR BUILD_DIR REBUILD_DIR
# Only the setup is built there. A signed build is compared without its
# signature (osslsigncode restores the unsigned bytes exactly).
set -eu
src=$1 build=$2 rebuild=$3
cache="$build/CMakeCache.txt"
if [ ! -f "$cache" ]; then
    echo "no build at $build: nothing to compare"
    exit 77
fi
setting() { sed -n "s/^$1:[A-Z]*=//p" "$cache"; }
setup=$build/app/QuillmarkSetup.exe

rm -rf "$rebuild"
cmake -S "$src" -B "$rebuild" -DCMAKE_BUILD_TYPE="$(setting CMAKE_BUILD_TYPE)" \
    -DCMAKE_TOOLCHAIN_FILE="$(setting CMAKE_TOOLCHAIN_FILE)" \
    -DQUILLMARK_HOST_TOOLS="$(setting QUILLMARK_HOST_TOOLS)" \
    -DQUILLMARK_PRODUCT_DIR="$(setting QUILLMARK_PRODUCT_DIR)" \
    -DQUILLMARK_SIGN_PKCS12= -DQUILLMARK_SIGN_CERT= -DQUILLMARK_SIGN_KEY= >"$rebuild.log" 2>&1 ||
    { cat "$rebuild.log"; exit 1; }
cmake --build "$rebuild" --target quillmark_setup -j 2 >>"$rebuild.log" 2>&1 ||
    { cat "$rebuild.log"; exit 1; }

first=$rebuild/first.exe
osslsigncode remove-signature -in "$setup" -out "$first" >/dev/null 2>&1 || cp "$setup" "$first"
second=$rebuild/app/QuillmarkSetup.exe
if cmp -s "$first" "$second"; then
    echo "identical: $(stat -c %s "$second") bytes, sha256 $(sha256sum <"$second" | cut -c1-64)"
    rm -rf "$rebuild" "$rebuild.log"
    exit 0
fi
echo "the rebuilt setup differs in $(cmp -l "$first" "$second" | wc -l) bytes; first differences:"
cmp -l "$first" "$second" | head -n 10
exit 1
