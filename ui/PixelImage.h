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

// False, with out untouched, for anything but a whole, well-formed image of
// 1 to 1024 pixels a side whose colours do not exceed their alpha.
bool DecodePixelImage(std::string_view data, PixelImage& out);
