#!/usr/bin/env bash
# The main job: installs what is missing, builds the setup from the product
# folder (the sample product unless QUILLMARK_PRODUCT_DIR names a real one) and
# runs it under Wine: on your display when there is one, else on a virtual
# display, pressing through it by itself. Then lists what the installation left.
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
setup_exe=build/win-x86_64/app/QuillmarkSetup.exe

if [ -n "${DISPLAY:-}" ] && [ "${QUILLMARK_HEADLESS:-0}" != 1 ]; then
    echo "Running the setup on your display ($DISPLAY)..."
    "$wine" "$setup_exe" || echo "The setup ended with exit code $?"
else
    start_display
    trap stop_wine_and_display EXIT
    echo "No display: running the setup on a virtual display ($DISPLAY) and pressing through it."
    start_wine build/win-x86_64/tests/wine/test_keeper.exe
    "$wine" build/win-x86_64/tests/wine/press_through.exe "$here/$setup_exe" || true
fi

# What the installation left: files, registry entries, shortcuts, settings file.
"$wine" build/win-x86_64/tests/wine/list_installation.exe 2>/dev/null | tr -d '\r'
