#include "richtext/ViewZoom.h"

#include <cstdint>
#include <numeric>

int ViewZoomNumerator(int widthPixels) {
    // Truncated in double precision, as the views' zoom has always been worked out.
    return static_cast<int>(140 / 1000.0 * widthPixels);
}

ViewZoom ViewZoomFor(int widthPixels, int dpi) {
    if (widthPixels <= 0 || dpi <= 0)
        return {0, 0};
    // The zoom the view has at 96 DPI, where it is this many pixels wide,
    // grown by dpi / 96: the text then scales exactly as the controls do.
    const int width96 = static_cast<int>((int64_t{widthPixels} * 96 + dpi / 2) / dpi);
    if (width96 <= 0)
        return {0, 0};
    // Reduced by the common factor of dpi and 96 only, so 96 DPI gives m:width itself.
    const int common = std::gcd(dpi, 96);
    return {ViewZoomNumerator(width96) * (dpi / common), width96 * (96 / common)};
}
