// Test data for the compression and extraction tests.
#pragma once

#include <cstdint>
#include <string>

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
