#include <gtest/gtest.h>

#include "app/AppImg.h"
#include "tools/Bzip2Level9.h"

namespace {

PixelImage Square(int side) {
    PixelImage image;
    image.width = image.height = side;
    image.bgra.assign(size_t(side) * side * 4, 0);
    for (size_t i = 0; i < image.bgra.size(); i += 8) image.bgra[i] = image.bgra[i + 3] = 200;
    return image;
}

TEST(AppImgPicture, ReadsTheCompressedPictureOfItsEntrysSize) {
    const AppImgEntry& entry = AppImgInfo(AppImgId::setup16);
    const PixelImage square = Square(16);
    PixelImage out;
    ASSERT_TRUE(DecodeAppImgPicture(Bzip2Level9(EncodePixelImage(square)), entry, out));
    EXPECT_EQ(out.width, 16);
    EXPECT_EQ(out.bgra, square.bgra);
}

TEST(AppImgPicture, RefusesRawDamagedAndMisSizedPictures) {
    const AppImgEntry& entry = AppImgInfo(AppImgId::setup16);
    const std::string raw = EncodePixelImage(Square(16));
    std::string damaged = Bzip2Level9(raw);
    damaged[damaged.size() / 2] ^= 0x20;
    const std::string cut = Bzip2Level9(raw).substr(0, 40);
    PixelImage out = Square(3);
    for (const std::string& bad :
         {raw, damaged, cut, Bzip2Level9(EncodePixelImage(Square(32))), std::string()}) {
        EXPECT_FALSE(DecodeAppImgPicture(bad, entry, out));
        EXPECT_EQ(out.width, 3) << "a refused picture leaves out as it was";
    }
}

}  // namespace
