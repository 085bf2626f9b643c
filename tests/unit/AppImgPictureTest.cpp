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

// Pictures are only ever scaled down, from the nearest size: the dialogs' and
// the list's pictures stay sharp at every density.
TEST(AppImgSource, IsTheSmallestPictureNotSmallerThanAsked) {
    const struct {
        AppImgSubject subject;
        int pixels;
        AppImgId source;
    } cases[] = {
        {AppImgSubject::setup, 16, AppImgId::setup16},
        {AppImgSubject::setup, 20, AppImgId::setup32},
        {AppImgSubject::setup, 24, AppImgId::setup32},
        {AppImgSubject::setup, 32, AppImgId::setup32},
        {AppImgSubject::setup, 33, AppImgId::setup48},
        {AppImgSubject::setup, 48, AppImgId::setup48},
        {AppImgSubject::setup, 64, AppImgId::setup48},  // the largest there is, scaled up
        {AppImgSubject::setup, 8, AppImgId::setup16},
        {AppImgSubject::PrgFolder_1, 16, AppImgId::PrgFolder_1_16},
        {AppImgSubject::PrgFolder_1, 24, AppImgId::PrgFolder_1_32},
        {AppImgSubject::PrgFolder_1, 32, AppImgId::PrgFolder_1_32},
        {AppImgSubject::PrgFolder_1, 40, AppImgId::PrgFolder_1_48},
    };
    for (const auto& c : cases) EXPECT_EQ(AppImgSource(c.subject, c.pixels), c.source) << c.pixels;
}

}  // namespace
