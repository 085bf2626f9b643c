#include "tools/IcoFile.h"

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "tools/Palette.h"

namespace {

void Put16(std::string& out, uint16_t v) {
    out += char(v & 0xff);
    out += char(v >> 8);
}
void Put32(std::string& out, uint32_t v) {
    Put16(out, uint16_t(v & 0xffff));
    Put16(out, uint16_t(v >> 16));
}
void PutBig32(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += char(v >> shift & 0xff);
}

int RowStride(int width, int bits) {
    return ((width * bits + 31) / 32) * 4;
}

// Sixteen strong colours: a tint matched as it is falls to a grey or to the
// wrong hue (a mid blue to teal), so colours are made more vivid first.
Rgba Vivid(Rgba p) {
    const int mean = (p.r + p.g + p.b) / 3;
    auto push = [mean](uint8_t v) {
        return uint8_t(std::clamp(mean + (v - mean) * 8 / 5, 0, 255));
    };
    return Rgba{push(p.r), push(p.g), push(p.b), p.a};
}

std::vector<Rgba> PaletteFor(const Canvas& c, int bits) {
    if (bits == 4)
        return StandardPalette16();
    if (bits == 8)
        return ImagePalette256(c);  // only the colours used, as the header counts them
    return {};
}

// The colour rows: BGRA for 32 bits; palette indexes, packed high nibble
// first, for 4 and 8. Clear pixels take palette entry 0, which is black, so
// that the AND mask leaves the screen showing through unchanged.
std::string ColourRows(const Canvas& c, int bits, const std::vector<Rgba>& palette) {
    std::string out;
    const int stride = RowStride(c.Width(), bits);
    for (int y = c.Height() - 1; y >= 0; --y) {
        std::string row(size_t(stride), '\0');
        for (int x = 0; x < c.Width(); ++x) {
            const Rgba& p = c.At(x, y);
            if (bits == 32) {
                row[size_t(x) * 4 + 0] = char(p.b);
                row[size_t(x) * 4 + 1] = char(p.g);
                row[size_t(x) * 4 + 2] = char(p.r);
                row[size_t(x) * 4 + 3] = char(p.a);
                continue;
            }
            const int index = p.a < 128 ? 0 : NearestColour(palette, bits == 4 ? Vivid(p) : p);
            if (bits == 8)
                row[size_t(x)] = char(index);
            else
                row[size_t(x / 2)] = char(row[size_t(x / 2)] | (x % 2 ? index : index << 4));
        }
        out += row;
    }
    return out;
}

std::string MaskRows(const Canvas& c, int bits) {
    std::string out;
    const int stride = RowStride(c.Width(), 1);
    for (int y = c.Height() - 1; y >= 0; --y) {
        std::string row(size_t(stride), '\0');
        for (int x = 0; x < c.Width(); ++x) {
            const int a = c.At(x, y).a;
            if (bits == 32 ? a == 0 : a < 128)
                row[size_t(x / 8)] = char(row[size_t(x / 8)] | (0x80 >> (x % 8)));
        }
        out += row;
    }
    return out;
}

// A DIB as icons store it: header with doubled height, palette, bottom-up
// colour rows, then the 1-bit AND mask with rows padded to 32 bits.
std::string IconImage(const Canvas& c, int bits) {
    const std::vector<Rgba> palette = PaletteFor(c, bits);
    const std::string colour = ColourRows(c, bits, palette);
    const std::string mask = MaskRows(c, bits);
    std::string out;
    Put32(out, 40);
    Put32(out, uint32_t(c.Width()));
    Put32(out, uint32_t(c.Height() * 2));
    Put16(out, 1);
    Put16(out, uint16_t(bits));
    Put32(out, 0);
    Put32(out, uint32_t(colour.size() + mask.size()));
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, uint32_t(palette.size()));
    Put32(out, 0);
    for (const Rgba& p : palette) {
        out += char(p.b);
        out += char(p.g);
        out += char(p.r);
        out += char(0);
    }
    return out + colour + mask;
}

void PutPngChunk(std::string& out, const char* type, const std::string& data) {
    PutBig32(out, uint32_t(data.size()));
    const std::string typed = type + data;
    out += typed;
    PutBig32(out, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(typed.data()), typed.size())));
}

// An 8-bit RGBA PNG, rows unfiltered (filtering gains a few bytes at these
// sizes), compressed at zlib's level 9: the same bytes on every build.
std::string PngImage(const Canvas& c) {
    std::string rows;
    for (int y = 0; y < c.Height(); ++y) {
        rows += '\0';
        for (int x = 0; x < c.Width(); ++x) {
            const Rgba& p = c.At(x, y);
            rows += {char(p.r), char(p.g), char(p.b), char(p.a)};
        }
    }
    uLongf packed = compressBound(rows.size());
    std::string idat(packed, '\0');
    if (compress2(reinterpret_cast<Bytef*>(idat.data()), &packed,
                  reinterpret_cast<const Bytef*>(rows.data()), rows.size(), 9) != Z_OK)
        throw std::runtime_error("zlib could not compress an icon image");
    idat.resize(packed);
    std::string header;
    PutBig32(header, uint32_t(c.Width()));
    PutBig32(header, uint32_t(c.Height()));
    header += {8, 6, 0, 0, 0};  // 8 bits a channel, RGBA, deflate, no filter, not interlaced
    std::string out = "\x89PNG\r\n\x1a\n";
    PutPngChunk(out, "IHDR", header);
    PutPngChunk(out, "IDAT", idat);
    PutPngChunk(out, "IEND", "");
    return out;
}

}  // namespace

std::string IcoFile(const std::vector<IcoImage>& images) {
    std::string header, data;
    Put16(header, 0);
    Put16(header, 1);
    Put16(header, uint16_t(images.size()));
    uint32_t offset = uint32_t(6 + 16 * images.size());
    for (const IcoImage& i : images) {
        const Canvas& c = i.picture;
        const std::string image = i.png ? PngImage(c) : IconImage(c, i.bitsPerPixel);
        header += char(c.Width() >= 256 ? 0 : c.Width());
        header += char(c.Height() >= 256 ? 0 : c.Height());
        header += char(i.bitsPerPixel == 4 ? 16 : 0);  // colours, when fewer than 256
        header += char(0);
        Put16(header, 1);
        Put16(header, uint16_t(i.bitsPerPixel));
        Put32(header, uint32_t(image.size()));
        Put32(header, offset);
        offset += uint32_t(image.size());
        data += image;
    }
    return header + data;
}

std::string IcoFile(const std::vector<Canvas>& images) {
    std::vector<IcoImage> entries;
    for (const Canvas& c : images) entries.push_back(IcoImage{c, 32});
    return IcoFile(entries);
}
