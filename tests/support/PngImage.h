// Reads the PNG images that the setup's icon holds: 8-bit RGBA, not
// interlaced, rows unfiltered, every chunk's CRC checked.
#pragma once

#include <string>

struct PngRgba {
    int width = 0, height = 0;
    std::string rgba;  // top row first, four bytes a pixel
};

bool ReadPng(const std::string& data, PngRgba& image, std::string& error);
