#include <gtest/gtest.h>

#include "bitmap/bmp_image.h"
#include "bitmap/integer_power.h"
#include "support/image_checks.h"

namespace {

constexpr Pixel Rgb(int red, int green, int blue) {
    return Pixel{static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green),
                 static_cast<std::uint8_t>(red), 0};
}

TEST(ImageContainer, FreshImageIsTrueColourOnePixelWithoutPalette) {
    BMPImage image;
    EXPECT_EQ(image.Width(), 1);
    EXPECT_EQ(image.Height(), 1);
    EXPECT_EQ(image.Depth(), 24);
    EXPECT_EQ(image.ColorCount(), 16777216);
    EXPECT_EQ(image.PaletteColor(0), kWhite);
    EXPECT_FALSE(image.SetPaletteColor(0, Rgb(1, 2, 3)));
}

TEST(ImageContainer, AtClampsUpperBoundFirstThenLower) {
    BMPImage image;
    ASSERT_TRUE(image.SetDimensions(3, 2));
    for (std::int32_t row = 0; row < 2; ++row) {
        for (std::int32_t column = 0; column < 3; ++column) {
            image.At(column, row) = Rgb(column, row, 9);
        }
    }
    struct Case {
        std::int32_t column, row, wantColumn, wantRow;
    };
    const Case cases[] = {{-5, 10, 0, 1}, {7, -1, 2, 0}, {1, 1, 1, 1}, {INT32_MIN, INT32_MAX, 0, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(image.At(c.column, c.row), Rgb(c.wantColumn, c.wantRow, 9))
            << "At(" << c.column << ", " << c.row << ")";
    }
    // The reference addresses the stored pixel.
    image.At(-1, -1).Alpha = 77;
    EXPECT_EQ(image.Row(0)[0].Alpha, 77);
}

TEST(ImageContainer, ColorCountByDepthAndIntegerPowerWraps) {
    const std::pair<std::int32_t, std::int32_t> counts[] = {
        {1, 2}, {4, 16}, {8, 256}, {16, 65536}, {24, 16777216}, {32, 16777216}};
    for (auto [depth, count] : counts) {
        BMPImage image;
        ASSERT_TRUE(image.SetDepth(depth));
        EXPECT_EQ(image.ColorCount(), count) << "depth " << depth;
    }
    EXPECT_EQ(IntegerPower(2, 0), 1);
    EXPECT_EQ(IntegerPower(2, -3), 1);
    EXPECT_EQ(IntegerPower(3, 4), 81);
    EXPECT_EQ(IntegerPower(2, 31), INT32_MIN);
    EXPECT_EQ(IntegerPower(2, 32), 0);
    EXPECT_EQ(IntegerPower(-3, 3), -27);
    EXPECT_EQ(IntegerPower(7, 40), static_cast<std::int32_t>(0xF78771C1u));  // 7^40 mod 2^32
}

TEST(ImageContainer, SetDepthRefusesOtherDepthsAndKeepsEverything) {
    BMPImage image;
    ASSERT_TRUE(image.SetDepth(8));
    ASSERT_TRUE(image.SetPaletteColor(3, Rgb(1, 2, 3)));
    for (std::int32_t bits : {0, 2, 3, 15, 33, 64, -8}) {
        EXPECT_FALSE(image.SetDepth(bits)) << bits;
    }
    EXPECT_EQ(image.Depth(), 8);
    EXPECT_EQ(image.PaletteColor(3), Rgb(1, 2, 3));
}

TEST(ImageContainer, SetDepthReplacesPaletteAndKeepsPixels) {
    BMPImage image;
    ASSERT_TRUE(image.SetDimensions(2, 2));
    image.At(1, 1) = Pixel{1, 2, 3, 4};
    ASSERT_TRUE(image.SetDepth(8));
    ASSERT_TRUE(image.SetPaletteColor(5, Rgb(255, 0, 0)));
    ASSERT_TRUE(image.SetDepth(8));
    EXPECT_EQ(image.PaletteColor(5), Rgb(128, 0, 128));  // the standard entry again

    ASSERT_TRUE(image.SetDepth(24));
    EXPECT_EQ(image.PaletteColor(0), kWhite);
    EXPECT_FALSE(image.SetPaletteColor(0, Rgb(1, 1, 1)));
    ASSERT_TRUE(image.SetDepth(1));
    EXPECT_EQ(image.PaletteColor(0), Rgb(0, 0, 0));
    EXPECT_EQ(image.PaletteColor(1), Rgb(255, 255, 255));
    EXPECT_EQ(image.At(1, 1), (Pixel{1, 2, 3, 4}));
}

TEST(ImageContainer, PaletteBoundsAtEachIndexedDepth) {
    for (std::int32_t depth : {1, 4, 8}) {
        BMPImage image;
        ASSERT_TRUE(image.SetDepth(depth));
        const std::int32_t count = image.ColorCount();
        const Pixel colour{9, 8, 7, 6};
        EXPECT_TRUE(image.SetPaletteColor(count - 1, colour));
        EXPECT_EQ(image.PaletteColor(count - 1), colour);  // all four bytes
        EXPECT_FALSE(image.SetPaletteColor(count, colour));
        EXPECT_EQ(image.PaletteColor(count), kWhite);
        EXPECT_FALSE(image.SetPaletteColor(-1, colour));
        EXPECT_EQ(image.PaletteColor(-1), kWhite);
    }
}

TEST(ImageContainer, StandardPalettesMatchTheirTables) {
    BMPImage image;
    ASSERT_TRUE(image.SetDepth(4));
    const Pixel four[16] = {Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
                            Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(128, 128, 128),
                            Rgb(192, 192, 192), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
                            Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(image.PaletteColor(i), four[i]) << "4-bit entry " << i;

    ASSERT_TRUE(image.SetDepth(8));
    for (int i = 0; i < 7; ++i) EXPECT_EQ(image.PaletteColor(i), four[i]) << "8-bit entry " << i;
    // Entries given as Blue, Green, Red in the format's table.
    const std::pair<int, Pixel> fixed[] = {
        {7, Pixel{192, 192, 192, 0}},   {8, Pixel{192, 220, 192, 0}},   {9, Pixel{240, 202, 166, 0}},
        {10, Pixel{0, 32, 64, 0}},      {100, Pixel{64, 128, 128, 0}},  {245, Pixel{192, 192, 160, 0}},
        {246, Pixel{240, 251, 255, 0}}, {247, Pixel{164, 160, 160, 0}}, {248, Pixel{128, 128, 128, 0}},
        {249, Pixel{0, 0, 255, 0}},     {250, Pixel{0, 255, 0, 0}},     {251, Pixel{0, 255, 255, 0}},
        {252, Pixel{255, 0, 0, 0}},     {253, Pixel{255, 0, 255, 0}},   {254, Pixel{255, 255, 0, 0}},
        {255, Pixel{255, 255, 255, 0}}};
    for (auto [index, colour] : fixed) EXPECT_EQ(image.PaletteColor(index), colour) << "8-bit entry " << index;
    // The cube everywhere else.
    for (int index = 10; index <= 245; ++index) {
        const Pixel cube{static_cast<std::uint8_t>(64 * (index / 64)), static_cast<std::uint8_t>(32 * (index / 8 % 8)),
                         static_cast<std::uint8_t>(32 * (index % 8)), 0};
        EXPECT_EQ(image.PaletteColor(index), cube) << "8-bit entry " << index;
    }
}

TEST(ImageContainer, FillStandardPaletteOnlyAtIndexedDepths) {
    for (std::int32_t depth : {16, 24, 32}) {
        BMPImage image;
        ASSERT_TRUE(image.SetDepth(depth));
        EXPECT_FALSE(image.FillStandardPalette()) << depth;
    }
    BMPImage image;
    ASSERT_TRUE(image.SetDepth(1));
    ASSERT_TRUE(image.SetPaletteColor(0, Rgb(5, 5, 5)));
    EXPECT_TRUE(image.FillStandardPalette());
    EXPECT_EQ(image.PaletteColor(0), Rgb(0, 0, 0));
}

TEST(ImageContainer, SetDimensionsWhitensAndRefusesBadSizes) {
    BMPImage image;
    ASSERT_TRUE(image.SetDepth(4));
    ASSERT_TRUE(image.SetPaletteColor(2, Rgb(1, 2, 3)));
    ASSERT_TRUE(image.SetDimensions(4, 3));
    image.At(2, 2) = Pixel{1, 1, 1, 1};
    for (auto [w, h] : {std::pair{0, 5}, {5, -1}, {INT32_MIN, 1}, {16385, 16385}, {INT32_MAX, INT32_MAX}}) {
        EXPECT_FALSE(image.SetDimensions(w, h)) << w << " x " << h;
    }
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(image.Height(), 3);
    EXPECT_EQ(image.At(2, 2), (Pixel{1, 1, 1, 1}));

    ASSERT_TRUE(image.SetDimensions(4, 3));  // same size: still whitened
    for (std::int32_t row = 0; row < 3; ++row)
        for (std::int32_t column = 0; column < 4; ++column) EXPECT_EQ(image.At(column, row), kWhite);
    EXPECT_EQ(image.Depth(), 4);
    EXPECT_EQ(image.PaletteColor(2), Rgb(1, 2, 3));

    // The same number of pixels in another shape keeps the block: the rows
    // must follow the new width, all white.
    image.At(3, 2) = Pixel{1, 1, 1, 1};
    ASSERT_TRUE(image.SetDimensions(2, 6));
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.Height(), 6);
    for (std::int32_t row = 0; row < 6; ++row) {
        EXPECT_EQ(image.Row(row), image.Row(0) + 2 * row);
        for (std::int32_t column = 0; column < 2; ++column) EXPECT_EQ(image.At(column, row), kWhite);
    }
}

}  // namespace
