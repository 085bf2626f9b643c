// A small RGBA raster for drawing the pictures of build-time icons and images.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

struct Rgba {
    uint8_t r, g, b, a;
};

class Canvas {
public:
    Canvas(int width, int height)
        : w_(width), h_(height), px_(size_t(width) * height, Rgba{0, 0, 0, 0}) {}

    int Width() const { return w_; }
    int Height() const { return h_; }
    const Rgba& At(int x, int y) const { return px_[size_t(y) * w_ + x]; }

    // Coordinates are in a 0..1 square scaled to the canvas, so one drawing
    // serves every icon size. Edges are blended over the pixel they cover.
    void FillRect(double x0, double y0, double x1, double y1, Rgba c) {
        Cover(c, [&](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; });
    }
    void FillEllipse(double cx, double cy, double rx, double ry, Rgba c) {
        Cover(c, [&](double x, double y) {
            double dx = (x - cx) / rx, dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1.0;
        });
    }
    // Top colour to bottom colour, blended line by line.
    void FillRectGradient(double x0, double y0, double x1, double y1, Rgba top, Rgba bottom) {
        Cover([&](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; },
              [&](double, double y) {
                  const double t = std::clamp((y - y0) / (y1 - y0), 0.0, 1.0);
                  auto mix = [t](uint8_t a, uint8_t b) {
                      return uint8_t(std::lround(a + (b - a) * t));
                  };
                  return Rgba{mix(top.r, bottom.r), mix(top.g, bottom.g), mix(top.b, bottom.b),
                              mix(top.a, bottom.a)};
              });
    }
    // Any simple polygon, corners in order (even-odd rule).
    void FillPolygon(const std::vector<std::pair<double, double>>& corners, Rgba c) {
        Cover(c, [&](double x, double y) {
            bool in = false;
            for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
                const auto [xi, yi] = corners[i];
                const auto [xj, yj] = corners[j];
                if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                    in = !in;
            }
            return in;
        });
    }
    void Frame(double x0, double y0, double x1, double y1, double t, Rgba c) {
        FillRect(x0, y0, x1, y0 + t, c);
        FillRect(x0, y1 - t, x1, y1, c);
        FillRect(x0, y0, x0 + t, y1, c);
        FillRect(x1 - t, y0, x1, y1, c);
    }
    // Makes alpha fully on or off, as small icons want.
    void HardenAlpha() {
        for (Rgba& p : px_) p.a = p.a >= 128 ? 255 : 0;
    }

private:
    template <typename Inside>
    void Cover(Rgba c, Inside inside) {
        Cover(inside, [c](double, double) { return c; });
    }
    template <typename Inside, typename Colour>
    void Cover(Inside inside, Colour colour) {
        const int n = 4;  // samples per axis
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                int hits = 0;
                for (int sy = 0; sy < n; ++sy)
                    for (int sx = 0; sx < n; ++sx)
                        hits += inside((x + (sx + 0.5) / n) / w_, (y + (sy + 0.5) / n) / h_);
                if (hits) {
                    const Rgba c = colour((x + 0.5) / w_, (y + 0.5) / h_);
                    Blend(px_[size_t(y) * w_ + x], c, c.a / 255.0 * hits / (n * n));
                }
            }
    }
    static void Blend(Rgba& dst, Rgba src, double alpha) {
        double da = dst.a / 255.0, oa = alpha + da * (1 - alpha);
        auto mix = [&](uint8_t s, uint8_t d) {
            return oa > 0 ? uint8_t(std::lround((s * alpha + d * da * (1 - alpha)) / oa))
                          : uint8_t(0);
        };
        dst = {mix(src.r, dst.r), mix(src.g, dst.g), mix(src.b, dst.b),
               uint8_t(std::lround(oa * 255))};
    }

    int w_, h_;
    std::vector<Rgba> px_;
};
