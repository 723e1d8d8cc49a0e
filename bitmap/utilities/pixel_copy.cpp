#include "bitmap/utilities/pixel_copy.h"

void CopyPixel(const BMPImage& source, std::int32_t sourceColumn, std::int32_t sourceRow,
               BMPImage& destination, std::int32_t destinationColumn, std::int32_t destinationRow) {
    destination.At(destinationColumn, destinationRow) = source.At(sourceColumn, sourceRow);
}

void CopyPixelKeyed(const BMPImage& source, std::int32_t sourceColumn, std::int32_t sourceRow,
                    BMPImage& destination, std::int32_t destinationColumn,
                    std::int32_t destinationRow, const Pixel& key) {
    const Pixel& pixel = source.At(sourceColumn, sourceRow);
    if (pixel.Red == key.Red && pixel.Green == key.Green && pixel.Blue == key.Blue) {
        return;
    }
    destination.At(destinationColumn, destinationRow) = pixel;
}
