// By-value pixel access: PixelValue clamps as At does, StorePixel does not.

#include "bitmap/bmp_image.h"

Pixel BMPImage::PixelValue(std::int32_t column, std::int32_t row) const {
    return ClampedAt(column, row);
}

bool BMPImage::StorePixel(std::int32_t column, std::int32_t row, Pixel pixel) {
    // Without clamping, a coordinate outside the image has no pixel to write;
    // refusing it keeps a caller's mistake from reaching other memory.
    if (column < 0 || column >= width || row < 0 || row >= height) {
        return false;
    }
    Row(row)[column] = pixel;
    return true;
}
