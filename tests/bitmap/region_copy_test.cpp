// CopyPixel, CopyPixelKeyed, CopyRegion and CopyRegionKeyed.

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "bitmap/bmp_image.h"
#include "bitmap/utilities/pixel_copy.h"
#include "bitmap/utilities/region_copy.h"
#include "support/image_checks.h"

namespace {

// Each source pixel names its own place: Blue the column, Green the row.
Pixel Named(std::int32_t column, std::int32_t row) {
    return Pixel{static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row), 77, 5};
}

constexpr Pixel kUntouched{1, 2, 3, 4};

void MakeSource(BMPImage& image, std::int32_t width, std::int32_t height) {
    ASSERT_TRUE(image.SetDimensions(width, height));
    for (std::int32_t row = 0; row < height; ++row)
        for (std::int32_t column = 0; column < width; ++column) image.At(column, row) = Named(column, row);
}

void MakeDestination(BMPImage& image, std::int32_t width, std::int32_t height) {
    ASSERT_TRUE(image.SetDimensions(width, height));
    for (std::int32_t row = 0; row < height; ++row)
        for (std::int32_t column = 0; column < width; ++column) image.At(column, row) = kUntouched;
}

TEST(PixelCopy, BothCoordinatePairsAreClamped) {
    BMPImage source, destination;
    MakeSource(source, 4, 3);
    MakeDestination(destination, 5, 2);
    CopyPixel(source, -1, 99, destination, 50, -3);
    EXPECT_EQ(destination.At(4, 0), Named(0, 2));
    CopyPixel(source, 2, 1, destination, 1, 1);
    EXPECT_EQ(destination.At(1, 1), Named(2, 1));
    EXPECT_EQ(destination.At(0, 0), kUntouched);
}

TEST(PixelCopy, KeyComparesRedGreenBlueButNeverAlpha) {
    const Pixel key{0, 0, 255, 200};  // Blue 0, Green 0, Red 255
    struct Case {
        Pixel source;
        bool copied;
    };
    const Case cases[] = {{Pixel{0, 0, 255, 7}, false}, {Pixel{0, 0, 255, 200}, false},
                          {Pixel{0, 1, 255, 9}, true},  {Pixel{1, 0, 255, 9}, true},
                          {Pixel{0, 0, 254, 9}, true}};
    for (const Case& c : cases) {
        BMPImage source, destination;
        source.At(0, 0) = c.source;
        destination.At(0, 0) = kUntouched;
        CopyPixelKeyed(source, 0, 0, destination, 0, 0, key);
        EXPECT_EQ(destination.At(0, 0), c.copied ? c.source : kUntouched) << c.source;
    }
}

struct RegionCase {
    const char* name;
    std::int32_t left, right, firstRow, secondRow, toColumn, toRow;
    // The source rectangle expected to arrive, its top-left at (toColumn, toRow).
    bool copies;
    std::int32_t wantLeft, wantRight, wantTop, wantBottom;
};

// A 10 x 10 source into an 8 x 6 destination.
const RegionCase kRegions[] = {
    {"rows in either order", 0, 3, 7, 2, 0, 0, true, 0, 3, 2, 7},
    {"rows in order", 0, 3, 2, 7, 0, 0, true, 0, 3, 2, 7},
    {"left beyond right", 5, 3, 0, 1, 0, 0, false, 0, 0, 0, 0},
    {"cut at the destination's right edge", 0, 9, 0, 1, 6, 0, true, 0, 1, 0, 1},
    {"cut at the destination's bottom edge", 0, 0, 0, 9, 2, 3, true, 0, 0, 0, 2},
    {"bounds beyond the source", -5, 100, -3, 50, 0, 0, true, 0, 7, 0, 5},
    {"inside", 3, 5, 4, 6, 1, 2, true, 3, 5, 4, 6},
    {"destination column at the width", 0, 3, 0, 1, 8, 0, false, 0, 0, 0, 0},
    {"destination row at the height", 0, 3, 0, 1, 0, 6, false, 0, 0, 0, 0},
    {"widest int32 bounds", INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN, 0, 0, true, 0, 7, 0, 5},
    {"left at INT32_MAX", INT32_MAX, INT32_MAX, 0, 1, 0, 0, false, 0, 0, 0, 0},
    {"right at INT32_MIN", 0, INT32_MIN, 0, 1, 0, 0, false, 0, 0, 0, 0},
    {"destination at INT32_MAX", 0, 9, 0, 9, INT32_MAX, INT32_MAX, false, 0, 0, 0, 0},
    {"destination column at INT32_MAX", INT32_MIN, INT32_MAX, 0, 0, INT32_MAX, 0, false, 0, 0, 0, 0},
};

