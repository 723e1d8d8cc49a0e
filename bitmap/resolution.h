#pragma once

#include <bit>
#include <cstdint>

// Converting resolutions between pixels per metre, which BMP headers store,
// and dots per inch, which people ask for. The factors are fixed doubles given
// by their bit patterns, so every build converts the same way: neither is the
// double nearest to the exact ratio of an inch to a metre.

// Dots per inch to pixels per metre: 39.37007874015748.
inline constexpr double kPelsPerMeterPerDPI = std::bit_cast<double>(std::uint64_t{0x4043AF5EBD7AF5EC});
// Pixels per metre to dots per inch: 0.0254.
inline constexpr double kDPIPerPelsPerMeter = std::bit_cast<double>(std::uint64_t{0x3F9A027525460AA6});

// dotsPerInch x 39.37007874015748, truncated toward zero. A product beyond the
// signed 32-bit range saturates at its nearer end.
std::int32_t PelsPerMeterFromDPI(std::int32_t dotsPerInch);

// pelsPerMeter x 0.0254, truncated toward zero; always within range.
std::int32_t DPIFromPelsPerMeter(std::int32_t pelsPerMeter);
