#include "tools/IcoFile.h"

#include <cstdint>

namespace {

void Put16(std::string& out, uint16_t v) {
    out += char(v & 0xff);
    out += char(v >> 8);
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, uint16_t(v & 0xffff));
    Put16(out, uint16_t(v >> 16));
}

// A DIB as icons store it: header with doubled height, bottom-up BGRA rows,
// then the 1-bit AND mask with rows padded to 32 bits.
std::string IconImage(const Canvas& c) {
    std::string out;
    const int w = c.Width(), h = c.Height();
    const int maskStride = ((w + 31) / 32) * 4;
    Put32(out, 40);
    Put32(out, uint32_t(w));
    Put32(out, uint32_t(h * 2));
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, uint32_t(w * h * 4 + maskStride * h));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = h - 1; y >= 0; --y)
        for (int x = 0; x < w; ++x) {
            const Rgba& p = c.At(x, y);
            out += char(p.b);
            out += char(p.g);
            out += char(p.r);
            out += char(p.a);
        }
    for (int y = h - 1; y >= 0; --y) {
        std::string row(size_t(maskStride), '\0');
        for (int x = 0; x < w; ++x)
            if (c.At(x, y).a == 0)
                row[size_t(x / 8)] = char(row[size_t(x / 8)] | (0x80 >> (x % 8)));
        out += row;
    }
    return out;
}

}  // namespace

std::string IcoFile(const std::vector<Canvas>& images) {
    std::string header, data;
    Put16(header, 0);
    Put16(header, 1);
    Put16(header, uint16_t(images.size()));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (const Canvas& c : images) {
        std::string image = IconImage(c);
        header += char(c.Width() >= 256 ? 0 : c.Width());
        header += char(c.Height() >= 256 ? 0 : c.Height());
        header += char(0);  // no palette
        header += char(0);
        Put16(header, 1);
        Put16(header, 32);
        Put32(header, uint32_t(image.size()));
        Put32(header, offset);
        offset += uint32_t(image.size());
        data += image;
    }
    return header + data;
}
