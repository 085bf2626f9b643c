// A 32-bit picture with premultiplied alpha, and the byte form in which the
// executable carries such pictures as resources.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct PixelImage {
    int width = 0;
    int height = 0;
    // Rows from the top, each pixel B, G, R, A with the colour already
    // multiplied by alpha: what a 32-bit top-down DIB section holds.
    std::vector<uint8_t> bgra;
};

// "QPIX", width and height as 16-bit little-endian numbers, then the pixels.
std::string EncodePixelImage(const PixelImage& image);

// The picture drawn width by height pixels: each pixel the mean of the part
// of the picture it covers, taken on the premultiplied values, so that soft
// edges stay soft and no colour exceeds its alpha. Empty for no size.
PixelImage ScalePixelImage(const PixelImage& image, int width, int height);

// False, with out untouched, for anything but a whole, well-formed image of
// 1 to 1024 pixels a side whose colours do not exceed their alpha.
bool DecodePixelImage(std::string_view data, PixelImage& out);
