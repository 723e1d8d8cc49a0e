// Row codecs for 24 bits (Blue, Green, Red per pixel) and 32 bits (Blue,
// Green, Red, then the fourth byte, which is Alpha).

#include <cstring>

#include "bitmap/bmp_image.h"

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
    for (std::int32_t column = 0; column < width; ++column, buffer += 3) {
        // Alpha is left as it was: a 24-bit file has none.
        pixel[column].Blue = buffer[0];
        pixel[column].Green = buffer[1];
        pixel[column].Red = buffer[2];
    }
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
    for (std::int32_t column = 0; column < width; ++column, buffer += 3) {
        buffer[0] = pixel[column].Blue;
        buffer[1] = pixel[column].Green;
        buffer[2] = pixel[column].Red;
    }
    return true;
}

bool BMPImage::EncodeRow32(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const {
    if (!FitsRow(width, 4, length)) {
        return false;
    }
    std::memcpy(buffer, Row(row), static_cast<std::size_t>(width) * sizeof(Pixel));
    return true;
}
