// Copy construction and resolution in dots per inch.

#include <gtest/gtest.h>

#include <climits>

#include "bitmap/bmp_image.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

// Exact pixels-per-metre values reach an image only through a file.
void LoadResolution(BMPImage& image, std::int32_t x, std::int32_t y) {
    TempDir dir;
    BmpSpec spec = ValidSpec(1, 1, 24);
    spec.info.biXPelsPerMeter = x;
    spec.info.biYPelsPerMeter = y;
    spec.pixelData.assign(4, 0);
    WriteBytes(dir / "r.bmp", Serialize(spec));
    ASSERT_TRUE(image.Load((dir / "r.bmp").c_str()));
    ASSERT_EQ(image.XPelsPerMeter(), x);
    ASSERT_EQ(image.YPelsPerMeter(), y);
}

TEST(ImageCopy, CopiesDepthSizePaletteAndEveryByteOfEveryPixel) {
    for (std::int32_t depth : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(depth);
        BMPImage source;
        ASSERT_TRUE(source.SetDepth(depth));
        ASSERT_TRUE(source.SetDimensions(7, 5));
        FillRandom(source, 3);
        source.SetPaletteColor(1, Pixel{1, 2, 3, 4});  // Alpha travels too
        BMPImage copy(source);
        EXPECT_EQ(copy.Depth(), depth);
        EXPECT_TRUE(SamePixels(copy, source));
        for (std::int32_t i = 0; i < 256; ++i) {
            EXPECT_EQ(copy.PaletteColor(i), source.PaletteColor(i)) << "entry " << i;
        }
    }
}

TEST(ImageCopy, ChangingTheCopyLeavesTheSourceAlone) {
    BMPImage source;
    ASSERT_TRUE(source.SetDepth(8));
    ASSERT_TRUE(source.SetDimensions(4, 3));
    FillRandom(source, 9);
    BMPImage before(source);

    BMPImage copy(source);
    copy.At(2, 1) = Pixel{0, 0, 0, 0};
    copy.SetPaletteColor(9, Pixel{7, 7, 7, 7});
    copy.SetResolutionDPI(600, 600);
    ASSERT_TRUE(copy.SetDimensions(1, 1));
    ASSERT_TRUE(copy.SetDepth(24));

    EXPECT_EQ(source.Depth(), 8);
    EXPECT_TRUE(SamePixels(source, before));
    EXPECT_EQ(source.PaletteColor(9), before.PaletteColor(9));
    EXPECT_EQ(source.XPelsPerMeter(), 3780);
}

TEST(ImageCopy, ResolutionTravelsThroughWholeDotsPerInch) {
    struct Case {
        std::int32_t source, sourceAfter, copy;
    };
    const Case cases[] = {{0, 3780, 3779},    {3780, 3780, 3779}, {2835, 2835, 2834}, {3779, 3779, 3740},
                          {1, 1, 0},          {39, 39, 0},        {40, 40, 39},       {-40, -40, -39},
                          {INT32_MAX, INT32_MAX, 2147483622}};
    for (const Case& c : cases) {
        BMPImage source;
        LoadResolution(source, c.source, 2835);
        BMPImage copy(source);
        EXPECT_EQ(source.XPelsPerMeter(), c.sourceAfter) << c.source;
        EXPECT_EQ(copy.XPelsPerMeter(), c.copy) << c.source;
        EXPECT_EQ(copy.YPelsPerMeter(), 2834) << c.source;
    }
    BMPImage unsetVertical;
    LoadResolution(unsetVertical, 2835, 0);
    BMPImage copy(unsetVertical);
    EXPECT_EQ(unsetVertical.XPelsPerMeter(), 2835);
    EXPECT_EQ(unsetVertical.YPelsPerMeter(), 3780);
}

TEST(Resolution, QueriesGiveAnUnsetResolutionTheDefault) {
    BMPImage image;
    EXPECT_EQ(image.XPelsPerMeter(), 0);
    EXPECT_EQ(image.HorizontalDPI(), 96);
    EXPECT_EQ(image.XPelsPerMeter(), 3780);
    EXPECT_EQ(image.YPelsPerMeter(), 0);  // each query sees to its own axis
    EXPECT_EQ(image.VerticalDPI(), 96);
    EXPECT_EQ(image.YPelsPerMeter(), 3780);

    LoadResolution(image, 2835, -3780);
    EXPECT_EQ(image.HorizontalDPI(), 72);
    EXPECT_EQ(image.VerticalDPI(), -96);
}

TEST(Resolution, SetResolutionDPITruncatesAndSaturates) {
    struct Case {
        std::int32_t dpi, pelsPerMeter;
    };
    const Case cases[] = {{72, 2834},
                          {300, 11811},
                          {96, 3779},
                          {0, 0},
                          {-1, -39},
                          {54546084, 2147483622},  // the largest that fits
                          {54546085, INT32_MAX},
                          {-54546085, INT32_MIN},
                          {INT32_MAX, INT32_MAX},
                          {INT32_MIN, INT32_MIN}};
    for (const Case& c : cases) {
        BMPImage image;
        image.SetResolutionDPI(c.dpi, 300);
        EXPECT_EQ(image.XPelsPerMeter(), c.pelsPerMeter) << c.dpi << " dpi";
        EXPECT_EQ(image.YPelsPerMeter(), 11811);
    }
}

}  // namespace
