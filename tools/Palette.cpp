#include "tools/Palette.h"

#include <algorithm>
#include <array>
#include <map>

std::vector<Rgba> StandardPalette16() {
    return {{0, 0, 0, 255},       {128, 0, 0, 255},   {0, 128, 0, 255},   {128, 128, 0, 255},
            {0, 0, 128, 255},     {128, 0, 128, 255}, {0, 128, 128, 255}, {192, 192, 192, 255},
            {128, 128, 128, 255}, {255, 0, 0, 255},   {0, 255, 0, 255},   {255, 255, 0, 255},
            {0, 0, 255, 255},     {255, 0, 255, 255}, {0, 255, 255, 255}, {255, 255, 255, 255}};
}

std::vector<Rgba> ImagePalette256(const Canvas& image) {
    // Colours are counted in 5 bits a channel, so that the shades of an
    // edge blend share a slot; each slot is then its members' average.
    struct Slot {
        int count = 0;
        std::array<long, 3> sum{};
    };
    std::map<int, Slot> slots;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const Rgba& p = image.At(x, y);
            if (p.a < 128)
                continue;
            Slot& s = slots[(p.r >> 3) << 10 | (p.g >> 3) << 5 | (p.b >> 3)];
            ++s.count;
            s.sum[0] += p.r;
            s.sum[1] += p.g;
            s.sum[2] += p.b;
        }
    std::vector<const Slot*> order;
    for (const auto& entry : slots) order.push_back(&entry.second);
    std::stable_sort(order.begin(), order.end(),
                     [](const Slot* a, const Slot* b) { return a->count > b->count; });

    std::vector<Rgba> palette{{0, 0, 0, 255}};
    for (const Slot* s : order) {
        if (palette.size() == 256)
            break;
        palette.push_back(Rgba{uint8_t(s->sum[0] / s->count), uint8_t(s->sum[1] / s->count),
                               uint8_t(s->sum[2] / s->count), 255});
    }
    return palette;
}

int NearestColour(const std::vector<Rgba>& palette, Rgba c) {
    int best = 0;
    long bestDistance = -1;
    for (size_t i = 0; i < palette.size(); ++i) {
        const long dr = c.r - palette[i].r, dg = c.g - palette[i].g, db = c.b - palette[i].b;
        // Weighted the way the eye weighs the channels.
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            best = int(i);
            bestDistance = d;
        }
    }
    return best;
}
