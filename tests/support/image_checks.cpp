#include "support/image_checks.h"

#include <random>

::testing::AssertionResult SamePixels(const BMPImage& a, const BMPImage& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        return ::testing::AssertionFailure() << "size: have " << a.Width() << " x " << a.Height()
                                             << ", want " << b.Width() << " x " << b.Height();
    }
    for (std::int32_t row = 0; row < a.Height(); ++row) {
        for (std::int32_t column = 0; column < a.Width(); ++column) {
            if (!(a.At(column, row) == b.At(column, row))) {
                return ::testing::AssertionFailure()
                       << "pixel (" << column << ", " << row << "): have " << a.At(column, row)
                       << ", want " << b.At(column, row);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

void FillRandom(BMPImage& image, std::uint32_t seed) {
    std::mt19937 random(seed);
    for (std::int32_t row = 0; row < image.Height(); ++row) {
        Pixel* pixel = image.Row(row);
        for (std::int32_t column = 0; column < image.Width(); ++column) {
            const std::uint32_t bits = random();
            pixel[column] = Pixel{static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                                  static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
        }
    }
}
