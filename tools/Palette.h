// Colour palettes for the 8- and 4-bit images of icons, whose pixels are
// indexes into a table of colours.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/Canvas.h"

// The sixteen colours of the standard 4-bit display palette; black first.
std::vector<Rgba> StandardPalette16();

// Up to 256 colours for the opaque pixels of the image: the colours it has
// when there are few enough, else the most used ones. Black comes first, for
// the transparent pixels.
std::vector<Rgba> ImagePalette256(const Canvas& image);

// Index of the palette colour closest to c.
int NearestColour(const std::vector<Rgba>& palette, Rgba c);
