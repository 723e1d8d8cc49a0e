#include <gtest/gtest.h>

#include <random>

#include "export/intensity_constants.h"
#include "export/oil_paint.h"
#include "export/paint_filter.h"
#include "support/image_checks.h"

namespace {

// Smooth colour ramps with noise, so the intensity levels spread and the most
// populated level is not decided by ties alone; seed 0 gives pure noise.
void FillPhotoLike(BMPImage& image, std::uint32_t seed) {
    if (seed == 0) {
        FillRandom(image, 99);
        return;
    }
    std::mt19937 random(seed);
    for (std::int32_t row = 0; row < image.Height(); ++row) {
        for (std::int32_t column = 0; column < image.Width(); ++column) {
            auto channel = [&](int base) {
                return static_cast<std::uint8_t>(std::clamp(base + static_cast<int>(random() % 41) - 20, 0, 255));
            };
            image.At(column, row) = Pixel{channel(column * 5 % 256), channel(row * 7 % 256),
                                          channel((column + row) * 3 % 256), static_cast<std::uint8_t>(random())};
        }
    }
}

// Paints a picture from FillPhotoLike with the fast filter and with the
// reference, with levels - 1 as the scale, and demands the same pixels.
void ExpectSameAsReference(std::int32_t radius, std::int32_t levels, std::int32_t width, std::int32_t height,
                           std::uint32_t seed) {
    SCOPED_TRACE(testing::Message() << "radius " << radius << ", levels " << levels << ", " << width << " x " << height
                                    << ", seed " << seed);
    BMPImage source, fast, literal;
    ASSERT_TRUE(source.SetDimensions(width, height));
    FillPhotoLike(source, seed);
    ASSERT_TRUE(fast.SetDimensions(width, height));
    ASSERT_TRUE(literal.SetDimensions(width, height));
    const HistogramPaintSettings settings{radius, levels, static_cast<double>(levels - 1)};
    HistogramPaint(source, fast, settings);
    HistogramPaintLiteral(source, literal, settings);
    ASSERT_TRUE(SamePixels(fast, literal));
}

TEST(OilPaint, SlidingHistogramWritesExactlyWhatAFreshHistogramWrites) {
    for (std::int32_t radius : {1, 2, 5, 7}) {
        for (std::int32_t levels : {2, 16, 256}) {
            for (auto [width, height] :
                 {std::pair{2 * radius + 1, 2 * radius + 1}, {2 * radius + 2, 3 * radius}, {37, 29}}) {
                for (std::uint32_t seed : {0u, 5u}) {
                    ASSERT_NO_FATAL_FAILURE(ExpectSameAsReference(radius, levels, width, height, seed));
                }
            }
        }
    }
}

// Windows over 255 samples take 16-bit counts and wide sums; images wider
// than a strip are painted strip by strip, and the seams must not show.
TEST(OilPaint, WideWindowsAndWideImagesMatchTheReference) {
    struct Case {
        std::int32_t radius, levels, width, height;
    };
    for (const Case& c : {Case{8, 256, 40, 30}, Case{12, 64, 61, 27}, Case{3, 256, 2100, 9}, Case{50, 256, 1130, 102},
                          Case{1, 2, 1025, 3}}) {
        ASSERT_NO_FATAL_FAILURE(ExpectSameAsReference(c.radius, c.levels, c.width, c.height, 8));
    }
}

TEST(OilPaint, WithTheModuleScaleItIsThePaintFilter) {
    for (std::uint32_t seed : {0u, 3u}) {
        BMPImage source, histogram, module;
        ASSERT_TRUE(source.SetDimensions(41, 23));
        FillPhotoLike(source, seed);
        ASSERT_TRUE(histogram.SetDimensions(41, 23));
        ASSERT_TRUE(module.SetDimensions(41, 23));
        HistogramPaint(source, histogram, HistogramPaintSettings{5, 256, kModuleScale});
        PaintFilter(source, module);
        EXPECT_TRUE(SamePixels(histogram, module));
    }
}

TEST(OilPaint, FrameOfRadiusStaysWhiteAndLevelsChangeThePicture) {
    BMPImage source, two, many;
    ASSERT_TRUE(source.SetDimensions(30, 20));
    FillPhotoLike(source, 9);
    ASSERT_TRUE(two.SetDimensions(30, 20));
    ASSERT_TRUE(many.SetDimensions(30, 20));
    ASSERT_TRUE(OilPaint(source, two, 3, 2));
    ASSERT_TRUE(OilPaint(source, many, 3, 64));
    for (std::int32_t row = 0; row < 20; ++row) {
        for (std::int32_t column = 0; column < 30; ++column) {
            const bool frame = column < 3 || row < 3 || column >= 27 || row >= 17;
            if (frame) {
                ASSERT_EQ(two.At(column, row), kWhite) << column << ", " << row;
            }
            ASSERT_EQ(two.At(column, row).Alpha, 0);
        }
    }
    EXPECT_FALSE(SamePixels(two, many));
}

TEST(OilPaint, SettingsOutOfRangeWriteNothing) {
    BMPImage source, destination;
    ASSERT_TRUE(source.SetDimensions(12, 12));
    FillPhotoLike(source, 1);
    ASSERT_TRUE(destination.SetDimensions(12, 12));
    for (auto [radius, levels] : {std::pair{0, 16}, {51, 16}, {2, 1}, {2, 257}, {-1, -1}}) {
        EXPECT_FALSE(OilPaint(source, destination, radius, levels)) << radius << ", " << levels;
    }
    for (std::int32_t row = 0; row < 12; ++row)
        for (std::int32_t column = 0; column < 12; ++column) ASSERT_EQ(destination.At(column, row), kWhite);
}

TEST(OilPaint, MismatchedDestinationWritesThroughClamping) {
    BMPImage source, fast, literal;
    ASSERT_TRUE(source.SetDimensions(9, 8));
    FillPhotoLike(source, 4);
    const HistogramPaintSettings settings{2, 16, 15.0};
    HistogramPaint(source, fast, settings);
    HistogramPaintLiteral(source, literal, settings);
    EXPECT_TRUE(SamePixels(fast, literal));
}

}  // namespace
