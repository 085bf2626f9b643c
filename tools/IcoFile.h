// Writes Windows .ico files: images of 32 bits with alpha, or of 8 or 4 bits
// with a palette, each with its AND mask; or images of 32 bits stored as PNG,
// which Windows reads in icons of every size since Vista, at a sixth of the
// bytes.
#pragma once

#include <string>
#include <vector>

#include "tools/Canvas.h"

struct IcoImage {
    Canvas picture;
    int bitsPerPixel;  // 32, 8 or 4; pixels of the smaller depths are opaque or clear
    bool png = false;  // 32 bits only: an RGBA PNG instead of a DIB with a mask
};

std::string IcoFile(const std::vector<IcoImage>& images);

// All images at 32 bits.
std::string IcoFile(const std::vector<Canvas>& images);
