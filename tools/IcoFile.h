// Writes Windows .ico files: images of 32 bits with alpha, or of 8 or 4 bits
// with a palette, each with its AND mask.
#pragma once

#include <string>
#include <vector>

#include "tools/Canvas.h"

struct IcoImage {
    Canvas picture;
    int bitsPerPixel;  // 32, 8 or 4; pixels of the smaller depths are opaque or clear
};

std::string IcoFile(const std::vector<IcoImage>& images);

// All images at 32 bits.
std::string IcoFile(const std::vector<Canvas>& images);
