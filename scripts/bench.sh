#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine on a virtual display; prints their figures.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
source scripts/wine-env.sh
scripts/setup-deps.sh
scripts/build.sh >/dev/null
scripts/wine-prefix.sh build/wine/template
rm -rf build/wine/bench-prefix
cp -a build/wine/template build/wine/bench-prefix
export WINEPREFIX="$here/build/wine/bench-prefix"
start_display
trap stop_wine_and_display EXIT
start_wine build/win-x86_64/tests/wine/test_keeper.exe
"$wine" build/win-x86_64/bench/extract_bench.exe "${1:-7}"
