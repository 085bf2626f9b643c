// bzip2 compression as the build makes its streams: level 9, libbz2's default
// work factor. The build is reproducible, so every tool and test that makes a
// stream goes through this one call and gets the same bytes for the same input.
#pragma once

#include <string>

// The whole of data as one bzip2 stream; empty when libbz2 fails (a stream,
// even of nothing, is never empty).
std::string Bzip2Level9(const std::string& data);
