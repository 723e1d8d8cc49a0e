#include <gtest/gtest.h>

#include "bitmap/bmp_image.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

// A 24-bit file whose pixel at (column, row) is (B column, G row, R 7) and
// whose rows are padded with 0xEE.
BmpSpec TrueColourSpec(std::int32_t width, std::int32_t height) {
    BmpSpec spec = ValidSpec(width, height, 24);
    const std::int32_t rowSize = (width * 3 + 3) / 4 * 4;
    for (std::int32_t stored = 0; stored < height; ++stored) {
        const std::int32_t row = height - 1 - stored;
        for (std::int32_t column = 0; column < width; ++column) {
            spec.pixelData.insert(spec.pixelData.end(), {static_cast<std::uint8_t>(column),
                                                         static_cast<std::uint8_t>(row), 7});
        }
        spec.pixelData.insert(spec.pixelData.end(), static_cast<std::size_t>(rowSize - width * 3), 0xEE);
    }
    return spec;
}

Pixel Expected(std::int32_t column, std::int32_t row) {
    return Pixel{static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row), 7, 0};
}

class ReaderTest : public ::testing::Test {
protected:
    // Writes bytes to a file and loads it into image.
    LoadStatus LoadBytes(const Bytes& bytes) {
        WriteBytes(dir / "in.bmp", bytes);
        return image.LoadWithStatus((dir / "in.bmp").c_str());
    }
    void ExpectRejected() {
        EXPECT_EQ(image.Width(), 1);
        EXPECT_EQ(image.Height(), 1);
        EXPECT_EQ(image.Depth(), 1);
        EXPECT_EQ(image.At(0, 0), kWhite);
        EXPECT_EQ(image.PaletteColor(1), kWhite);
        EXPECT_EQ(image.PaletteColor(0), (Pixel{0, 0, 0, 0}));
    }

    TempDir dir;
    BMPImage image;
};

TEST_F(ReaderTest, LoadsRowsBottomUpAndSkipsPadding) {
    const BmpSpec spec = TrueColourSpec(3, 2);
    const LoadStatus status = LoadBytes(Serialize(spec));
    ASSERT_TRUE(status.ok()) << status.Describe();
    EXPECT_EQ(image.Depth(), 24);
    ASSERT_EQ(image.Width(), 3);
    ASSERT_EQ(image.Height(), 2);
    for (std::int32_t row = 0; row < 2; ++row)
        for (std::int32_t column = 0; column < 3; ++column)
            EXPECT_EQ(image.At(column, row), Expected(column, row)) << column << ", " << row;
}

