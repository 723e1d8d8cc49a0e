#include <gtest/gtest.h>

#include <filesystem>

#include "bitmap/bmp_image.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

class WriterTest : public ::testing::Test {
protected:
    Bytes SaveAndRead() {
        const SaveStatus status = image.SaveWithStatus((dir / "out.bmp").c_str());
        EXPECT_TRUE(status.ok()) << status.Describe();
        return ReadBytes(dir / "out.bmp");
    }

    TempDir dir;
    BMPImage image;
};

TEST_F(WriterTest, ThreeByTwoTrueColourFileByteForByte) {
    ASSERT_TRUE(image.SetDimensions(3, 2));
    for (std::int32_t row = 0; row < 2; ++row)
        for (std::int32_t column = 0; column < 3; ++column)
            image.At(column, row) = Pixel{static_cast<std::uint8_t>(10 * row + column), 0x20, 0x30, 0x99};

    Bytes want;
    AppendLE(want, 19778, 2);
    AppendLE(want, 78, 4);   // bfSize: the whole file
    AppendLE(want, 0, 4);    // reserved
    AppendLE(want, 54, 4);   // bfOffBits
    AppendLE(want, 40, 4);
    AppendLE(want, 3, 4);
    AppendLE(want, 2, 4);
    AppendLE(want, 1, 2);
    AppendLE(want, 24, 2);
    AppendLE(want, 0, 4);
    AppendLE(want, 24, 4);   // biSizeImage
    AppendLE(want, 3780, 4);  // unset resolution
    AppendLE(want, 3780, 4);
    AppendLE(want, 0, 8);
    for (int row : {1, 0}) {  // bottom row first, Alpha not stored, zero pads
        for (int column = 0; column < 3; ++column) want.insert(want.end(), {static_cast<std::uint8_t>(10 * row + column), 0x20, 0x30});
        want.insert(want.end(), {0, 0, 0});
    }
    EXPECT_EQ(SaveAndRead(), want);
}

TEST_F(WriterTest, OffsetsAndSizesByDepth) {
    struct Case {
        std::int32_t depth, width, height;
        std::uint32_t offBits, fileSize, imageSize, compression;
    };
    const Case cases[] = {
        {24, 3, 2, 54, 78, 24, 0}, {32, 3, 2, 54, 78, 24, 0},  {8, 5, 1, 1078, 1086, 8, 0},
        {4, 3, 3, 118, 130, 12, 0}, {1, 10, 1, 62, 66, 4, 0}, {16, 2, 2, 66, 74, 8, 3},
        {16, 3, 1, 66, 74, 8, 3},  {1, 33, 2, 62, 78, 16, 0}, {24, 1, 1, 54, 58, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.depth << " bits, " << c.width << " x " << c.height);
        ASSERT_TRUE(image.SetDepth(c.depth));
        ASSERT_TRUE(image.SetDimensions(c.width, c.height));
        const Bytes file = SaveAndRead();
        EXPECT_EQ(file.size(), c.fileSize);
        EXPECT_EQ(ReadLE(file, 2, 4), c.fileSize);
        EXPECT_EQ(ReadLE(file, 10, 4), c.offBits);
        EXPECT_EQ(ReadLE(file, 28, 2), static_cast<std::uint32_t>(c.depth));
        EXPECT_EQ(ReadLE(file, 30, 4), c.compression);
        EXPECT_EQ(ReadLE(file, 34, 4), c.imageSize);
    }
}

TEST_F(WriterTest, FailuresAreReported) {
    ASSERT_TRUE(image.SetDimensions(3, 2));
    EXPECT_EQ(image.SaveWithStatus((dir / "no" / "such" / "dir.bmp").c_str()).error, SaveError::CannotOpen);
    EXPECT_FALSE(std::filesystem::exists(dir / "no"));
    EXPECT_EQ(image.SaveWithStatus(nullptr).error, SaveError::CannotOpen);
    // A full disk: the small file fails when it is flushed on close, a large
    // one while the rows are written.
    EXPECT_EQ(image.SaveWithStatus("/dev/full").error, SaveError::WriteFailed);
    ASSERT_TRUE(image.SetDimensions(1000, 100));
    EXPECT_EQ(image.SaveWithStatus("/dev/full").error, SaveError::WriteFailed);
}

TEST_F(WriterTest, RowWhoseBitCountExceeds32BitsIsRefusedBeforeCreatingTheFile) {
    ASSERT_TRUE(image.SetDepth(32));
    ASSERT_TRUE(image.SetDimensions((1 << 26) + 1, 1));
    EXPECT_EQ(image.SaveWithStatus((dir / "big.bmp").c_str()).error, SaveError::TooLarge);
    EXPECT_FALSE(std::filesystem::exists(dir / "big.bmp"));
}

TEST_F(WriterTest, RoundTripAtEveryWidthThatPadsDifferently) {
    for (std::int32_t depth : {24, 32}) {
        for (std::int32_t width : {1, 2, 3, 7, 31, 33}) {
            SCOPED_TRACE(testing::Message() << depth << " bits, width " << width);
            ASSERT_TRUE(image.SetDepth(depth));
            ASSERT_TRUE(image.SetDimensions(width, 3));
            FillRandom(image, static_cast<std::uint32_t>(width));
            if (depth == 24)
                for (std::int32_t row = 0; row < 3; ++row)
                    for (std::int32_t column = 0; column < width; ++column) image.At(column, row).Alpha = 0;
            ASSERT_TRUE(image.Save((dir / "round.bmp").c_str()));
            BMPImage loaded;
            ASSERT_TRUE(loaded.Load((dir / "round.bmp").c_str()));
            EXPECT_EQ(loaded.Depth(), depth);
            EXPECT_TRUE(SamePixels(loaded, image));
        }
    }
}

}  // namespace
