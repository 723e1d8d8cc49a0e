#pragma once

#include <cstdint>

#include "bitmap/bmp_image.h"

// Rescales image in place to the size ResampleSize gives for the mode letter
// ("P", "W", "H" or "F", either case) and value, by bilinear interpolation over
// a copy of the old image. The result has depth 24 and no palette; Alpha is 0
// except in the bottom-right pixel, which keeps the old bottom-right pixel's.
//
// False, keeping size, depth, palette and pixels, for any other letter, and
// for a new size beyond kMaxPixelCount or one whose memory (or the copy's)
// cannot be had. The copy is made before anything else and asks the image for
// its resolution in dots per inch, so on every path, false ones included, an
// unset resolution becomes 3780 pixels per metre.
bool Resample(BMPImage& image, char mode, std::int32_t value);
