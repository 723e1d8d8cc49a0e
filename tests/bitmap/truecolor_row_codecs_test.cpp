// The 24- and 32-bit row codecs move whole words where they can. Compared here
// with the byte-by-byte contract at every width up to 33 and a wide one: which
// bytes and pixels they touch, Alpha kept by the 24-bit decoder, and the
// length check that comes first.

#include <gtest/gtest.h>

#include <random>

#include "bitmap/bmp_image.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

constexpr std::uint8_t kSentinel = 0xA7;

Bytes RandomBytes(std::size_t count, std::mt19937& random) {
    Bytes bytes(count);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
    return bytes;
}

std::vector<std::int32_t> Widths() {
    std::vector<std::int32_t> widths;
    for (std::int32_t width = 1; width <= 33; ++width) widths.push_back(width);
    widths.push_back(1001);
    return widths;
}

class TrueColourCodecs : public ::testing::Test {
protected:
    // A 3-row image of random pixels; the codecs work on the middle row.
    void Prepare(std::int32_t width) {
        ASSERT_TRUE(image.SetDimensions(width, 3));
        FillRandom(image, static_cast<std::uint32_t>(width));
        ASSERT_TRUE(before.SetDimensions(width, 3));
        for (std::int32_t row = 0; row < 3; ++row)
            for (std::int32_t column = 0; column < width; ++column)
                before.At(column, row) = image.At(column, row);
    }

    // image must equal before except in row 1, where it holds expected.
    void ExpectOnlyRowOneIs(const std::vector<Pixel>& expected) {
        for (std::int32_t column = 0; column < image.Width(); ++column) {
            before.At(column, 1) = expected[static_cast<std::size_t>(column)];
        }
        EXPECT_TRUE(SamePixels(image, before));
    }

    BMPImage image;
    BMPImage before;
    std::mt19937 random{99};
};

TEST_F(TrueColourCodecs, DecodeRow24TakesBlueGreenRedAndKeepsAlpha) {
    for (const std::int32_t width : Widths()) {
        SCOPED_TRACE(testing::Message() << "width " << width);
        Prepare(width);
        const Bytes stored = RandomBytes(static_cast<std::size_t>(width) * 3, random);
        ASSERT_TRUE(image.DecodeRow24(stored.data(), width * 3, 1));
        std::vector<Pixel> expected;
        for (std::int32_t c = 0; c < width; ++c) {
            const std::size_t at = static_cast<std::size_t>(c) * 3;
            expected.push_back(Pixel{stored[at], stored[at + 1], stored[at + 2], before.At(c, 1).Alpha});
        }
        ExpectOnlyRowOneIs(expected);
    }
}

TEST_F(TrueColourCodecs, DecodeRow32TakesAllFourBytes) {
    for (const std::int32_t width : Widths()) {
        SCOPED_TRACE(testing::Message() << "width " << width);
        Prepare(width);
        const Bytes stored = RandomBytes(static_cast<std::size_t>(width) * 4, random);
        ASSERT_TRUE(image.DecodeRow32(stored.data(), width * 4, 1));
        std::vector<Pixel> expected;
        for (std::size_t at = 0; at < stored.size(); at += 4) {
            expected.push_back(Pixel{stored[at], stored[at + 1], stored[at + 2], stored[at + 3]});
        }
        ExpectOnlyRowOneIs(expected);
    }
}

TEST_F(TrueColourCodecs, EncodersWriteThePixelBytesAndNothingAfterThem) {
    for (const std::int32_t width : Widths()) {
        Prepare(width);
        for (std::int32_t bytesPerPixel : {3, 4}) {
            SCOPED_TRACE(testing::Message() << "width " << width << ", " << bytesPerPixel
                                            << " bytes per pixel");
            // Room for the pixels and three more bytes, which must keep their value.
            Bytes buffer(static_cast<std::size_t>(width * bytesPerPixel + 3), kSentinel);
            const std::int32_t length = static_cast<std::int32_t>(buffer.size());
            ASSERT_TRUE(bytesPerPixel == 3 ? image.EncodeRow24(buffer.data(), length, 1)
                                           : image.EncodeRow32(buffer.data(), length, 1));
            Bytes expected;
            for (std::int32_t c = 0; c < width; ++c) {
                const Pixel p = image.At(c, 1);
                expected.insert(expected.end(), {p.Blue, p.Green, p.Red, p.Alpha});
                expected.resize(expected.size() - static_cast<std::size_t>(4 - bytesPerPixel));
            }
            expected.insert(expected.end(), 3, kSentinel);
            EXPECT_TRUE(buffer == expected);
            EXPECT_TRUE(SamePixels(image, before));
        }
    }
}

TEST_F(TrueColourCodecs, OneByteShortTouchesNothing) {
    for (const std::int32_t width : Widths()) {
        Prepare(width);
        for (std::int32_t bytesPerPixel : {3, 4}) {
            SCOPED_TRACE(testing::Message() << "width " << width << ", " << bytesPerPixel
                                            << " bytes per pixel");
            Bytes buffer(static_cast<std::size_t>(width * bytesPerPixel), kSentinel);
            const std::int32_t length = width * bytesPerPixel - 1;
            if (bytesPerPixel == 3) {
                EXPECT_FALSE(image.DecodeRow24(buffer.data(), length, 1));
                EXPECT_FALSE(image.EncodeRow24(buffer.data(), length, 1));
            } else {
                EXPECT_FALSE(image.DecodeRow32(buffer.data(), length, 1));
                EXPECT_FALSE(image.EncodeRow32(buffer.data(), length, 1));
            }
            EXPECT_TRUE(buffer == Bytes(buffer.size(), kSentinel));
            EXPECT_TRUE(SamePixels(image, before));
        }
    }
}

}  // namespace
