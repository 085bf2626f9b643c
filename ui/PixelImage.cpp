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
