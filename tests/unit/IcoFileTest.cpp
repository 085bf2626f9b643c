#include "tools/IcoFile.h"

#include <gtest/gtest.h>

#include "support/PngImage.h"
#include "tools/Palette.h"
#include "tools/SetupPictures.h"

namespace {

uint32_t Le(const std::string& d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = v << 8 | uint8_t(d.at(at + size_t(i)));
    return v;
}

// A 16-pixel picture: clear left half, opaque blue right half.
Canvas HalfBlue() {
    Canvas c(16, 16);
    c.FillRect(0.5, 0, 1, 1, Rgba{0, 0, 255, 255});
    return c;
}

TEST(IcoFile, WritesEachDepthWithItsPaletteAndMask) {
    const std::string ico =
        IcoFile({IcoImage{HalfBlue(), 32}, IcoImage{HalfBlue(), 8}, IcoImage{HalfBlue(), 4}});
    ASSERT_EQ(Le(ico, 4, 2), 3u);
    const int depths[] = {32, 8, 4};
    for (int i = 0; i < 3; ++i) {
        const int bits = depths[i];
        SCOPED_TRACE(bits);
        const size_t entry = 6 + 16 * size_t(i);
        EXPECT_EQ(Le(ico, entry + 6, 2), uint32_t(bits));
        EXPECT_EQ(uint8_t(ico[entry + 2]), bits == 4 ? 16 : 0);
        const size_t size = Le(ico, entry + 8, 4), offset = Le(ico, entry + 12, 4);
        ASSERT_EQ(offset + size <= ico.size(), true);
        const std::string dib = ico.substr(offset, size);
        EXPECT_EQ(Le(dib, 14, 2), uint32_t(bits));
        // The palette: as many colours as the header counts, all sixteen at
        // 4 bits, the two used (black and blue) at 8.
        const size_t colours = Le(dib, 32, 4);
        EXPECT_EQ(colours, bits == 32 ? 0u : bits == 4 ? 16u : 2u);
        const size_t palette = colours * 4;
        const size_t stride = size_t((16 * bits + 31) / 32 * 4);
        ASSERT_EQ(size, 40 + palette + stride * 16 + 4 * 16);
        // The mask is set over the clear half only, in every row.
        for (int row = 0; row < 16; ++row) {
            const size_t mask = 40 + palette + stride * 16 + 4 * size_t(row);
            EXPECT_EQ(uint8_t(dib[mask]), 0xff);
            EXPECT_EQ(uint8_t(dib[mask + 1]), 0x00);
        }
        if (bits == 32)
            continue;
        // Clear pixels take black, so the mask leaves the screen unchanged;
        // the blue ones the palette's blue.
        const size_t pixels = 40 + palette;
        const int clear = bits == 8 ? uint8_t(dib[pixels]) : uint8_t(dib[pixels]) >> 4;
        const size_t right = bits == 8 ? pixels + 15 : pixels + 7;
        const int blue = bits == 8 ? uint8_t(dib[right]) : uint8_t(dib[right]) & 0x0f;
        EXPECT_EQ(Le(dib, 40 + 4 * size_t(clear), 3), 0u);
        EXPECT_EQ(Le(dib, 40 + 4 * size_t(blue), 3), 0x0000ffu);  // B, G, R: blue only
    }
}

TEST(IcoFile, StoresA32BitImageAsAPngOfItsPixelsWhenAsked) {
    const std::string ico =
        IcoFile({IcoImage{HalfBlue(), 32, true}, IcoImage{HalfBlue(), 4, false}});
    ASSERT_EQ(Le(ico, 4, 2), 2u);
    EXPECT_EQ(Le(ico, 6 + 6, 2), 32u);
    EXPECT_EQ(uint8_t(ico[6 + 2]), 0);
    const size_t size = Le(ico, 6 + 8, 4), offset = Le(ico, 6 + 12, 4);
    ASSERT_EQ(offset, 6u + 2 * 16);
    ASSERT_LE(offset + size, ico.size());
    PngRgba png;
    std::string error;
    ASSERT_TRUE(ReadPng(ico.substr(offset, size), png, error)) << error;
    ASSERT_EQ(png.width, 16);
    ASSERT_EQ(png.height, 16);
    for (int y : {0, 15})
        for (int x : {0, 7, 8, 15}) {
            SCOPED_TRACE(std::to_string(x) + ", " + std::to_string(y));
            const std::string p = png.rgba.substr(size_t(y * 16 + x) * 4, 4);
            EXPECT_EQ(p, x < 8 ? std::string(4, '\0') : std::string("\0\0\xff\xff", 4));
        }
    // The next image follows the PNG, a DIB as before.
    ASSERT_EQ(Le(ico, 6 + 16 + 12, 4), offset + size);
    EXPECT_EQ(Le(ico, offset + size, 4), 40u);
    EXPECT_EQ(Le(ico, offset + size + 14, 2), 4u);
}

TEST(Palette, KeepsTheColoursOfAPictureWithFew) {
    Canvas c(8, 8);
    c.FillRect(0, 0, 0.5, 1, Rgba{10, 200, 30, 255});
    c.FillRect(0.5, 0, 1, 1, Rgba{250, 250, 250, 255});
    const std::vector<Rgba> palette = ImagePalette256(c);
    ASSERT_EQ(palette.size(), 3u);
    EXPECT_EQ(palette[0].r + palette[0].g + palette[0].b, 0);
    const Rgba green = palette[size_t(NearestColour(palette, Rgba{10, 200, 30, 255}))];
    EXPECT_EQ(green.g, 200);
    EXPECT_LE(ImagePalette256(DrawSetupPicture(48, kRedScreen)).size(), 256u);
}

TEST(SetupPictures, SoftEdgesOnlyAtTheLargestSize) {
    for (int size : {48, 32, 16}) {
        SCOPED_TRACE(size);
        for (const Canvas& c :
             {DrawSetupPicture(size, kRedScreen), DrawProgramFolderPicture(size)}) {
            int partial = 0, opaque = 0;
            for (int y = 0; y < size; ++y)
                for (int x = 0; x < size; ++x) {
                    partial += c.At(x, y).a != 0 && c.At(x, y).a != 255;
                    opaque += c.At(x, y).a == 255;
                }
            EXPECT_EQ(partial > 0, size == 48);
            EXPECT_GT(opaque, size * size / 3);
        }
    }
}

}  // namespace
