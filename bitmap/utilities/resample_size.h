#pragma once

#include <cstdint>
#include <optional>

// The size Resample gives an image of width x height for a mode letter and a
// value, each side raised to 1. The letter is taken without regard to case:
//   P  value percent of each side: floor((value x side) x 0.01), the product
//      formed in wrapping 32-bit arithmetic;
//   W  width value, height floor((value / width) x height);
//   H  height value, width floor((value / height) x width);
//   F  the longer side value: W when width > height, otherwise H.
// Empty for any other letter. width and height are at least 1, as an image's
// always are. The sides are 64-bit because W and H can ask for more than 32
// bits hold; whether the size is allowed is the caller's test.
struct ResampledSize {
    std::int64_t width;
    std::int64_t height;
};

std::optional<ResampledSize> ResampleSize(std::int32_t width, std::int32_t height, char mode,
                                          std::int32_t value);
