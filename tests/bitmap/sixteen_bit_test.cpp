#include <gtest/gtest.h>

#include <optional>

#include "bitmap/bmp_image.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

struct Masks {
    std::uint32_t red, green, blue;
};

// A 16-bit file of the given words, one row of width words (padded), with
// stored masks when given, BI_RGB otherwise.
Bytes SixteenBitFile(std::int32_t width, std::int32_t height, const std::vector<std::uint16_t>& words,
                     std::optional<Masks> masks) {
    BmpSpec spec = ValidSpec(width, height, 16, masks ? 12 : 0);
    if (masks) {
        spec.info.biCompression = 3;
        AppendLE(spec.afterHeaders, masks->red, 4);
        AppendLE(spec.afterHeaders, masks->green, 4);
        AppendLE(spec.afterHeaders, masks->blue, 4);
    }
    std::size_t next = 0;
    for (std::int32_t row = 0; row < height; ++row) {
        for (std::int32_t column = 0; column < width; ++column) AppendLE(spec.pixelData, words.at(next++), 2);
        if (width % 2 == 1) AppendLE(spec.pixelData, 0xBEEF, 2);
    }
    return Serialize(spec);
}

class SixteenBitTest : public ::testing::Test {
protected:
    void LoadFile(const Bytes& bytes) {
        WriteBytes(dir / "in.bmp", bytes);
        ASSERT_TRUE(image.Load((dir / "in.bmp").c_str()));
        ASSERT_EQ(image.Depth(), 16);
    }
    static Pixel Rgb(int red, int green, int blue) {
        return Pixel{static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green), static_cast<std::uint8_t>(red), 0};
    }

    TempDir dir;
    BMPImage image;
};

TEST_F(SixteenBitTest, WordsDecodeThroughDefaultOrStoredMasks) {
    const Masks five65{0xF800, 0x07E0, 0x001F};
    struct Case {
        std::optional<Masks> masks;
        std::uint16_t word;
        Pixel want;
    };
    const Case cases[] = {
        {std::nullopt, 0x7FFF, Rgb(248, 248, 248)},
        {std::nullopt, 0x8000, Rgb(0, 0, 0)},  // bit 15 belongs to no channel
        {std::nullopt, 0x7C00, Rgb(248, 0, 0)},
        {std::nullopt, 0x0021, Rgb(0, 8, 8)},
        {five65, 0xFFFF, Rgb(248, 248, 248)},
        {five65, 0x0020, Rgb(0, 0, 0)},        // the lowest green bit is dropped
        {five65, 0x0040, Rgb(0, 8, 0)},
        {Masks{0x0000FFFF0, 0, 0x000F}, 0x000F, Rgb(0, 0, 120)},  // high mask bits ignored; narrow blue not moved up
        {Masks{0, 0, 0}, 0xFFFF, Rgb(0, 0, 0)},
        {Masks{0x00FF0000, 0xFFFF0000, 0x000F0000}, 0xFFFF, Rgb(0, 0, 0)},  // masks use their low 16 bits only
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << "word 0x" << c.word << (c.masks ? " stored masks" : " default masks"));
        LoadFile(SixteenBitFile(1, 1, {c.word}, c.masks));
        EXPECT_EQ(image.At(0, 0), c.want);
    }
}

TEST_F(SixteenBitTest, RowsAreBottomUpWithPadForOddWidths) {
    // Width 3: 6 bytes of words, 2 pad bytes. Width 2: no pad.
    for (std::int32_t width : {2, 3}) {
        SCOPED_TRACE(width);
        std::vector<std::uint16_t> words;
        for (std::int32_t i = 0; i < width * 2; ++i) words.push_back(static_cast<std::uint16_t>(i << 10));
        LoadFile(SixteenBitFile(width, 2, words, std::nullopt));
        for (std::int32_t column = 0; column < width; ++column) {
            EXPECT_EQ(image.At(column, 1), Rgb(8 * column, 0, 0));           // stored first
            EXPECT_EQ(image.At(column, 0), Rgb(8 * (width + column), 0, 0));
        }
    }
}

TEST_F(SixteenBitTest, ShortFileRepeatsTheLastWordRead) {
    Bytes file = SixteenBitFile(2, 2, {0x7C00, 0x03E0, 0x001F, 0x7FFF}, std::nullopt);
    file.resize(file.size() - 4 + 1);  // the top row keeps half a word
    LoadFile(file);
    EXPECT_EQ(image.At(0, 1), Rgb(248, 0, 0));
    EXPECT_EQ(image.At(1, 1), Rgb(0, 248, 0));
    EXPECT_EQ(image.At(0, 0), Rgb(0, 248, 0));
    EXPECT_EQ(image.At(1, 0), Rgb(0, 248, 0));
}

TEST_F(SixteenBitTest, SavesFiveSixFiveWithMasksByteForByte) {
    ASSERT_TRUE(image.SetDepth(16));
    ASSERT_TRUE(image.SetDimensions(2, 2));
    image.At(0, 0) = Pixel{200, 100, 50, 77};
    image.At(1, 0) = Pixel{255, 255, 255, 0};
    image.At(0, 1) = Pixel{0, 4, 8, 0};
    image.At(1, 1) = Pixel{7, 3, 7, 0};
    ASSERT_TRUE(image.Save((dir / "out.bmp").c_str()));
    const Bytes file = ReadBytes(dir / "out.bmp");
    ASSERT_EQ(file.size(), 74u);
    EXPECT_EQ(ReadLE(file, 30, 4), 3u);
    EXPECT_EQ(Bytes(file.begin() + 54, file.begin() + 66),
              (Bytes{0x00, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}));
    // Bottom row first: (0, 1) is R 8 G 4 B 0, (1, 1) drops to 0; then row 0.
    const std::uint16_t want[] = {static_cast<std::uint16_t>(1 << 11 | 1 << 5), 0,
                                  static_cast<std::uint16_t>(6 << 11 | 25 << 5 | 25), 0xFFFF};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(ReadLE(file, 66 + 2 * static_cast<std::size_t>(i), 2), want[i]) << i;

    // Loaded again, each channel keeps its top five bits.
    BMPImage again;
    ASSERT_TRUE(again.Load((dir / "out.bmp").c_str()));
    EXPECT_EQ(again.At(0, 0), (Pixel{200, 96, 48, 0}));
}

TEST_F(SixteenBitTest, OddWidthRowsGetZeroPads) {
    ASSERT_TRUE(image.SetDepth(16));
    ASSERT_TRUE(image.SetDimensions(3, 1));
    ASSERT_TRUE(image.Save((dir / "out.bmp").c_str()));
    const Bytes file = ReadBytes(dir / "out.bmp");
    ASSERT_EQ(file.size(), 74u);
    EXPECT_EQ(ReadLE(file, 66, 2), 0xFFFFu);
    EXPECT_EQ(ReadLE(file, 72, 2), 0u);
}

}  // namespace
