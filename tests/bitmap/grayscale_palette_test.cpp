// SetGrayscalePalette.

#include <gtest/gtest.h>

#include "bitmap/bmp_image.h"
#include "bitmap/utilities/grayscale_palette.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

constexpr Pixel Grey(int level) {
    const auto v = static_cast<std::uint8_t>(level);
    return Pixel{v, v, v, 0};
}

TEST(GrayscalePalette, EvenRampAtEachIndexedDepth) {
    const std::pair<std::int32_t, int> steps[] = {{1, 255}, {4, 17}, {8, 1}};
    for (auto [depth, step] : steps) {
        BMPImage image;
        ASSERT_TRUE(image.SetDepth(depth));
        ASSERT_TRUE(image.SetDimensions(3, 2));
        FillRandom(image, 4);
        BMPImage before(image);
        EXPECT_TRUE(SetGrayscalePalette(image));
        for (std::int32_t i = 0; i < image.ColorCount(); ++i) {
            EXPECT_EQ(image.PaletteColor(i), Grey(i * step)) << "depth " << depth << ", entry " << i;
        }
        EXPECT_EQ(image.PaletteColor(image.ColorCount() - 1), Grey(255));
        EXPECT_TRUE(SamePixels(image, before));  // the pixels are not mapped
    }
}

TEST(GrayscalePalette, RefusedWithoutPalette) {
    for (std::int32_t depth : {16, 24, 32}) {
        BMPImage image;
        ASSERT_TRUE(image.SetDepth(depth));
        EXPECT_FALSE(SetGrayscalePalette(image)) << depth;
        EXPECT_EQ(image.Depth(), depth);
    }
}

TEST(GrayscalePalette, TravelsThroughAFile) {
    TempDir dir;
    BMPImage image;
    ASSERT_TRUE(image.SetDepth(4));
    ASSERT_TRUE(image.SetDimensions(16, 1));
    ASSERT_TRUE(SetGrayscalePalette(image));
    for (std::int32_t i = 0; i < 16; ++i) image.At(i, 0) = Grey(17 * i);
    const std::string path = (dir / "grey.bmp").string();
    ASSERT_TRUE(image.Save(path.c_str()));
    BMPImage loaded;
    ASSERT_TRUE(loaded.Load(path.c_str()));
    for (std::int32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(loaded.PaletteColor(i), Grey(17 * i)) << "entry " << i;
        EXPECT_EQ(loaded.At(i, 0), Grey(17 * i)) << "pixel " << i;  // each grey maps to its own entry
    }
}

}  // namespace
