#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine on a virtual display and prints
# their figures (extraction; reading and merging settings files, a large one
# and ones that no settings file should be), for the 32-bit setup (the one
# that ships) where Wine here runs 32-bit programs, and for the 64-bit one.
#   bench.sh [RUNS]
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

# Emulated, the 32-bit setup's times would say nothing of Windows: it is
# measured only where the kernel runs it.
archs=()
how=$(scripts/wine-runs-32bit.sh)
case $(head -n 1 <<<"$how") in
native) archs+=(i686) ;;
emulated) echo "== 32-bit setup: not measured, as it runs here only through user-mode emulation, whose times say nothing of Windows" ;;
*) echo "== 32-bit setup: not measured, $(sed -n 2p <<<"$how")" ;;
esac
archs+=(x86_64)
for arch in "${archs[@]}"; do
    case $arch in
        i686) echo "== 32-bit setup (build/win-i686)" ;;
        x86_64) echo "== 64-bit setup (build/win-x86_64)" ;;
    esac
    "$wine" "build/win-$arch/bench/extract_bench.exe" "${1:-7}"
    "$wine" "build/win-$arch/bench/ini_bench.exe"
done
