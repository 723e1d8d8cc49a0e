// Resample and the sizes it chooses.

#include <gtest/gtest.h>

#include <climits>

#include "bitmap/bmp_image.h"
#include "bitmap/image_limits.h"
#include "bitmap/utilities/resample.h"
#include "bitmap/utilities/resample_size.h"
#include "support/image_checks.h"

namespace {

constexpr Pixel Grey(int level, int alpha = 0) {
    const auto v = static_cast<std::uint8_t>(level);
    return Pixel{v, v, v, static_cast<std::uint8_t>(alpha)};
}

void MakeImage(BMPImage& image, std::int32_t width, std::int32_t height, std::int32_t depth = 24) {
    ASSERT_TRUE(image.SetDepth(depth));
    ASSERT_TRUE(image.SetDimensions(width, height));
    FillRandom(image, static_cast<std::uint32_t>(width * 31 + height));
}

struct SizeCase {
    std::int32_t width, height;
    char mode;
    std::int32_t value;
    std::int64_t newWidth, newHeight;
};

TEST(ResampleSize, EachModeAndItsArithmetic) {
    const SizeCase cases[] = {
        {7, 5, 'P', 100, 7, 5},
        {3, 3, 'P', 50, 1, 1},  // 150 x 0.01 = 1.5, floored
        {10, 10, 'P', 33, 3, 3},
        {10, 10, 'p', 33, 3, 3},
        {10, 4, 'P', 0, 1, 1},
        {10, 4, 'P', -50, 1, 1},
        {16384, 1, 'P', 131073, 1, 1310},    // 131073 x 16384 wraps to a negative product
        {10, 10, 'P', INT32_MAX, 1, 1},      // INT32_MAX x 10 wraps to -10
        {2, 6, 'W', 1, 1, 3},
        {2, 1, 'W', 3, 3, 1},
        {2, 2, 'w', 7, 7, 7},
        {5, 3, 'W', 0, 1, 1},
        {5, 3, 'W', INT32_MIN, 1, 1},
        {2, 1, 'W', INT32_MAX, INT32_MAX, 1073741823},
        {1, 16384, 'W', INT32_MAX, INT32_MAX, std::int64_t{INT32_MAX} * 16384},
        {4, 8, 'H', 4, 2, 4},
        {4, 8, 'h', 0, 1, 1},
        {3, 2, 'H', 20000, 30000, 20000},
        {4, 4, 'F', 10, 10, 10},  // square: as H
        {8, 4, 'F', 6, 6, 3},     // wider: as W
        {4, 8, 'f', 6, 3, 6},     // taller: as H
        {49, 49, 'F', 2, 1, 2},   // (2 / 49) x 49 comes out just below 2
    };
    for (const SizeCase& c : cases) {
        const auto size = ResampleSize(c.width, c.height, c.mode, c.value);
        ASSERT_TRUE(size) << c.mode;
        EXPECT_EQ(size->width, c.newWidth) << c.width << " x " << c.height << " " << c.mode << " " << c.value;
        EXPECT_EQ(size->height, c.newHeight) << c.width << " x " << c.height << " " << c.mode << " " << c.value;
    }
    for (char other : {'X', 'q', ' ', '\0', '\xff'}) {
        EXPECT_FALSE(ResampleSize(4, 4, other, 50)) << int{other};
    }
}

TEST(Resample, GivesTheImageItsNewSizeAtDepth24) {
    const SizeCase cases[] = {{3, 3, 'P', 50, 1, 1},  {10, 10, 'p', 33, 3, 3}, {8, 4, 'F', 6, 6, 3},
                              {49, 49, 'F', 2, 1, 2}, {5, 3, 'W', 0, 1, 1},    {4, 8, 'H', 12, 6, 12}};
    for (const SizeCase& c : cases) {
        BMPImage image;
        MakeImage(image, c.width, c.height, 8);
        EXPECT_TRUE(Resample(image, c.mode, c.value));
        EXPECT_EQ(image.Width(), c.newWidth) << c.mode << " " << c.value;
        EXPECT_EQ(image.Height(), c.newHeight) << c.mode << " " << c.value;
        EXPECT_EQ(image.Depth(), 24);
        EXPECT_FALSE(image.SetPaletteColor(0, Grey(0)));  // the palette is gone
    }
}

TEST(Resample, HundredPercentKeepsColoursAndClearsAlphaButTheCorner) {
    for (std::int32_t depth : {1, 8, 32}) {
        BMPImage image;
        MakeImage(image, 7, 5, depth);
        BMPImage before(image);
        ASSERT_TRUE(Resample(image, 'P', 100));
        EXPECT_EQ(image.Depth(), 24);
        ASSERT_EQ(image.Width(), 7);
        ASSERT_EQ(image.Height(), 5);
        for (std::int32_t row = 0; row < 5; ++row) {
            for (std::int32_t column = 0; column < 7; ++column) {
                Pixel want = before.At(column, row);
                if (column != 6 || row != 4) want.Alpha = 0;
                EXPECT_EQ(image.At(column, row), want) << "(" << column << ", " << row << ") at depth " << depth;
            }
        }
    }
}

TEST(Resample, SmallCasesByteForByte) {
    {
        SCOPED_TRACE("3 x 3, P 50: the old bottom-right pixel with its Alpha");
        BMPImage image;
        MakeImage(image, 3, 3);
        const Pixel corner = image.At(2, 2);
        ASSERT_TRUE(Resample(image, 'P', 50));
        EXPECT_EQ(image.At(0, 0), corner);
    }
    {
        SCOPED_TRACE("2 x 1 black and white, W 3");
        BMPImage image;
        ASSERT_TRUE(image.SetDimensions(2, 1));
        image.At(0, 0) = Grey(0, 5);
        image.At(1, 0) = Grey(255, 9);
        ASSERT_TRUE(Resample(image, 'W', 3));
        EXPECT_EQ(image.At(0, 0), Grey(0));
        EXPECT_EQ(image.At(1, 0), Grey(127));  // 255 x 0.5, truncated
        EXPECT_EQ(image.At(2, 0), Grey(255, 9));
    }
    {
        SCOPED_TRACE("2 x 6, W 1: built from the right-hand column");
        BMPImage image;
        MakeImage(image, 2, 6);
        BMPImage old(image);
        ASSERT_TRUE(Resample(image, 'W', 1));
        ASSERT_EQ(image.Height(), 3);
        Pixel top = old.At(1, 0);
        top.Alpha = 0;
        const Pixel a = old.At(1, 2);
        const Pixel b = old.At(1, 3);
        const Pixel mean{static_cast<std::uint8_t>((a.Blue + b.Blue) / 2),
                         static_cast<std::uint8_t>((a.Green + b.Green) / 2),
                         static_cast<std::uint8_t>((a.Red + b.Red) / 2), 0};
        EXPECT_EQ(image.At(0, 0), top);
        EXPECT_EQ(image.At(0, 1), mean);
        EXPECT_EQ(image.At(0, 2), old.At(1, 5));
    }
    {
        SCOPED_TRACE("2 x 2 white, W 7: each channel keeps its own grouping");
        BMPImage image;
        ASSERT_TRUE(image.SetDimensions(2, 2));
        ASSERT_TRUE(Resample(image, 'W', 7));
        ASSERT_EQ(image.Height(), 7);
        EXPECT_EQ(image.At(5, 1), (Pixel{255, 254, 254, 0}));
    }
}

TEST(Resample, UnknownLetterKeepsTheImageButSetsAnUnsetResolution) {
    BMPImage image;
    MakeImage(image, 4, 3, 8);
    image.SetPaletteColor(3, Pixel{1, 2, 3, 4});
    BMPImage before(image);  // this copy already gave image 3780 x 3780
    image.SetResolutionDPI(0, 0);
    EXPECT_FALSE(Resample(image, 'X', 50));
    EXPECT_EQ(image.Depth(), 8);
    EXPECT_TRUE(SamePixels(image, before));
    EXPECT_EQ(image.PaletteColor(3), (Pixel{1, 2, 3, 4}));
    EXPECT_EQ(image.XPelsPerMeter(), 3780);
    EXPECT_EQ(image.YPelsPerMeter(), 3780);

    image.SetResolutionDPI(72, 0);
    ASSERT_TRUE(Resample(image, 'P', 200));
    EXPECT_EQ(image.XPelsPerMeter(), 2834);  // kept, not passed through the copy
    EXPECT_EQ(image.YPelsPerMeter(), 3780);
}

TEST(Resample, SizeBeyondThePixelLimitFailsAndKeepsTheImage) {
    const std::pair<char, std::int32_t> requests[] = {
        {'W', 30000}, {'H', 20000}, {'W', INT32_MAX}, {'H', INT32_MAX}, {'F', INT32_MAX}, {'P', 1000000}};
    for (auto [mode, value] : requests) {
        BMPImage image;
        MakeImage(image, 3, 2, 4);
        BMPImage before(image);
        EXPECT_FALSE(Resample(image, mode, value)) << mode << " " << value;
        EXPECT_EQ(image.Depth(), 4);
        EXPECT_TRUE(SamePixels(image, before)) << mode << " " << value;
    }
}

TEST(ResampleSize, PixelLimitTestsSidesOfAnyMagnitude) {
    struct Case {
        std::int64_t width, height;
        bool allowed;
    };
    const Case cases[] = {{16384, 16384, true},  {16384, 16385, false},          {1, kMaxPixelCount, true},
                          {1, kMaxPixelCount + 1, false}, {kMaxPixelCount + 1, 1, false},
                          {std::int64_t{1} << 31, std::int64_t{1} << 31, false}, {INT64_MAX, INT64_MAX, false},
                          {0, 5, false},         {5, -1, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(PixelCountWithinLimit(c.width, c.height), c.allowed) << c.width << " x " << c.height;
    }
}

}  // namespace
