// Test data: bzip2 level-9 streams made on the spot.
#pragma once

#include <bzlib.h>

#include <cstdint>
#include <string>

inline std::string CompressForTest(const std::string& data) {
    unsigned int size = static_cast<unsigned int>(data.size() + data.size() / 100 + 600);
    std::string out(size, '\0');
    BZ2_bzBuffToBuffCompress(&out[0], &size, const_cast<char*>(data.data()),
                             static_cast<unsigned int>(data.size()), 9, 0, 0);
    out.resize(size);
    return out;
}

// Text with some noise in it, so that it compresses neither to nothing nor not at all.
inline std::string SampleBytes(size_t n, uint32_t seed = 7) {
    std::string s;
    s.reserve(n);
    uint32_t x = seed;
    while (s.size() < n) {
        x = x * 1103515245u + 12345u;
        s += (x >> 16) % 4 == 0 ? static_cast<char>(x >> 24) : "setup data "[s.size() % 11];
    }
    return s;
}
