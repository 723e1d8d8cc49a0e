// Row codecs for 24 bits (Blue, Green, Red per pixel) and 32 bits (Blue,
// Green, Red, then the fourth byte, which is Alpha).

#include <cstring>

#include "bitmap/bmp_image.h"
#include "bitmap/pixel_words.h"

namespace {

bool FitsRow(std::int32_t width, std::int32_t bytesPerPixel, std::int32_t length) {
    return std::int64_t{bytesPerPixel} * width <= length;
}

}  // namespace

bool BMPImage::DecodeRow24(const std::uint8_t* buffer, std::int32_t length, std::int32_t row) {
    if (!FitsRow(width, 3, length)) {
        return false;
    }
    Pixel* pixel = Row(row);
    // A word at a time: the stored Blue, Green and Red with the pixel's own
    // Alpha (a 24-bit file has none). The last pixel is moved bytewise, since
    // its word would reach past the row's pixel bytes.
    const std::int32_t last = width - 1;
    for (std::int32_t column = 0; column < last; ++column, buffer += 3) {
        StoreWord(&pixel[column], WithAlphaOf(LoadWord(buffer), LoadWord(&pixel[column])));
    }
    pixel[last].Blue = buffer[0];
    pixel[last].Green = buffer[1];
    pixel[last].Red = buffer[2];
    return true;
}

bool BMPImage::DecodeRow32(const std::uint8_t* buffer, std::int32_t length, std::int32_t row) {
    if (!FitsRow(width, 4, length)) {
        return false;
    }
    // The stored bytes are the memory layout of Pixel.
    std::memcpy(Row(row), buffer, static_cast<std::size_t>(width) * sizeof(Pixel));
    return true;
}

bool BMPImage::EncodeRow24(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const {
    if (!FitsRow(width, 3, length)) {
        return false;
    }
    const Pixel* pixel = Row(row);
    // A word at a time: each word's fourth byte is overwritten by the next
    // pixel. The last pixel is stored bytewise, so nothing past the row's
    // pixel bytes is written.
    const std::int32_t last = width - 1;
    for (std::int32_t column = 0; column < last; ++column, buffer += 3) {
        StoreWord(buffer, LoadWord(&pixel[column]));
    }
    buffer[0] = pixel[last].Blue;
    buffer[1] = pixel[last].Green;
    buffer[2] = pixel[last].Red;
    return true;
}

bool BMPImage::EncodeRow32(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const {
    if (!FitsRow(width, 4, length)) {
        return false;
    }
    std::memcpy(buffer, Row(row), static_cast<std::size_t>(width) * sizeof(Pixel));
    return true;
}
