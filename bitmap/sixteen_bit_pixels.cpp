#include "bitmap/sixteen_bit_pixels.h"

#include <cstdlib>
#include <memory>

#include "bitmap/bmp_headers.h"
#include "bitmap/bmp_image.h"
#include "bitmap/image_limits.h"
#include "bitmap/little_endian_fields.h"
#include "bitmap/skip_bytes.h"
#include "platform/scratch_array.h"

namespace {

struct Masks {
    std::uint16_t red;
    std::uint16_t green;
    std::uint16_t blue;
};

// Without stored masks a 16-bit file is 5-5-5; bit 15 belongs to no channel.
constexpr Masks kDefaultMasks{0x7C00, 0x03E0, 0x001F};
// What the writer stores: 5-6-5.
constexpr Masks kWrittenMasks{0xF800, 0x07E0, 0x001F};

// Right shifts that bring the mask down to at most 31. Only the top five bits
// of a wider field count (the low bit of a 6-bit green is dropped), and a
// narrower field is not moved up: a blue mask of 0x000F gives 0 ... 120.
int ShiftOf(std::uint16_t mask) {
    int shift = 0;
    while ((mask >> shift) > 31) {
        ++shift;
    }
    return shift;
}

// Each stored mask is 4 bytes; its low 16 bits are used.
void ReadMask(std::uint16_t& mask, std::FILE* file) {
    std::uint16_t high = 0;
    ReadField(mask, file);
    ReadField(high, file);
}

std::uint8_t Channel(std::uint16_t word, std::uint16_t mask, int shift) {
    return static_cast<std::uint8_t>(((word & mask) >> shift) * 8);
}

}  // namespace

void ReadSixteenBitPixels(BMPImage& image, std::FILE* file, std::uint32_t compression,
                          std::int64_t gap) {
    Masks masks = kDefaultMasks;
    if (compression != kBiRgb) {
        ReadMask(masks.red, file);
        ReadMask(masks.green, file);
        ReadMask(masks.blue, file);
    }
    SkipBytes(file, gap);
    const int redShift = ShiftOf(masks.red);
    const int greenShift = ShiftOf(masks.green);
    const int blueShift = ShiftOf(masks.blue);

    // A row at a time; a word the file no longer holds leaves the previous
    // word in place, so after the end every pixel repeats the last word read.
    const std::int32_t width = image.Width();
    const std::int32_t rowSize = *StoredRowSize(width, 16);
    const ScratchArray<std::uint8_t> buffer = AllocateScratch<std::uint8_t>(static_cast<std::size_t>(rowSize));
    if (!buffer) {
        return;
    }
    std::uint16_t word = 0;
    std::size_t available = 0;
    for (std::int32_t row = image.Height() - 1; row >= 0; --row) {
        available = std::feof(file) ? 0 : std::fread(buffer.get(), 1, static_cast<std::size_t>(rowSize), file);
        Pixel* pixel = image.Row(row);
        for (std::int32_t column = 0; column < width; ++column) {
            const std::size_t at = static_cast<std::size_t>(column) * 2;
            if (at + 2 <= available) {
                word = static_cast<std::uint16_t>(buffer.get()[at] | buffer.get()[at + 1] << 8);
            }
            pixel[column].Red = Channel(word, masks.red, redShift);
            pixel[column].Green = Channel(word, masks.green, greenShift);
            pixel[column].Blue = Channel(word, masks.blue, blueShift);
        }
    }
}

bool WriteSixteenBitPixels(const BMPImage& image, std::FILE* file) {
    bool written = true;
    for (std::uint16_t mask : {kWrittenMasks.red, kWrittenMasks.green, kWrittenMasks.blue}) {
        written = written && WriteField(std::uint32_t{mask}, file);
    }
    const std::int32_t width = image.Width();
    const std::int32_t rowSize = *StoredRowSize(width, 16);
    // Zeroed once; the words never reach the pad bytes, which stay 0.
    const ScratchArray<std::uint8_t> buffer = AllocateZeroedScratch<std::uint8_t>(static_cast<std::size_t>(rowSize));
    if (!buffer) {
        return false;
    }
    for (std::int32_t row = image.Height() - 1; row >= 0 && written; --row) {
        const Pixel* pixel = image.Row(row);
        std::uint8_t* out = buffer.get();
        for (std::int32_t column = 0; column < width; ++column, out += 2) {
            const Pixel p = pixel[column];
            const auto word = static_cast<std::uint16_t>((p.Red >> 3) << 11 | (p.Green >> 2) << 5 |
                                                         p.Blue >> 3);
            out[0] = static_cast<std::uint8_t>(word);
            out[1] = static_cast<std::uint8_t>(word >> 8);
        }
        written = std::fwrite(buffer.get(), 1, static_cast<std::size_t>(rowSize), file) ==
                  static_cast<std::size_t>(rowSize);
    }
    return written;
}
