#include <gtest/gtest.h>

#include <random>

#include "bitmap/bmp_image.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

// Entry i of the palette: a distinct colour with its own Alpha byte.
Pixel Entry(int i) {
    return Pixel{static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i), static_cast<std::uint8_t>(i * 7),
                 static_cast<std::uint8_t>(100 + i)};
}

void GiveDistinctPalette(BMPImage& image) {
    for (int i = 0; i < image.ColorCount(); ++i) ASSERT_TRUE(image.SetPaletteColor(i, Entry(i)));
}

void Prepare(BMPImage& image, std::int32_t bits, std::int32_t width) {
    ASSERT_TRUE(image.SetDepth(bits));
    ASSERT_TRUE(image.SetDimensions(width, 1));
    GiveDistinctPalette(image);
}

bool Decode(BMPImage& image, const Bytes& buffer, std::int32_t length) {
    switch (image.Depth()) {
        case 1: return image.DecodeRow1(buffer.data(), length, 0);
        case 4: return image.DecodeRow4(buffer.data(), length, 0);
        default: return image.DecodeRow8(buffer.data(), length, 0);
    }
}

bool Encode(const BMPImage& image, Bytes& buffer, std::int32_t length) {
    switch (image.Depth()) {
        case 1: return image.EncodeRow1(buffer.data(), length, 0);
        case 4: return image.EncodeRow4(buffer.data(), length, 0);
        default: return image.EncodeRow8(buffer.data(), length, 0);
    }
}

