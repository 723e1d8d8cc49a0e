#pragma once

#include <cstdint>

#include "bitmap/bmp_image.h"

// Copying single pixels between images, or within one. Both coordinate pairs
// are clamped by At, so a coordinate outside an image reads or writes its
// nearest edge pixel.

// destination.At(destinationColumn, destinationRow) receives all four bytes of
// source.At(sourceColumn, sourceRow).
void CopyPixel(const BMPImage& source, std::int32_t sourceColumn, std::int32_t sourceRow,
               BMPImage& destination, std::int32_t destinationColumn, std::int32_t destinationRow);

// As CopyPixel, except that a source pixel whose Red, Green and Blue equal the
// key's is skipped. Alpha is never compared; a copied pixel brings its own.
void CopyPixelKeyed(const BMPImage& source, std::int32_t sourceColumn, std::int32_t sourceRow,
                    BMPImage& destination, std::int32_t destinationColumn,
                    std::int32_t destinationRow, const Pixel& key);
