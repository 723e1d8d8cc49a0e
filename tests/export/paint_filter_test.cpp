#include <gtest/gtest.h>

#include <random>

#include "export/paint_filter.h"
#include "export/paint_image.h"
#include "support/image_checks.h"

namespace {

// The truncated mean of the 11 x 11 window, computed independently of the
// filter's code.
Pixel WindowMean(const BMPImage& source, std::int32_t h, std::int32_t g) {
    int red = 0, green = 0, blue = 0;
    for (std::int32_t y = g - 5; y <= g + 5; ++y) {
        for (std::int32_t x = h - 5; x <= h + 5; ++x) {
            red += source.Row(y)[x].Red;
            green += source.Row(y)[x].Green;
            blue += source.Row(y)[x].Blue;
        }
    }
    return Pixel{static_cast<std::uint8_t>(blue / 121), static_cast<std::uint8_t>(green / 121),
                 static_cast<std::uint8_t>(red / 121), 0};
}

void ExpectPainted(const BMPImage& source, const BMPImage& painted) {
    ASSERT_EQ(painted.Width(), source.Width());
    ASSERT_EQ(painted.Height(), source.Height());
    for (std::int32_t row = 0; row < source.Height(); ++row) {
        for (std::int32_t column = 0; column < source.Width(); ++column) {
            const bool frame = column < 5 || row < 5 || column >= source.Width() - 5 || row >= source.Height() - 5;
            ASSERT_EQ(painted.At(column, row), frame ? kWhite : WindowMean(source, column, row))
                << "pixel (" << column << ", " << row << ")";
        }
    }
}

using Filter = void (*)(const BMPImage&, BMPImage&);

class PaintFilterTest : public ::testing::TestWithParam<Filter> {
protected:
    void Paint(const BMPImage& source, BMPImage& destination) {
        ASSERT_TRUE(destination.SetDimensions(source.Width(), source.Height()));
        GetParam()(source, destination);
    }
};

TEST_P(PaintFilterTest, EachInteriorPixelIsTheTruncatedWindowMeanAndTheFrameStaysWhite) {
    for (auto [width, height] : {std::pair{11, 11}, {12, 13}, {30, 17}, {11, 40}}) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        BMPImage source, painted;
        ASSERT_TRUE(source.SetDimensions(width, height));
        FillRandom(source, static_cast<std::uint32_t>(width * 100 + height));
        Paint(source, painted);
        ExpectPainted(source, painted);
    }
}

TEST_P(PaintFilterTest, UniformColourSurvivesInside) {
    BMPImage source, painted;
    ASSERT_TRUE(source.SetDimensions(14, 12));
    for (std::int32_t row = 0; row < 12; ++row)
        for (std::int32_t column = 0; column < 14; ++column) source.At(column, row) = Pixel{30, 200, 255, 9};
    Paint(source, painted);
    EXPECT_EQ(painted.At(5, 5), (Pixel{30, 200, 255, 0}));  // Alpha not written
    EXPECT_EQ(painted.At(8, 6), (Pixel{30, 200, 255, 0}));
    EXPECT_EQ(painted.At(4, 5), kWhite);
    EXPECT_EQ(painted.At(9, 5), kWhite);
}

TEST_P(PaintFilterTest, SmallSourcesGiveAllWhite) {
    for (auto [width, height] : {std::pair{10, 40}, {40, 10}, {1, 1}, {10, 10}}) {
        BMPImage source, painted;
        ASSERT_TRUE(source.SetDimensions(width, height));
        FillRandom(source, 3);
        Paint(source, painted);
        ExpectPainted(source, painted);
    }
}

TEST_P(PaintFilterTest, ExtremeValuesDoNotOverflow) {
    BMPImage source, painted;
    ASSERT_TRUE(source.SetDimensions(13, 13));
    for (std::int32_t row = 0; row < 13; ++row)
        for (std::int32_t column = 0; column < 13; ++column)
            source.At(column, row) = (row + column) % 3 == 0 ? Pixel{0, 0, 0, 255} : Pixel{255, 255, 255, 255};
    Paint(source, painted);
    ExpectPainted(source, painted);
}

INSTANTIATE_TEST_SUITE_P(FastAndLiteral, PaintFilterTest, ::testing::Values(&PaintFilter, &PaintFilterLiteral),
                         [](const auto& param) { return param.index == 0 ? "RunningSums" : "Histogram"; });

TEST(PaintFilterDifferential, RunningSumsWriteExactlyWhatTheHistogramWrites) {
    std::mt19937 random(42);
    for (std::int32_t width : {10, 11, 12, 13, 257}) {
        for (std::int32_t height : {10, 11, 12, 13, 301}) {
            SCOPED_TRACE(testing::Message() << width << " x " << height);
            BMPImage source;
            ASSERT_TRUE(source.SetDepth(width % 2 == 0 ? 24 : 32));
            ASSERT_TRUE(source.SetDimensions(width, height));
            FillRandom(source, random());
            BMPImage fast, literal;
            ASSERT_TRUE(fast.SetDimensions(width, height));
            ASSERT_TRUE(literal.SetDimensions(width, height));
            // Destinations with Alpha set: the filter must leave it alone.
            for (BMPImage* image : {&fast, &literal})
                for (std::int32_t row = 0; row < height; ++row) image->At(row % width, row).Alpha = 0x5A;
            PaintFilter(source, fast);
            PaintFilterLiteral(source, literal);
            EXPECT_TRUE(SamePixels(fast, literal));
        }
    }
}

TEST(PaintFilterDifferential, MismatchedDestinationWritesThroughClamping) {
    // A destination left at 1 x 1 (as after a failed allocation) receives
    // every interior write at its single pixel; the last one stays.
    BMPImage source, fast, literal;
    ASSERT_TRUE(source.SetDimensions(13, 12));
    FillRandom(source, 5);
    PaintFilter(source, fast);
    PaintFilterLiteral(source, literal);
    EXPECT_TRUE(SamePixels(fast, literal));
    EXPECT_EQ(fast.At(0, 0), WindowMean(source, 7, 6));
}

TEST(PaintImage, SizesTheDestinationWhiteThenPaints) {
    BMPImage source, destination;
    ASSERT_TRUE(source.SetDimensions(12, 11));
    FillRandom(source, 8);
    ASSERT_TRUE(destination.SetDimensions(3, 3));
    destination.At(0, 0) = Pixel{1, 2, 3, 4};
    EXPECT_TRUE(PaintImage(source, destination));
    ExpectPainted(source, destination);
}

}  // namespace