TEST(RegionCopy, BoundsAreOrderedClampedAndFitted) {
    const Pixel absentKey{255, 255, 255, 0};  // no source pixel has it
    for (const RegionCase& c : kRegions) {
        SCOPED_TRACE(c.name);
        BMPImage source, plain, keyed;
        MakeSource(source, 10, 10);
        MakeDestination(plain, 8, 6);
        MakeDestination(keyed, 8, 6);
        CopyRegion(source, c.left, c.right, c.firstRow, c.secondRow, plain, c.toColumn, c.toRow);
        CopyRegionKeyed(source, c.left, c.right, c.firstRow, c.secondRow, keyed, c.toColumn, c.toRow,
                        absentKey);
        for (std::int32_t row = 0; row < 6; ++row) {
            for (std::int32_t column = 0; column < 8; ++column) {
                const std::int64_t fromColumn = std::int64_t{column} - c.toColumn + c.wantLeft;
                const std::int64_t fromRow = std::int64_t{row} - c.toRow + c.wantTop;
                const bool inside = c.copies && fromColumn >= c.wantLeft && fromColumn <= c.wantRight &&
                                    fromRow >= c.wantTop && fromRow <= c.wantBottom;
                const Pixel want = inside ? Named(static_cast<std::int32_t>(fromColumn),
                                                  static_cast<std::int32_t>(fromRow))
                                          : kUntouched;
                EXPECT_EQ(plain.At(column, row), want) << "(" << column << ", " << row << ")";
                EXPECT_EQ(keyed.At(column, row), want) << "keyed (" << column << ", " << row << ")";
            }
        }
    }
}

TEST(RegionCopy, KeyedRegionSkipsKeyPixels) {
    BMPImage source, destination;
    MakeSource(source, 3, 2);
    MakeDestination(destination, 3, 2);
    Pixel key = Named(1, 0);
    key.Alpha = 0;  // Alpha plays no part
    CopyRegionKeyed(source, 0, 2, 0, 1, destination, 0, 0, key);
    EXPECT_EQ(destination.At(1, 0), kUntouched);
    EXPECT_EQ(destination.At(0, 0), Named(0, 0));
    EXPECT_EQ(destination.At(2, 1), Named(2, 1));
}

// One row of a 4 x 1 source (pixels named 0 ... 3) into a 3 x 1 destination.
std::vector<Pixel> RowAfter(std::int32_t toColumn, const Pixel* key) {
    BMPImage source, destination;
    MakeSource(source, 4, 1);
    MakeDestination(destination, 3, 1);
    if (key != nullptr) {
        CopyRegionKeyed(source, 0, 3, 0, 0, destination, toColumn, 0, *key);
    } else {
        CopyRegion(source, 0, 3, 0, 0, destination, toColumn, 0);
    }
    return {destination.At(0, 0), destination.At(1, 0), destination.At(2, 0)};
}

TEST(RegionCopy, NegativeDestinationPilesUpInTheEdgeColumn) {
    using Row = std::vector<Pixel>;
    // Reaching column 0: the last pixel written there is the one belonging there.
    EXPECT_EQ(RowAfter(-2, nullptr), (Row{Named(2, 0), Named(3, 0), kUntouched}));
    // Wholly left of column 0: it ends with the rightmost source pixel.
    EXPECT_EQ(RowAfter(-10, nullptr), (Row{Named(3, 0), kUntouched, kUntouched}));
    EXPECT_EQ(RowAfter(INT32_MIN, nullptr), (Row{Named(3, 0), kUntouched, kUntouched}));
    // Keyed: the last pixel that is not the key, or the column's own pixel.
    const Pixel lastIsKey = Named(3, 0);
    EXPECT_EQ(RowAfter(-10, &lastIsKey), (Row{Named(2, 0), kUntouched, kUntouched}));

    BMPImage oneColour, destination;
    ASSERT_TRUE(oneColour.SetDimensions(4, 1));
    MakeDestination(destination, 3, 1);
    CopyRegionKeyed(oneColour, 0, 3, 0, 0, destination, -10, 0, kWhite);
    EXPECT_EQ(destination.At(0, 0), kUntouched);

    // Rows behave the same way: a 1 x 4 column above row 0.
    BMPImage column;
    MakeSource(column, 1, 4);
    MakeDestination(destination, 1, 3);
    CopyRegion(column, 0, 0, 0, 3, destination, 0, -10);
    EXPECT_EQ(destination.At(0, 0), Named(0, 3));
    EXPECT_EQ(destination.At(0, 1), kUntouched);
}

TEST(RegionCopy, WithinOneImageOverlapReadsWhatItWrote) {
    struct Case {
        const char* name;
        bool vertical;
        std::int32_t from, to;  // the region is 4 pixels of a 5-pixel line
        std::int32_t want[5];   // the line afterwards, by source index
    };
    const Case cases[] = {
        {"same row, further right: repeats", false, 0, 1, {0, 0, 0, 0, 0}},
        {"same row, further left: shifts", false, 1, 0, {1, 2, 3, 4, 4}},
        {"lower row: repeats", true, 0, 1, {0, 0, 0, 0, 0}},
        {"higher row: shifts", true, 1, 0, {1, 2, 3, 4, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BMPImage image;
        MakeSource(image, c.vertical ? 1 : 5, c.vertical ? 5 : 1);
        if (c.vertical) {
            CopyRegion(image, 0, 0, c.from, c.from + 3, image, 0, c.to);
        } else {
            CopyRegion(image, c.from, c.from + 3, 0, 0, image, c.to, 0);
        }
        for (std::int32_t i = 0; i < 5; ++i) {
            const Pixel want = c.vertical ? Named(0, c.want[i]) : Named(c.want[i], 0);
            EXPECT_EQ(c.vertical ? image.At(0, i) : image.At(i, 0), want) << "index " << i;
        }
    }
}

}  // namespace
