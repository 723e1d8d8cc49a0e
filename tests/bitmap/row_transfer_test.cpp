// Load and Save move many rows per read and write (RowsPerTransfer). These
// files span several transfers, so the joins between transfers, the last short
// one, and a file that ends inside a later transfer are all exercised against
// files built byte by byte. The transfer loop is the same at every depth; 1 and
// 4 bits would need images of tens of megapixels to span several transfers,
// and their codecs have tests of their own.

#include <gtest/gtest.h>

#include "bitmap/bmp_image.h"
#include "bitmap/image_limits.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

// An odd width, so every depth pads its rows.
constexpr std::int32_t kWidth = 3001;

std::int32_t RowSize(std::int32_t bits) { return (kWidth * bits + 31) / 32 * 4; }

// Two whole transfers and part of a third.
std::int32_t Height(std::int32_t bits) { return 2 * RowsPerTransfer(RowSize(bits), 1 << 30) + 17; }

std::uint8_t Byte(std::int32_t value) { return static_cast<std::uint8_t>(value); }

// The pixel at (column, row) of the true-colour files; rows differ, so a row
// decoded into the wrong place shows.
Pixel TrueColour(std::int32_t column, std::int32_t row) {
    return Pixel{Byte(column), Byte(row), Byte(column * 7 + row * 3), Byte(column ^ row)};
}

std::int32_t Index(std::int32_t column, std::int32_t row, std::int32_t bits) {
    return (column * 7 + row * 13) % (1 << bits);
}

// The image the files below hold, as the loader must produce it.
void Fill(BMPImage& image, std::int32_t bits) {
    ASSERT_TRUE(image.SetDepth(bits));
    ASSERT_TRUE(image.SetDimensions(kWidth, Height(bits)));
    for (std::int32_t row = 0; row < Height(bits); ++row) {
        for (std::int32_t column = 0; column < kWidth; ++column) {
            Pixel pixel = bits > 8 ? TrueColour(column, row) : image.PaletteColor(Index(column, row, bits));
            if (bits == 24) pixel.Alpha = 0;  // a 24-bit file has none
            image.At(column, row) = pixel;
        }
    }
}

// The first palette entry with the Blue, Green and Red of pixel, which is one
// of the entries.
std::int32_t LowestEntryOf(const BMPImage& image, Pixel pixel) {
    for (std::int32_t index = 0;; ++index) {
        const Pixel entry = image.PaletteColor(index);
        if (entry.Blue == pixel.Blue && entry.Green == pixel.Green && entry.Red == pixel.Red) return index;
    }
}

// One stored row of image: Blue, Green, Red (and Alpha at 32 bits), or at
// 8 bits the index of the lowest entry of the pixel's colour, which is the one
// the writer must pick (the standard palette repeats some colours).
Bytes StoredRow(const BMPImage& image, std::int32_t row) {
    const std::int32_t bits = image.Depth();
    Bytes stored(static_cast<std::size_t>(RowSize(bits)), 0);
    for (std::int32_t column = 0; column < kWidth; ++column) {
        const Pixel pixel = image.At(column, row);
        if (bits > 8) {
            const std::uint8_t bytes[] = {pixel.Blue, pixel.Green, pixel.Red, pixel.Alpha};
            std::copy(bytes, bytes + bits / 8, stored.begin() + column * (bits / 8));
        } else {
            stored[static_cast<std::size_t>(column)] = Byte(LowestEntryOf(image, pixel));
        }
    }
    return stored;
}

// The whole file for image, bottom row first.
Bytes FileOf(const BMPImage& image) {
    const std::int32_t bits = image.Depth();
    const std::uint32_t paletteBytes = bits <= 8 ? 4u << bits : 0;
    BmpSpec spec = ValidSpec(kWidth, Height(bits), static_cast<std::uint16_t>(bits), paletteBytes);
    for (std::uint32_t i = 0; i < paletteBytes / 4; ++i) {
        const Pixel entry = image.PaletteColor(static_cast<std::int32_t>(i));
        spec.afterHeaders.insert(spec.afterHeaders.end(), {entry.Blue, entry.Green, entry.Red, entry.Alpha});
    }
    for (std::int32_t row = Height(bits) - 1; row >= 0; --row) {
        const Bytes stored = StoredRow(image, row);
        spec.pixelData.insert(spec.pixelData.end(), stored.begin(), stored.end());
    }
    return Serialize(spec);
}

class RowTransferTest : public ::testing::TestWithParam<std::int32_t> {
protected:
    TempDir dir;
};

TEST_P(RowTransferTest, SaveWritesTheFileByteForByte) {
    BMPImage image;
    Fill(image, GetParam());
    ASSERT_TRUE(image.Save((dir / "out.bmp").c_str()));
    EXPECT_TRUE(ReadBytes(dir / "out.bmp") == FileOf(image));
}

TEST_P(RowTransferTest, LoadReadsEveryRow) {
    BMPImage expected;
    Fill(expected, GetParam());
    WriteBytes(dir / "in.bmp", FileOf(expected));
    BMPImage image;
    ASSERT_TRUE(image.Load((dir / "in.bmp").c_str()));
    EXPECT_TRUE(SamePixels(image, expected));
}

TEST_P(RowTransferTest, FileEndingInsideALaterTransferKeepsTheRowsAboveWhite) {
    const std::int32_t bits = GetParam();
    BMPImage full;
    Fill(full, bits);
    const Bytes bytes = FileOf(full);
    const std::int32_t height = Height(bits);
    const std::int32_t perTransfer = RowsPerTransfer(RowSize(bits), height);
    const std::size_t rowsStart = bytes.size() - static_cast<std::size_t>(RowSize(bits)) * height;
    for (std::int32_t rowsKept : {0, 1, perTransfer - 1, perTransfer, perTransfer + 1, 2 * perTransfer + 3,
                                  height - 1}) {
        SCOPED_TRACE(testing::Message() << rowsKept << " whole rows");
        // Half of the next row is there too; it must not be decoded.
        const std::size_t length = rowsStart + static_cast<std::size_t>(RowSize(bits)) * rowsKept +
                                   static_cast<std::size_t>(RowSize(bits)) / 2;
        WriteBytes(dir / "cut.bmp", Bytes(bytes.begin(), bytes.begin() + static_cast<long>(length)));
        BMPImage image;
        ASSERT_TRUE(image.Load((dir / "cut.bmp").c_str()));
        BMPImage expected;
        Fill(expected, bits);
        for (std::int32_t row = 0; row < height - rowsKept; ++row)
            for (std::int32_t column = 0; column < kWidth; ++column) expected.At(column, row) = kWhite;
        EXPECT_TRUE(SamePixels(image, expected));
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, RowTransferTest, ::testing::Values(8, 24, 32),
                         [](const auto& param) { return std::to_string(param.param) + "Bits"; });

}  // namespace
