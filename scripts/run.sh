#!/usr/bin/env bash
# The main job: installs what is missing, builds the setup from the product
# folder (the sample product unless QUILLMARK_PRODUCT_DIR names a real one) and
# runs it under Wine: on your display when there is one, else on a virtual
# display, pressing through it by itself. Then lists what the installation left.
# It runs the 32-bit setup, the one that ships, where Wine here runs 32-bit
# programs (natively, or through user-mode emulation where the kernel runs no
# 32-bit code), else the 64-bit one, and says which and how long it took.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
source scripts/wine-env.sh

extra=()
[ -n "${QUILLMARK_PRODUCT_DIR:-}" ] && extra+=("-DQUILLMARK_PRODUCT_DIR=$QUILLMARK_PRODUCT_DIR")
scripts/setup-deps.sh
scripts/build.sh "${extra[@]}"

export WINEPREFIX="${WINEPREFIX:-$here/build/wine/run-prefix}"
scripts/wine-prefix.sh "$WINEPREFIX"
if how=$(scripts/wine-runs-32bit.sh); then
    arch=i686 which="the 32-bit setup (build/win-i686), the one that ships"
    why=$(sed -n 2p <<<"$how")
else
    arch=x86_64 which="the 64-bit setup (build/win-x86_64)"
    why="the 32-bit one cannot run here: $(sed -n 2p <<<"$how")"
fi
echo "Running $which; $why."
setup_exe=build/win-$arch/app/QuillmarkSetup.exe

interactive=0
begun=$(date +%s)
if [ -n "${DISPLAY:-}" ] && [ "${QUILLMARK_HEADLESS:-0}" != 1 ]; then
    interactive=1
    echo "Running the setup on your display ($DISPLAY)..."
    "$wine" "$setup_exe" || echo "The setup ended with exit code $?"
else
    start_display
    trap stop_wine_and_display EXIT
    echo "No display: running the setup on a virtual display ($DISPLAY) and pressing through it."
    start_wine build/win-x86_64/tests/wine/test_keeper.exe
    "$wine" build/win-$arch/tests/wine/press_through.exe "$here/$setup_exe" || true
fi
echo "The setup's run took $(($(date +%s) - begun)) s."

# What the installation left: files, registry entries, shortcuts, settings file.
echo
echo "What $which left:"
listed=0
"$wine" build/win-$arch/tests/wine/list_installation.exe 2>/dev/null | tr -d '\r' || listed=$?
if [ "$listed" -ne 0 ]; then
    echo "No installation was found."
    # Pressed through by itself, the run must have installed; a person may have cancelled.
    [ "$interactive" = 1 ] || exit 1
fi
