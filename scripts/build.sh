#!/usr/bin/env bash
# Builds everything: the host build (tools, native tests), then the 64-bit and
# 32-bit Windows builds of the setup. Extra arguments go to every cmake configure,
# e.g. -DQUILLMARK_PRODUCT_DIR=/path/to/product to package a real product.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$here/build"
jobs=$(nproc 2>/dev/null || echo 2)

configure() {  # dir, extra args...
    local dir=$1; shift
    if [ ! -f "$build/$dir/CMakeCache.txt" ]; then
        cmake -S "$here" -B "$build/$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
    elif [ $# -gt 0 ]; then
        cmake "$build/$dir" "$@" >/dev/null
    fi
}

configure host "$@"
cmake --build "$build/host" -j "$jobs"

for arch in x86_64 i686; do
    configure "win-$arch" -DCMAKE_TOOLCHAIN_FILE="$here/cmake/mingw-$arch.cmake" \
        -DQUILLMARK_HOST_TOOLS="$build/host/tools" "$@"
    cmake --build "$build/win-$arch" -j "$jobs"
done
