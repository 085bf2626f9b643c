#include "win/ViewZoom.h"

int ViewZoomNumerator(int widthPixels) {
    // Truncated in double precision, as the views' zoom has always been worked out.
    return static_cast<int>(140 / 1000.0 * widthPixels);
}