TEST_F(ReaderTest, FailureTable) {
    struct Case {
        const char* name;
        void (*forge)(BmpSpec&);
        LoadError error;
        std::string reason;
    };
    const Case cases[] = {
        {"top-down", [](BmpSpec& s) { s.info.biHeight = -2; }, LoadError::BadDimensions, "bad dimensions 3 \u00d7 -2"},
        {"zero width", [](BmpSpec& s) { s.info.biWidth = 0; }, LoadError::BadDimensions, "bad dimensions 0 \u00d7 2"},
        {"RLE8", [](BmpSpec& s) { s.info.biCompression = 1; }, LoadError::UnsupportedCompression, "unsupported compression 1"},
        {"RLE4", [](BmpSpec& s) { s.info.biCompression = 2; }, LoadError::UnsupportedCompression, "unsupported compression 2"},
        {"bit fields at 24", [](BmpSpec& s) { s.info.biCompression = 3; }, LoadError::UnsupportedCompression, "unsupported compression 3"},
        {"JPEG", [](BmpSpec& s) { s.info.biCompression = 4; }, LoadError::UnsupportedCompression, "unsupported compression 4"},
        {"two bits", [](BmpSpec& s) { s.info.biBitCount = 2; }, LoadError::UnsupportedBitDepth, "unsupported bit depth 2"},
        {"too large", [](BmpSpec& s) { s.info.biWidth = 16385; s.info.biHeight = 16384; }, LoadError::TooLarge, ""},
        {"row beyond 32 bits", [](BmpSpec& s) { s.info.biWidth = 100000000; s.info.biHeight = 1; }, LoadError::TooLarge, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpSpec spec = TrueColourSpec(3, 2);
        spec.info.biXPelsPerMeter = 1234;
        spec.info.biYPelsPerMeter = 0;
        c.forge(spec);
        ASSERT_TRUE(image.SetDimensions(5, 5));
        const LoadStatus status = LoadBytes(Serialize(spec));
        EXPECT_EQ(status.error, c.error);
        if (!c.reason.empty()) {
            EXPECT_EQ(status.Describe(), c.reason);
        }
        ExpectRejected();
        // The file's resolution stays in the image: saving shows it.
        ASSERT_TRUE(image.Save((dir / "out.bmp").c_str()));
        const Bytes saved = ReadBytes(dir / "out.bmp");
        EXPECT_EQ(ReadLE(saved, 38, 4), 1234u);
        EXPECT_EQ(ReadLE(saved, 42, 4), 3780u);  // 0 is written as 3780
    }
}

TEST_F(ReaderTest, BadSignatureLeavesImageUntouched) {
    ASSERT_TRUE(image.SetDepth(8));
    ASSERT_TRUE(image.SetDimensions(2, 2));
    image.At(1, 0) = Pixel{1, 2, 3, 4};
    ASSERT_TRUE(image.SetPaletteColor(9, Pixel{5, 6, 7, 8}));
    BmpSpec spec = TrueColourSpec(3, 2);
    spec.file.bfType = 0x4D43;
    EXPECT_EQ(LoadBytes(Serialize(spec)).error, LoadError::NotBmp);
    EXPECT_EQ(image.Depth(), 8);
    EXPECT_EQ(image.Width(), 2);
    EXPECT_EQ(image.At(1, 0), (Pixel{1, 2, 3, 4}));
    EXPECT_EQ(image.PaletteColor(9), (Pixel{5, 6, 7, 8}));
    EXPECT_EQ(LoadBytes(Bytes{'P', 'N', 'G', 0}).error, LoadError::NotBmp);
}

TEST_F(ReaderTest, ShortOrMissingFilesAreRejected) {
    const Bytes full = Serialize(TrueColourSpec(3, 2));
    for (std::size_t length : {0, 2, 14, 53}) {
        SCOPED_TRACE(length);
        ASSERT_TRUE(image.SetDimensions(4, 4));
        const LoadStatus status = LoadBytes(Bytes(full.begin(), full.begin() + static_cast<long>(length)));
        EXPECT_EQ(status.error, LoadError::TruncatedHeader);
        ExpectRejected();
    }
    ASSERT_TRUE(image.SetDimensions(4, 4));
    const LoadStatus missing = image.LoadWithStatus((dir / "absent.bmp").c_str());
    EXPECT_EQ(missing.error, LoadError::CannotOpen);
    EXPECT_EQ(missing.Describe(), "cannot be opened (No such file or directory)");
    ExpectRejected();
    ASSERT_TRUE(image.SetDimensions(4, 4));
    EXPECT_FALSE(image.Load(nullptr));
    ExpectRejected();
}

TEST_F(ReaderTest, FileCutAfterKRowsKeepsTheRestWhite) {
    const BmpSpec spec = TrueColourSpec(3, 4);
    const Bytes full = Serialize(spec);
    for (std::int32_t rowsKept = 0; rowsKept <= 4; ++rowsKept) {
        SCOPED_TRACE(rowsKept);
        // Keep k whole rows and half of the next one, which is not decoded.
        const std::size_t length = std::min<std::size_t>(full.size(), 54 + 12 * rowsKept + 6);
        ASSERT_TRUE(LoadBytes(Bytes(full.begin(), full.begin() + static_cast<long>(length))).ok());
        for (std::int32_t row = 0; row < 4; ++row) {
            const bool read = row >= 4 - rowsKept;
            for (std::int32_t column = 0; column < 3; ++column)
                EXPECT_EQ(image.At(column, row), read ? Expected(column, row) : kWhite) << column << ", " << row;
        }
    }
}

TEST_F(ReaderTest, GapUpToOffBitsIsPassedOver) {
    struct Case {
        std::uint32_t offBits;
        std::size_t gapBytes;  // bytes actually stored between headers and rows
    };
    // 64: ten bytes skipped. 0, 53 and 2^32 - 1: no room, rows follow the headers.
    for (const Case c : {Case{64, 10}, Case{54, 0}, Case{0, 0}, Case{53, 0}, Case{0xFFFFFFFF, 0}}) {
        SCOPED_TRACE(c.offBits);
        BmpSpec spec = TrueColourSpec(3, 2);
        spec.file.bfOffBits = c.offBits;
        spec.afterHeaders.assign(c.gapBytes, 0x55);
        ASSERT_TRUE(LoadBytes(Serialize(spec)).ok());
        EXPECT_EQ(image.At(2, 1), Expected(2, 1));
        EXPECT_EQ(image.At(0, 0), Expected(0, 0));
    }
}

TEST_F(ReaderTest, ThirtyTwoBitKeepsAlphaAndTwentyFourBitLeavesItZero) {
    BmpSpec spec = ValidSpec(2, 1, 32);
    spec.pixelData = {1, 2, 3, 200, 4, 5, 6, 0};
    ASSERT_TRUE(LoadBytes(Serialize(spec)).ok());
    EXPECT_EQ(image.At(0, 0), (Pixel{1, 2, 3, 200}));
    EXPECT_EQ(image.At(1, 0), (Pixel{4, 5, 6, 0}));
    ASSERT_TRUE(image.Save((dir / "out.bmp").c_str()));
    EXPECT_EQ(ReadBytes(dir / "out.bmp"), Serialize(spec));  // Alpha written back unchanged

    ASSERT_TRUE(LoadBytes(Serialize(TrueColourSpec(2, 2))).ok());
    EXPECT_EQ(image.At(1, 1).Alpha, 0);
}

TEST_F(ReaderTest, ResolutionComesFromTheFile) {
    BmpSpec spec = TrueColourSpec(1, 1);
    spec.info.biXPelsPerMeter = 0;
    spec.info.biYPelsPerMeter = 2835;
    ASSERT_TRUE(LoadBytes(Serialize(spec)).ok());
    ASSERT_TRUE(image.Save((dir / "out.bmp").c_str()));
    const Bytes saved = ReadBytes(dir / "out.bmp");
    EXPECT_EQ(ReadLE(saved, 38, 4), 3780u);
    EXPECT_EQ(ReadLE(saved, 42, 4), 2835u);
}

}  // namespace
