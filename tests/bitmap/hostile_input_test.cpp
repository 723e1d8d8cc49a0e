// Bad input: every truncation and single-byte change of valid files at each
// depth, and forged header values. Each file must load, or be refused, exactly
// as the reader's rules say, and leave the image the rules describe.

#include <gtest/gtest.h>

#include <optional>

#include "bitmap/bmp_image.h"
#include "bitmap/image_limits.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

// The verdict the reader's rules give for a file, worked out from its bytes
// independently of the reader.
struct Verdict {
    LoadError error;
    std::int32_t width = 1, height = 1, depth = 1;
};

Verdict Expected(const Bytes& file) {
    if (file.size() == 1 && file[0] != 0x42) return {LoadError::NotBmp};
    if (file.size() >= 2 && ReadLE(file, 0, 2) != 19778) return {LoadError::NotBmp};
    if (file.size() < 54) return {LoadError::TruncatedHeader};
    const auto width = static_cast<std::int32_t>(ReadLE(file, 18, 4));
    const auto height = static_cast<std::int32_t>(ReadLE(file, 22, 4));
    const std::uint32_t bits = ReadLE(file, 28, 2);
    const std::uint32_t compression = ReadLE(file, 30, 4);
    if (compression == 1 || compression == 2 || compression > 3 || (compression == 3 && bits != 16))
        return {LoadError::UnsupportedCompression};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return {LoadError::UnsupportedBitDepth};
    if (width <= 0 || height <= 0) return {LoadError::BadDimensions};
    if (std::int64_t{width} * height > kMaxPixelCount || std::int64_t{width} * bits > INT32_MAX)
        return {LoadError::TooLarge};
    return {LoadError::None, width, height, static_cast<std::int32_t>(bits)};
}

class HostileInput : public ::testing::Test {
protected:
    // Loads bytes into an image that starts as a recognisable 2 x 2 at
    // 8 bits, and checks result and image against the rules.
    void Check(const Bytes& file) {
        WriteBytes(dir / "in.bmp", file);
        BMPImage image;
        ASSERT_TRUE(image.SetDepth(8));
        ASSERT_TRUE(image.SetDimensions(2, 2));
        const Verdict want = Expected(file);
        const LoadStatus status = image.LoadWithStatus((dir / "in.bmp").c_str());
        ASSERT_EQ(status.error, want.error) << status.Describe();
        if (want.error == LoadError::NotBmp) {
            ASSERT_EQ(image.Depth(), 8);
            ASSERT_EQ(image.Width(), 2);
            return;
        }
        ASSERT_EQ(image.Depth(), want.depth);
        ASSERT_EQ(image.Width(), want.width);
        ASSERT_EQ(image.Height(), want.height);
        if (!status.ok()) {
            ASSERT_EQ(image.At(0, 0), kWhite);
        }
        ++checked;
    }

    TempDir dir;
    int checked = 0;
};

// Valid files of every depth, 5 x 3, written by the library itself, and a
// 16-bit file without masks built by hand.
std::vector<Bytes> ValidFiles() {
    std::vector<Bytes> files;
    TempDir dir;
    for (std::int32_t depth : {1, 4, 8, 16, 24, 32}) {
        BMPImage image;
        EXPECT_TRUE(image.SetDepth(depth));
        EXPECT_TRUE(image.SetDimensions(5, 3));
        FillRandom(image, static_cast<std::uint32_t>(depth));
        EXPECT_TRUE(image.Save((dir / "valid.bmp").c_str()));
        files.push_back(ReadBytes(dir / "valid.bmp"));
    }
    BmpSpec noMasks = ValidSpec(5, 3, 16);
    noMasks.pixelData.assign(36, 0x5A);
    files.push_back(Serialize(noMasks));
    return files;
}

TEST_F(HostileInput, EveryTruncationOfAValidFile) {
    for (const Bytes& file : ValidFiles()) {
        SCOPED_TRACE(testing::Message() << ReadLE(file, 28, 2) << " bits");
        for (std::size_t length = 0; length <= file.size(); ++length) {
            SCOPED_TRACE(length);
            Check(Bytes(file.begin(), file.begin() + static_cast<long>(length)));
        }
    }
    RecordProperty("cases", checked);
}

