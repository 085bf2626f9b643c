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

}  // namespace
