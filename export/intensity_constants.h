#pragma once

#include <bit>

// The doubles with which the paint filters turn R + G + B into an intensity
// bin: sum x kThird x scale x kInverse255, in that order, truncated. They are
// given as bit patterns because the exact values matter: the double nearest
// 1/3, the double nearest 1/255, and the module's own scale, the
// single-precision 0.1 widened to double (not the double nearest 0.1).
inline constexpr double kThird = std::bit_cast<double>(0x3FD5555555555555ULL);
inline constexpr double kInverse255 = std::bit_cast<double>(0x3F70101010101010ULL);
inline constexpr double kModuleScale = std::bit_cast<double>(0x3FB99999A0000000ULL);
