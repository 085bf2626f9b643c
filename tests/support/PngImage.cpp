#include "support/PngImage.h"

#include <zlib.h>

#include <cstdint>

namespace {

const char kSignature[] = "\x89PNG\r\n\x1a\n";

uint32_t Big32(const std::string& d, size_t at) {
    return uint32_t(uint8_t(d[at])) << 24 | uint32_t(uint8_t(d[at + 1])) << 16 |
           uint32_t(uint8_t(d[at + 2])) << 8 | uint8_t(d[at + 3]);
}

// The pixels of rows that each begin with their filter byte: only unfiltered
// ones, as the setup's icon holds them, are read.
bool Unfilter(const std::string& rows, size_t stride, int height, std::string& out,
              std::string& error) {
    out.clear();
    for (size_t y = 0; y < size_t(height); ++y) {
        if (rows[y * (stride + 1)] != '\0') {
            error = "a filtered PNG row";
            return false;
        }
        out += rows.substr(y * (stride + 1) + 1, stride);
    }
    return true;
}

}  // namespace

bool ReadPng(const std::string& data, PngRgba& image, std::string& error) {
    if (data.compare(0, 8, kSignature, 8) != 0) {
        error = "no PNG signature";
        return false;
    }
    std::string header, idat;
    bool ended = false;
    for (size_t at = 8; !ended;) {
        if (at + 12 > data.size() || Big32(data, at) > data.size() - at - 12) {
            error = "PNG chunk cut short";
            return false;
        }
        const size_t length = Big32(data, at);
        const std::string typed = data.substr(at + 4, 4 + length);
        const uint32_t crc =
            uint32_t(crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size())));
        if (crc != Big32(data, at + 8 + length)) {
            error = "PNG chunk " + typed.substr(0, 4) + " with a wrong CRC";
            return false;
        }
        const std::string type = typed.substr(0, 4);
        if (type == "IHDR")
            header = typed.substr(4);
        else if (type == "IDAT")
            idat += typed.substr(4);
        ended = type == "IEND";
        at += 12 + length;
    }
    if (header.size() != 13 || header.substr(8) != std::string("\x08\x06\0\0\0", 5)) {
        error = "not an 8-bit RGBA PNG without interlacing";
        return false;
    }
    image.width = int(Big32(header, 0));
    image.height = int(Big32(header, 4));
    if (image.width <= 0 || image.height <= 0 || image.width > 256 || image.height > 256) {
        error = "PNG of no icon size";
        return false;
    }
    const size_t stride = size_t(image.width) * 4;
    std::string rows((stride + 1) * size_t(image.height), '\0');
    uLongf unpacked = rows.size();
    if (uncompress(reinterpret_cast<Bytef*>(rows.data()), &unpacked,
                   reinterpret_cast<const Bytef*>(idat.data()), uLong(idat.size())) != Z_OK ||
        unpacked != rows.size()) {
        error = "PNG pixels that do not inflate to the image's size";
        return false;
    }
    return Unfilter(rows, stride, image.height, image.rgba, error);
}
