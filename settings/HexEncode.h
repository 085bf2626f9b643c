// Some settings values are stored hex-encoded, so that any bytes (paths with
// blanks, "=" or non-ASCII characters) survive the line-based file.
#pragma once

#include <string>
#include <string_view>

// Two uppercase hex digits per byte, high nibble first, nothing between them.
std::string HexEncode(std::string_view bytes);
