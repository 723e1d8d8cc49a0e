// PixelValue and StorePixel.

#include <gtest/gtest.h>

#include <climits>

#include "bitmap/bmp_image.h"
#include "support/image_checks.h"

namespace {

TEST(PixelAccess, PixelValueClampsLikeAt) {
    BMPImage image;
    ASSERT_TRUE(image.SetDimensions(3, 2));
    FillRandom(image, 5);
    struct Case {
        std::int32_t column, row, wantColumn, wantRow;
    };
    const Case cases[] = {{-1, 2, 0, 1},  {-5, 10, 0, 1}, {7, -1, 2, 0},
                          {2, 1, 2, 1},   {0, 0, 0, 0},   {INT32_MIN, INT32_MAX, 0, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(image.PixelValue(c.column, c.row), image.At(c.wantColumn, c.wantRow))
            << "PixelValue(" << c.column << ", " << c.row << ")";
    }
}

TEST(PixelAccess, StorePixelWritesAllFourBytesInside) {
    BMPImage image;
    ASSERT_TRUE(image.SetDimensions(3, 2));
    const Pixel colour{1, 2, 3, 4};
    EXPECT_TRUE(image.StorePixel(2, 1, colour));
    EXPECT_EQ(image.At(2, 1), colour);
    EXPECT_EQ(image.PixelValue(2, 1), colour);
    EXPECT_TRUE(image.StorePixel(0, 0, colour));
    EXPECT_EQ(image.At(0, 0), colour);
}

TEST(PixelAccess, StorePixelOutsideWritesNothingAndFails) {
    BMPImage image;
    ASSERT_TRUE(image.SetDimensions(3, 2));
    BMPImage before(image);
    const std::pair<std::int32_t, std::int32_t> outside[] = {
        {-1, 0}, {0, -1}, {3, 0}, {0, 2}, {3, 2}, {INT32_MIN, 0}, {0, INT32_MAX}};
    for (auto [column, row] : outside) {
        EXPECT_FALSE(image.StorePixel(column, row, Pixel{0, 0, 0, 9})) << column << ", " << row;
    }
    EXPECT_TRUE(SamePixels(image, before));
}

}  // namespace
