// Sizes are designed at 96 DPI; this is how they grow on a denser screen.
#pragma once

#include <cstdint>

// units * dpi / 96, rounded to the nearest pixel with halves away from zero, as
// MulDiv rounds, so that host code and Win32 code agree to the pixel.
inline int ScaleForDpi(int units, int dpi) {
    const int64_t product = static_cast<int64_t>(units) * dpi;
    const int64_t half = product >= 0 ? 48 : -48;
    return static_cast<int>((product + half) / 96);
}
