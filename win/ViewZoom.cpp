// TEMPORARY STAND-IN: see ViewZoom.h.
#include "win/ViewZoom.h"

int ViewZoomNumerator(int widthPixels) {
    return static_cast<int>(0.140 * widthPixels);
}