TEST_F(HostileInput, EverySingleByteChangeInHeadersAndPalette) {
    for (const Bytes& file : ValidFiles()) {
        SCOPED_TRACE(testing::Message() << ReadLE(file, 28, 2) << " bits");
        const std::size_t end = std::min<std::size_t>(file.size(), ReadLE(file, 10, 4));
        for (std::size_t offset = 0; offset < end; ++offset) {
            for (const std::uint8_t value : {std::uint8_t{0}, std::uint8_t{0xFF}, static_cast<std::uint8_t>(file[offset] ^ 1),
                                             static_cast<std::uint8_t>(file[offset] ^ 0x80)}) {
                SCOPED_TRACE(testing::Message() << "offset " << offset << " = " << int{value});
                Bytes changed = file;
                changed[offset] = value;
                Check(changed);
            }
        }
    }
    RecordProperty("cases", checked);
}

TEST_F(HostileInput, ForgedHeaderValues) {
    struct Case {
        const char* name;
        std::uint16_t bits;
        void (*forge)(BmpSpec&);
    };
    const Case cases[] = {
        {"width 0", 24, [](BmpSpec& s) { s.info.biWidth = 0; }},
        {"width -1", 24, [](BmpSpec& s) { s.info.biWidth = -1; }},
        {"width 2^31 - 1", 24, [](BmpSpec& s) { s.info.biWidth = INT32_MAX; }},
        {"height 0", 8, [](BmpSpec& s) { s.info.biHeight = 0; }},
        {"height -2^31", 8, [](BmpSpec& s) { s.info.biHeight = INT32_MIN; }},
        {"height 2^31 - 1", 8, [](BmpSpec& s) { s.info.biHeight = INT32_MAX; }},
        {"over the pixel limit", 1, [](BmpSpec& s) { s.info.biWidth = 16385; s.info.biHeight = 16384; }},
        {"at the pixel limit, 32-bit row too wide", 32, [](BmpSpec& s) { s.info.biWidth = 1 << 28; s.info.biHeight = 1; }},
        {"bfOffBits 0", 8, [](BmpSpec& s) { s.file.bfOffBits = 0; }},
        {"bfOffBits 53", 24, [](BmpSpec& s) { s.file.bfOffBits = 53; }},
        {"bfOffBits 2^32 - 1 at 8 bits", 8, [](BmpSpec& s) { s.file.bfOffBits = 0xFFFFFFFF; }},
        {"bfOffBits 2^31 at 24 bits", 24, [](BmpSpec& s) { s.file.bfOffBits = 0x80000000; }},
        {"bfOffBits 2^31 - 1 at 16 bits", 16, [](BmpSpec& s) { s.file.bfOffBits = 0x7FFFFFFF; }},
        {"biBitCount 0", 24, [](BmpSpec& s) { s.info.biBitCount = 0; }},
        {"biBitCount 2", 24, [](BmpSpec& s) { s.info.biBitCount = 2; }},
        {"biBitCount 64", 24, [](BmpSpec& s) { s.info.biBitCount = 64; }},
        {"biBitCount 65535", 24, [](BmpSpec& s) { s.info.biBitCount = 65535; }},
        {"bit fields at 24", 24, [](BmpSpec& s) { s.info.biCompression = 3; }},
        {"compression 4", 24, [](BmpSpec& s) { s.info.biCompression = 4; }},
        {"compression 5", 8, [](BmpSpec& s) { s.info.biCompression = 5; }},
        {"compression 2^32 - 1", 16, [](BmpSpec& s) { s.info.biCompression = 0xFFFFFFFF; }},
        {"biSize 0", 8, [](BmpSpec& s) { s.info.biSize = 0; }},
        {"biSize 12", 24, [](BmpSpec& s) { s.info.biSize = 12; }},
        {"biSize 2^32 - 1", 8, [](BmpSpec& s) { s.info.biSize = 0xFFFFFFFF; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpSpec spec = ValidSpec(3, 2, c.bits, c.bits <= 8 ? 4u << c.bits : 0);
        spec.afterHeaders.assign(c.bits <= 8 ? 4u << c.bits : 0, 0x10);
        spec.pixelData.assign(24, 0x20);
        c.forge(spec);
        Check(Serialize(spec));
    }
}

}  // namespace
