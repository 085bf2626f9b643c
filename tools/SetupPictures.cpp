#include "tools/SetupPictures.h"

#include <algorithm>

namespace {

using Corners = std::vector<std::pair<double, double>>;

Rgba Shade(Rgba c, double factor) {
    auto f = [factor](uint8_t v) { return uint8_t(std::clamp(v * factor, 0.0, 255.0)); };
    return Rgba{f(c.r), f(c.g), f(c.b), c.a};
}

// One pixel of the given canvas in the drawings' 0..1 units: outlines stay
// one pixel wide at every size instead of blurring away at 16.
double Pixel(int size) {
    return 1.0 / size;
}

void DrawComputer(Canvas& c, double px, Rgba screen) {
    const Rgba edge{62, 66, 76, 255};
    // Stand first: the monitor's lower edge covers its top.
    c.FillRect(0.33, 0.56, 0.47, 0.68, edge);
    c.FillRect(0.33 + px, 0.56, 0.47 - px, 0.68, Rgba{150, 155, 164, 255});
    c.FillRect(0.18, 0.66, 0.62, 0.75, edge);
    c.FillRectGradient(0.18 + px, 0.66 + px, 0.62 - px, 0.75 - px, Rgba{196, 200, 206, 255},
                       Rgba{128, 133, 142, 255});
    // Monitor: dark rim, light bezel, the screen with a soft sheen.
    c.FillRect(0.02, 0.04, 0.78, 0.60, edge);
    c.FillRectGradient(0.02 + px, 0.04 + px, 0.78 - px, 0.60 - px, Rgba{232, 235, 239, 255},
                       Rgba{178, 183, 191, 255});
    const double sx0 = 0.02 + 3 * px + 0.03, sy0 = 0.04 + 3 * px + 0.03;
    const double sx1 = 0.78 - 3 * px - 0.03, sy1 = 0.60 - 3 * px - 0.05;
    c.FillRect(sx0 - px, sy0 - px, sx1 + px, sy1 + px, Shade(screen, 0.45));
    c.FillRectGradient(sx0, sy0, sx1, sy1, Shade(screen, 1.18), Shade(screen, 0.72));
    c.FillPolygon(
        Corners{{sx0, sy0}, {sx0 + (sx1 - sx0) * 0.55, sy0}, {sx0, sy1 - (sy1 - sy0) * 0.25}},
        Rgba{255, 255, 255, 60});
}

void DrawSoftwareBox(Canvas& c, double px) {
    const Rgba outline{110, 62, 8, 255};
    const double l = 0.44, r = 0.83, t = 0.47, b = 0.96, depth = 0.12, rise = 0.09;
    // Silhouette in the outline colour, the three faces inset by a pixel.
    c.FillPolygon(Corners{{l - px, t - px},
                          {l + depth, t - rise - px},
                          {r + depth + px, t - rise - px},
                          {r + depth + px, b - rise},
                          {r, b + px},
                          {l - px, b + px}},
                  outline);
    c.FillPolygon(Corners{{l + px, t},
                          {l + depth, t - rise + px / 2},
                          {r + depth - px / 2, t - rise + px / 2},
                          {r - px / 2, t}},
                  Rgba{255, 226, 122, 255});
    c.FillPolygon(Corners{{r + px / 2, t},
                          {r + depth, t - rise + px},
                          {r + depth, b - rise - px / 2},
                          {r + px / 2, b - px / 2}},
                  Rgba{196, 122, 14, 255});
    c.FillRectGradient(l, t + px, r, b, Rgba{252, 204, 64, 255}, Rgba{230, 150, 24, 255});
    // A band across the front and a disc on it, as boxed software has.
    c.FillRect(l, t + (b - t) * 0.20, r, t + (b - t) * 0.36, Rgba{44, 96, 186, 255});
    c.FillEllipse((l + r) / 2, t + (b - t) * 0.66, (r - l) * 0.26, (b - t) * 0.20,
                  Rgba{120, 62, 8, 255});
    c.FillEllipse((l + r) / 2, t + (b - t) * 0.66, (r - l) * 0.26 - px, (b - t) * 0.20 - px,
                  Rgba{228, 232, 240, 255});
    c.FillEllipse((l + r) / 2, t + (b - t) * 0.66, (r - l) * 0.07, (b - t) * 0.05,
                  Rgba{230, 150, 24, 255});
}

void DrawFolder(Canvas& c, double px) {
    const Rgba edge{52, 112, 176, 255};
    // Back with its tab, then the front flap a little lower.
    c.FillPolygon(
        Corners{{0.03, 0.10}, {0.34, 0.10}, {0.41, 0.18}, {0.90, 0.18}, {0.90, 0.80}, {0.03, 0.80}},
        edge);
    c.FillPolygon(Corners{{0.03 + px, 0.10 + px},
                          {0.34 - px / 2, 0.10 + px},
                          {0.41 - px / 2, 0.18 + px},
                          {0.90 - px, 0.18 + px},
                          {0.90 - px, 0.80 - px},
                          {0.03 + px, 0.80 - px}},
                  Rgba{128, 190, 238, 255});
    c.FillRect(0.03, 0.28, 0.92, 0.82, edge);
    c.FillRectGradient(0.03 + px, 0.28 + px, 0.92 - px, 0.82 - px, Rgba{196, 230, 252, 255},
                       Rgba{132, 192, 240, 255});
}

void DrawProgramGroupWindow(Canvas& c, double px) {
    const double l = 0.36, t = 0.42, r = 0.98, b = 0.98;
    c.FillRect(l, t, r, b, Rgba{40, 48, 70, 255});
    c.FillRect(l + px, t + px, r - px, b - px, Rgba{252, 252, 250, 255});
    c.FillRectGradient(l + px, t + px, r - px, t + 0.13, Rgba{64, 120, 222, 255},
                       Rgba{26, 70, 170, 255});
    // Three by two small program icons.
    const Rgba icons[] = {{214, 48, 40, 255},  {46, 160, 70, 255},  {240, 180, 30, 255},
                          {130, 70, 180, 255}, {34, 150, 190, 255}, {236, 112, 30, 255}};
    const double cellW = (r - l - 2 * px) / 3, cellH = (b - t - 0.13 - px) / 2;
    for (int i = 0; i < 6; ++i) {
        const double x = l + px + cellW * (i % 3), y = t + 0.13 + cellH * (i / 3);
        c.FillRect(x + cellW * 0.22, y + cellH * 0.2, x + cellW * 0.78, y + cellH * 0.8, icons[i]);
    }
}

}  // namespace

Canvas DrawSetupPicture(int size, Rgba screen) {
    Canvas c(size, size);
    DrawComputer(c, Pixel(size), screen);
    DrawSoftwareBox(c, Pixel(size));
    if (size < 48)
        c.HardenAlpha();
    return c;
}

Canvas DrawProgramFolderPicture(int size) {
    Canvas c(size, size);
    DrawFolder(c, Pixel(size));
    DrawProgramGroupWindow(c, Pixel(size));
    if (size < 48)
        c.HardenAlpha();
    return c;
}
