#pragma once

#include <cstdint>

#include "bitmap/bmp_image.h"

// Copying a rectangle of pixels, columns left ... right and the rows between
// the two row bounds (in either order), both ends included, so that source
// pixel (left, top) lands at (destinationColumn, destinationRow).
//
// The bounds are first clamped to the source (right and bottom from above,
// left and top from below), then right and bottom are cut so the rectangle
// ends at the destination's right and bottom edges. left and right are never
// exchanged: left > right copies nothing. A negative destination column or
// row is not fitted; the pixels that fall left of or above the destination go
// to its edge through At's clamping, one after another, and the last stays.
//
// Source and destination may be the same image. No intermediate copy is made,
// so where the rectangles overlap and the destination lies lower, or on the
// same rows further right, pixels already written are read again as source.
void CopyRegion(const BMPImage& source, std::int32_t left, std::int32_t right,
                std::int32_t firstRowBound, std::int32_t secondRowBound, BMPImage& destination,
                std::int32_t destinationColumn, std::int32_t destinationRow);

// As CopyRegion, pixel by pixel with CopyPixelKeyed: source pixels whose Red,
// Green and Blue equal the key's are not written.
void CopyRegionKeyed(const BMPImage& source, std::int32_t left, std::int32_t right,
                     std::int32_t firstRowBound, std::int32_t secondRowBound,
                     BMPImage& destination, std::int32_t destinationColumn,
                     std::int32_t destinationRow, const Pixel& key);
