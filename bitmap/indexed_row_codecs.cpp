// Row codecs for 1, 4 and 8 bits per pixel. A stored row packs palette
// indices in column order, the first pixel of each byte in its most
// significant bits. The palette is read only through PaletteColor, so an
// index beyond the entries a file supplied yields their white replacement.

#include <algorithm>

#include "bitmap/bmp_image.h"
#include "bitmap/nearest_color_search.h"

namespace {

// Pixels that bitsPerPixel packs into one byte: 8, 2 or 1.
constexpr std::int32_t PixelsPerByte(std::int32_t bitsPerPixel) { return 8 / bitsPerPixel; }

bool FitsRow(std::int32_t width, std::int32_t bitsPerPixel, std::int32_t length) {
    return width <= std::int64_t{length} * PixelsPerByte(bitsPerPixel);
}


template <int Bits>
bool DecodeIndexedRow(BMPImage& image, const std::uint8_t* buffer, std::int32_t length,
                      std::int32_t row) {
    const std::int32_t width = image.Width();
    if (!FitsRow(width, Bits, length)) {
        return false;
    }
    constexpr int kMask = (1 << Bits) - 1;
    Pixel* pixel = image.Row(row);
    for (std::int32_t column = 0; column < width; ++column) {
        // Position k within the byte is column mod pixels per byte; it sits
        // 8 - Bits * (k + 1) bits up from the bottom.
        const int position = column % PixelsPerByte(Bits);
        const int shift = 8 - Bits * (position + 1);
        const int index = buffer[column / PixelsPerByte(Bits)] >> shift & kMask;
        pixel[column] = image.PaletteColor(index);  // all four bytes, Alpha too
    }
    return true;
}

template <int Bits>
bool EncodePackedRow(const BMPImage& image, std::uint8_t* buffer, std::int32_t length,
                     std::int32_t row, NearestColorSearch& search) {
    const std::int32_t width = image.Width();
    if (!FitsRow(width, Bits, length)) {
        return false;
    }
    // The indices of up to 256 pixels at a time, a whole number of bytes.
    constexpr std::int32_t kChunk = 256;
    const Pixel* pixel = image.Row(row);
    for (std::int32_t start = 0; start < width; start += kChunk) {
        const std::int32_t count = std::min(kChunk, width - start);
        std::uint8_t indices[kChunk];
        search.FindRow(pixel + start, count, indices);
        for (std::int32_t i = 0; i < count; i += PixelsPerByte(Bits)) {
            // Weights 2^(8 - Bits * (k + 1)); bits of a final partial byte that
            // no pixel fills stay 0, and no byte after the packed ones is written.
            int sum = 0;
            for (int position = 0; position < PixelsPerByte(Bits) && i + position < count; ++position) {
                sum += indices[i + position] << (8 - Bits * (position + 1));
            }
            *buffer++ = static_cast<std::uint8_t>(sum);
        }
    }
    return true;
}

}  // namespace

bool EncodeIndexedRow(const BMPImage& image, std::int32_t bits, std::uint8_t* buffer,
                      std::int32_t length, std::int32_t row, NearestColorSearch& search) {
    switch (bits) {
        case 1:
            return EncodePackedRow<1>(image, buffer, length, row, search);
        case 4:
            return EncodePackedRow<4>(image, buffer, length, row, search);
        default:
            return EncodePackedRow<8>(image, buffer, length, row, search);
    }
}

bool BMPImage::DecodeRow1(const std::uint8_t* buffer, std::int32_t length, std::int32_t row) {
    return DecodeIndexedRow<1>(*this, buffer, length, row);
}

bool BMPImage::DecodeRow4(const std::uint8_t* buffer, std::int32_t length, std::int32_t row) {
    return DecodeIndexedRow<4>(*this, buffer, length, row);
}

bool BMPImage::DecodeRow8(const std::uint8_t* buffer, std::int32_t length, std::int32_t row) {
    return DecodeIndexedRow<8>(*this, buffer, length, row);
}

bool BMPImage::EncodeRow1(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const {
    NearestColorSearch search(*this);
    return EncodePackedRow<1>(*this, buffer, length, row, search);
}

bool BMPImage::EncodeRow4(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const {
    NearestColorSearch search(*this);
    return EncodePackedRow<4>(*this, buffer, length, row, search);
}

bool BMPImage::EncodeRow8(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const {
    NearestColorSearch search(*this);
    return EncodePackedRow<8>(*this, buffer, length, row, search);
}