TEST(IndexedCodecs, LengthCheckComesFirstAndTouchesNothing) {
    struct Case {
        std::int32_t bits, width, length;
        bool fits;
    };
    const Case cases[] = {{8, 3, 3, true}, {8, 3, 2, false}, {4, 5, 2, false}, {4, 5, 3, true},
                          {1, 9, 1, false}, {1, 9, 2, true}, {1, 8, 1, true},  {4, 1, 0, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, width " << c.width << ", length " << c.length);
        BMPImage image;
        Prepare(image, c.bits, c.width);
        Bytes buffer(8, 0xEE);
        EXPECT_EQ(Encode(image, buffer, c.length), c.fits);
        if (!c.fits) {
            EXPECT_EQ(buffer, Bytes(8, 0xEE));
        }
        EXPECT_EQ(Decode(image, buffer, c.length), c.fits);
        if (!c.fits) {
            EXPECT_EQ(image.At(0, 0), kWhite);
        }
    }
}

TEST(IndexedCodecs, PackingIsMostSignificantFirstAndLeavesTheBytesAfterAlone) {
    struct Case {
        std::int32_t bits, width;
        Bytes packed;                     // the stored bytes of the row
        std::vector<int> indices;         // what each column decodes to
        std::size_t packedLength;         // bytes the encoder writes
    };
    const Case cases[] = {
        {8, 3, {7, 200, 255}, {7, 200, 255}, 3},
        {4, 5, {0x12, 0x34, 0x50}, {1, 2, 3, 4, 5}, 3},  // odd width: low nibble of byte 2 is 0
        {1, 8, {0xA5}, {1, 0, 1, 0, 0, 1, 0, 1}, 1},
        {1, 9, {0xA5, 0x80}, {1, 0, 1, 0, 0, 1, 0, 1, 1}, 2},  // bits 6 ... 0 of byte 1 are 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, width " << c.width);
        BMPImage image;
        Prepare(image, c.bits, c.width);
        Bytes stored = c.packed;
        stored.resize(c.packedLength + 1, 0xEE);  // one pad byte that must survive
        ASSERT_TRUE(Decode(image, stored, static_cast<std::int32_t>(stored.size())));
        for (std::int32_t column = 0; column < c.width; ++column)
            EXPECT_EQ(image.At(column, 0), Entry(c.indices[static_cast<std::size_t>(column)])) << "column " << column;

        Bytes encoded(c.packedLength + 1, 0xEE);
        ASSERT_TRUE(Encode(image, encoded, static_cast<std::int32_t>(encoded.size())));
        EXPECT_EQ(encoded, stored);
    }
}

TEST(IndexedCodecs, TrailingBitsOfTheLastByteAreIgnoredWhenDecoding) {
    BMPImage image;
        Prepare(image, 4, 3);
    ASSERT_TRUE(image.DecodeRow4(Bytes{0x12, 0x3F}.data(), 2, 0));
    EXPECT_EQ(image.At(2, 0), Entry(3));
}

TEST(IndexedCodecs, EncodingMapsEachPixelToItsNearestEntry) {
    BMPImage image;
        Prepare(image, 8, 64);
    std::mt19937 random(7);
    for (std::int32_t column = 0; column < 64; ++column) {
        const auto bits = random();
        image.At(column, 0) = Pixel{static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                    static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
    }
    BMPImage original;
        Prepare(original, 8, 64);
    for (std::int32_t column = 0; column < 64; ++column) original.At(column, 0) = image.At(column, 0);
    Bytes buffer(64);
    ASSERT_TRUE(image.EncodeRow8(buffer.data(), 64, 0));
    ASSERT_TRUE(image.DecodeRow8(buffer.data(), 64, 0));
    for (std::int32_t column = 0; column < 64; ++column)
        EXPECT_EQ(image.At(column, 0), Entry(original.NearestPaletteIndex(original.At(column, 0))));
}

TEST(NearestPaletteIndex, LowestIndexWinsTiesAndAlphaIsIgnored) {
    BMPImage image;
    ASSERT_TRUE(image.SetDepth(4));
    for (int i = 0; i < 16; ++i) ASSERT_TRUE(image.SetPaletteColor(i, Pixel{200, 200, 200, 0}));
    const Pixel exact{10, 20, 30, 0};
    ASSERT_TRUE(image.SetPaletteColor(7, exact));
    ASSERT_TRUE(image.SetPaletteColor(12, exact));
    EXPECT_EQ(image.NearestPaletteIndex(exact), 7);
    EXPECT_EQ(image.NearestPaletteIndex(Pixel{10, 20, 30, 99}), 7);  // Alpha plays no part

    // Equal distance (1) from entries 3 and 9, nearer to no other.
    ASSERT_TRUE(image.SetPaletteColor(3, Pixel{100, 100, 99, 0}));
    ASSERT_TRUE(image.SetPaletteColor(9, Pixel{100, 100, 101, 0}));
    EXPECT_EQ(image.NearestPaletteIndex(Pixel{100, 100, 100, 0}), 3);
    // The farthest possible pixel still gets an entry of the palette.
    ASSERT_TRUE(image.SetDepth(1));
    EXPECT_EQ(image.NearestPaletteIndex(Pixel{128, 128, 128, 0}), 1);
    EXPECT_EQ(image.NearestPaletteIndex(Pixel{127, 127, 127, 0}), 0);
}

class PaletteFileTest : public ::testing::Test {
protected:
    // An 8-bit (or bits) 2 x 1 file whose pixels index 5 and 20, with the
    // given bfOffBits, entries palette entries and gap bytes stored before them.
    void LoadIndexed(std::uint16_t bits, std::uint32_t offBits, int entries, std::size_t gap, Bytes pixels) {
        BmpSpec spec = ValidSpec(2, 1, bits);
        spec.file.bfOffBits = offBits;
        for (int i = 0; i < entries; ++i) {
            const Pixel e = Entry(i);
            spec.afterHeaders.insert(spec.afterHeaders.end(), {e.Blue, e.Green, e.Red, e.Alpha});
        }
        spec.afterHeaders.insert(spec.afterHeaders.end(), gap, 0x77);
        spec.pixelData = std::move(pixels);
        WriteBytes(dir / "in.bmp", Serialize(spec));
        const LoadStatus status = image.LoadWithStatus((dir / "in.bmp").c_str());
        ASSERT_TRUE(status.ok()) << status.Describe();
    }

    TempDir dir;
    BMPImage image;
};

TEST_F(PaletteFileTest, OffBitsDecidesHowManyEntriesAreRead) {
    // 118: sixteen entries, the rest white; index 20 decodes to white.
    LoadIndexed(8, 118, 16, 0, {5, 20, 0, 0});
    EXPECT_EQ(image.PaletteColor(15), Entry(15));
    EXPECT_EQ(image.PaletteColor(16), kWhite);
    EXPECT_EQ(image.At(0, 0), Entry(5));
    EXPECT_EQ(image.At(1, 0), kWhite);
    // 54 and below: no entry read, every pixel white.
    for (std::uint32_t offBits : {54u, 10u, 0u}) {
        LoadIndexed(8, offBits, 0, 0, {5, 20, 0, 0});
        EXPECT_EQ(image.PaletteColor(0), kWhite);
        EXPECT_EQ(image.At(0, 0), kWhite);
    }
    // 57: (57 - 54) / 4 = 0 entries and no gap: rows read from offset 54.
    LoadIndexed(8, 57, 0, 0, {5, 20, 0, 0});
    EXPECT_EQ(image.PaletteColor(5), kWhite);
    // 1 bit, 162: the count 27 is cut to 2, then 100 bytes are passed over.
    LoadIndexed(1, 162, 2, 100, {0x40, 0, 0, 0});
    EXPECT_EQ(image.At(0, 0), Entry(0));
    EXPECT_EQ(image.At(1, 0), Entry(1));
}

TEST_F(PaletteFileTest, LongerInfoHeaderKeepsThePaletteAfterIt) {
    // A 124-byte info header: 84 header bytes follow the first 40, then the
    // full palette, then the rows at 14 + 124 + 1024 = 1162.
    BmpSpec spec = ValidSpec(2, 1, 8, 84 + 1024);
    spec.info.biSize = 124;
    spec.afterHeaders.assign(84, 0x33);
    for (int i = 0; i < 256; ++i) {
        const Pixel e = Entry(i);
        spec.afterHeaders.insert(spec.afterHeaders.end(), {e.Blue, e.Green, e.Red, e.Alpha});
    }
    spec.pixelData = {5, 255, 0, 0};
    WriteBytes(dir / "v5.bmp", Serialize(spec));
    ASSERT_TRUE(image.Load((dir / "v5.bmp").c_str()));
    EXPECT_EQ(image.PaletteColor(0), Entry(0));
    EXPECT_EQ(image.PaletteColor(255), Entry(255));
    EXPECT_EQ(image.At(0, 0), Entry(5));
    EXPECT_EQ(image.At(1, 0), Entry(255));

    // A header size that runs past bfOffBits is not believed: the palette is
    // then read from offset 54 as for a 40-byte header.
    spec.file.bfOffBits = 118;
    spec.info.biSize = 124;
    spec.afterHeaders.clear();
    for (int i = 0; i < 16; ++i) {
        const Pixel e = Entry(i);
        spec.afterHeaders.insert(spec.afterHeaders.end(), {e.Blue, e.Green, e.Red, e.Alpha});
    }
    WriteBytes(dir / "odd.bmp", Serialize(spec));
    ASSERT_TRUE(image.Load((dir / "odd.bmp").c_str()));
    EXPECT_EQ(image.PaletteColor(15), Entry(15));
    EXPECT_EQ(image.At(0, 0), Entry(5));
}

TEST_F(PaletteFileTest, EveryTruncationLoadsWithTheRowsItHolds) {
    BMPImage source;
    ASSERT_TRUE(source.SetDepth(4));
    ASSERT_TRUE(source.SetDimensions(5, 3));
    GiveDistinctPalette(source);
    for (std::int32_t row = 0; row < 3; ++row)
        for (std::int32_t column = 0; column < 5; ++column) source.At(column, row) = Entry((row * 5 + column) % 16);
    ASSERT_TRUE(source.Save((dir / "full.bmp").c_str()));
    const Bytes full = ReadBytes(dir / "full.bmp");
    for (std::size_t length = 54; length <= full.size(); ++length) {
        SCOPED_TRACE(length);
        WriteBytes(dir / "cut.bmp", Bytes(full.begin(), full.begin() + static_cast<long>(length)));
        ASSERT_TRUE(image.Load((dir / "cut.bmp").c_str()));
        const std::size_t rowsRead = length < 118 ? 0 : (length - 118) / 4;
        for (std::int32_t row = 0; row < 3; ++row) {
            const bool read = row >= 3 - static_cast<std::int32_t>(rowsRead);
            EXPECT_EQ(image.At(4, row), read ? source.At(4, row) : kWhite) << "row " << row;
        }
    }
}

}  // namespace
