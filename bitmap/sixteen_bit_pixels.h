#pragma once

// The 16-bit branches of Load and Save. At 16 bits every pixel is one
// little-endian word; no row codec is involved.

#include <cstdint>
#include <cstdio>

class BMPImage;

// Reads the mask section (when compression is not BI_RGB), passes over gap
// bytes, then the rows. The image is already 16-bit, sized and white. Reading
// never fails: after the end of the file the remaining pixels repeat the last
// word read.
void ReadSixteenBitPixels(BMPImage& image, std::FILE* file, std::uint32_t compression,
                          std::int64_t gap);

// Writes the 5-6-5 mask section and the rows; false when a write fails.
bool WriteSixteenBitPixels(const BMPImage& image, std::FILE* file);
