#include "ui/PixelImage.h"

namespace {

constexpr char kMagic[] = "QPIX";
constexpr size_t kHeaderSize = 8;
constexpr int kMaxSide = 1024;

int Read16(std::string_view d, size_t at) {
    return static_cast<uint8_t>(d[at]) | static_cast<uint8_t>(d[at + 1]) << 8;
}

}  // namespace

std::string EncodePixelImage(const PixelImage& image) {
    std::string out(kMagic, 4);
    for (int v : {image.width, image.height}) {
        out += char(v & 0xff);
        out += char((v >> 8) & 0xff);
    }
    out.append(reinterpret_cast<const char*>(image.bgra.data()), image.bgra.size());
    return out;
}

bool DecodePixelImage(std::string_view data, PixelImage& out) {
    if (data.size() < kHeaderSize || data.substr(0, 4) != std::string_view(kMagic, 4))
        return false;
    const int width = Read16(data, 4), height = Read16(data, 6);
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        return false;
    if (data.size() - kHeaderSize != size_t(width) * size_t(height) * 4)
        return false;
    const auto* pixels = reinterpret_cast<const uint8_t*>(data.data() + kHeaderSize);
    // A colour above its alpha is not premultiplied: blending it would overflow.
    for (size_t i = 0; i < data.size() - kHeaderSize; i += 4)
        if (pixels[i] > pixels[i + 3] || pixels[i + 1] > pixels[i + 3] ||
            pixels[i + 2] > pixels[i + 3])
            return false;
    out.width = width;
    out.height = height;
    out.bgra.assign(pixels, pixels + (data.size() - kHeaderSize));
    return true;
}

namespace {

// The share of source cell [index, index + 1) that the target cell `target`
// covers, both on a line of `from` cells drawn as `to` cells.
double Coverage(int index, int target, int from, int to) {
    const double start = double(target) * from / to, end = double(target + 1) * from / to;
    const double lo = index > start ? index : start, hi = index + 1 < end ? index + 1 : end;
    return hi > lo ? hi - lo : 0.0;
}

}  // namespace

PixelImage ScalePixelImage(const PixelImage& image, int width, int height) {
    PixelImage out;
    if (width < 1 || height < 1 || image.width < 1 || image.height < 1)
        return out;
    out.width = width;
    out.height = height;
    out.bgra.resize(size_t(width) * size_t(height) * 4);
    for (int ty = 0; ty < height; ++ty) {
        const int y0 = ty * image.height / height;
        const int y1 = ((ty + 1) * image.height + height - 1) / height;
        for (int tx = 0; tx < width; ++tx) {
            const int x0 = tx * image.width / width;
            const int x1 = ((tx + 1) * image.width + width - 1) / width;
            double sum[4] = {0, 0, 0, 0}, weights = 0;
            for (int y = y0; y < y1; ++y) {
                const double wy = Coverage(y, ty, image.height, height);
                for (int x = x0; x < x1; ++x) {
                    const double w = wy * Coverage(x, tx, image.width, width);
                    const uint8_t* p = &image.bgra[(size_t(y) * image.width + x) * 4];
                    for (int c = 0; c < 4; ++c) sum[c] += w * p[c];
                    weights += w;
                }
            }
            uint8_t* q = &out.bgra[(size_t(ty) * width + tx) * 4];
            for (int c = 0; c < 4; ++c)
                q[c] = static_cast<uint8_t>(weights > 0 ? sum[c] / weights + 0.5 : 0);
        }
    }
    return out;
}
