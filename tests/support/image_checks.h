#pragma once

// Assertions on images that print "have X, want Y" with coordinates.

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "bitmap/bmp_image.h"

inline std::ostream& operator<<(std::ostream& out, const Pixel& pixel) {
    return out << "(B " << int{pixel.Blue} << ", G " << int{pixel.Green} << ", R " << int{pixel.Red}
               << ", A " << int{pixel.Alpha} << ")";
}

// Every pixel of a and b equal, all four bytes, and the same size.
::testing::AssertionResult SamePixels(const BMPImage& a, const BMPImage& b);

// A deterministic pseudo-random image of the given size and depth.
void FillRandom(BMPImage& image, std::uint32_t seed);
