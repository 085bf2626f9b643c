// Lays parsed QTF out in lines of a given width: words are kept whole and
// wrapped at spaces, lines stand on a common baseline. The device is reached
// only through TextMeasure, so the layout itself is portable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "richtext/Qtf.h"

struct FontExtent {
    int ascent = 0;
    int descent = 0;
};

// Pixel sizes of text in one format on the output device (zoom included).
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int Width(const QtfFormat& format, std::string_view text) = 0;
    virtual FontExtent Extent(const QtfFormat& format) = 0;
};

// A stretch of text of one format on one line.
struct PlacedText {
    std::string text;
    QtfFormat format;
    int x = 0;         // left edge
    int baseline = 0;  // from the top of the laid-out text
};

struct RichTextLayout {
    std::vector<PlacedText> pieces;
    int height = 0;  // of all lines
};

// A word wider than the width gets a line of its own and runs past the edge.
RichTextLayout LayOutRichText(const QtfDocument& doc, int width, TextMeasure& measure);
