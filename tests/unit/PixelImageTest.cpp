#include "ui/PixelImage.h"

#include <gtest/gtest.h>

namespace {

PixelImage Sample() {
    PixelImage image{3, 2, {}};
    for (int i = 0; i < 6; ++i) {
        const uint8_t a = uint8_t(i * 50);
        image.bgra.insert(image.bgra.end(), {uint8_t(a / 2), uint8_t(a / 3), a, a});
    }
    return image;
}

TEST(PixelImage, RoundTrips) {
    const PixelImage image = Sample();
    PixelImage back;
    ASSERT_TRUE(DecodePixelImage(EncodePixelImage(image), back));
    EXPECT_EQ(back.width, 3);
    EXPECT_EQ(back.height, 2);
    EXPECT_EQ(back.bgra, image.bgra);
}

TEST(PixelImage, RefusesDamagedDataAndKeepsWhatItHad) {
    const std::string good = EncodePixelImage(Sample());
    PixelImage out{1, 1, {1, 1, 1, 1}};
    const PixelImage before = out;
    std::vector<std::string> bad = {
        "",
        good.substr(0, 7),                // header cut short
        good.substr(0, good.size() - 1),  // pixels cut short
        good + "x",                       // trailing bytes
        "QPIY" + good.substr(4),          // wrong mark
    };
    std::string zeroWide = good;
    zeroWide[4] = 0;
    bad.push_back(zeroWide);
    std::string huge = good;
    huge[5] = char(0x10);  // 4099 wide
    bad.push_back(huge);
    std::string notPremultiplied = good;
    notPremultiplied[8 + 4 + 2] = char(200);  // red above its alpha of 50
    bad.push_back(notPremultiplied);
    for (const std::string& data : bad) {
        EXPECT_FALSE(DecodePixelImage(data, out)) << data.size();
        EXPECT_EQ(out.width, before.width);
        EXPECT_EQ(out.bgra, before.bgra);
    }
}

PixelImage Filled(int side, std::initializer_list<uint8_t> bgra) {
    PixelImage image{side, side, {}};
    for (int i = 0; i < side * side; ++i) image.bgra.insert(image.bgra.end(), bgra);
    return image;
}

// Each pixel the mean of what it covers: a plain colour stays that colour at
// every size, a picture half clear becomes half as opaque, and no colour ever
// exceeds its alpha (the premultiplied form AlphaBlend needs).
TEST(ScalePixelImage, AveragesWhatEachPixelCovers) {
    const PixelImage plain = Filled(48, {40, 80, 120, 255});
    for (int side : {1, 16, 24, 27, 32, 48, 64}) {
        SCOPED_TRACE(side);
        const PixelImage scaled = ScalePixelImage(plain, side, side);
        ASSERT_EQ(scaled.width, side);
        ASSERT_EQ(scaled.height, side);
        EXPECT_EQ(scaled.bgra, Filled(side, {40, 80, 120, 255}).bgra);
    }
    // Left half opaque red, right half clear, 4 pixels wide: 2 across takes
    // one half each, 1 across the mean of both.
    PixelImage halves{4, 1, {}};
    for (int x = 0; x < 4; ++x)
        halves.bgra.insert(halves.bgra.end(),
                           {0, 0, uint8_t(x < 2 ? 200 : 0), uint8_t(x < 2 ? 255 : 0)});
    EXPECT_EQ(ScalePixelImage(halves, 2, 1).bgra,
              (std::vector<uint8_t>{0, 0, 200, 255, 0, 0, 0, 0}));
    EXPECT_EQ(ScalePixelImage(halves, 1, 1).bgra, (std::vector<uint8_t>{0, 0, 100, 128}));
    // Three across into two: the middle pixel is shared half and half.
    PixelImage three{3, 1, {0, 0, 0, 255, 0, 0, 90, 255, 0, 0, 180, 255}};
    EXPECT_EQ(ScalePixelImage(three, 2, 1).bgra,
              (std::vector<uint8_t>{0, 0, 30, 255, 0, 0, 150, 255}));

    PixelImage round = Sample();
    for (int side : {1, 2, 5, 7}) {
        const PixelImage scaled = ScalePixelImage(round, side, side);
        for (size_t i = 0; i < scaled.bgra.size(); i += 4)
            for (int c = 0; c < 3; ++c) EXPECT_LE(scaled.bgra[i + c], scaled.bgra[i + 3]) << side;
    }
    EXPECT_TRUE(ScalePixelImage(round, 0, 4).bgra.empty());
}

}  // namespace
