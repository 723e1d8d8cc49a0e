#pragma once

#include <cstddef>
#include <cstdint>

// The counts side of the oil-paint filter's sliding window: a histogram of
// the window's bins, kept as the sum of one histogram per column, and the
// choice of bin among its counts.
//
// Counts come in groups of kBinGroup bins: callers keep every array a whole
// number of groups long (bins they do not use stay at zero) and aligned to
// kCountAlignment bytes. Column counts are bytes; window counts are bytes
// for windows of up to 255 samples and 16-bit words, which must stay below
// 2^15, for larger ones.
inline constexpr std::int32_t kBinGroup = 64;
inline constexpr std::int32_t kMaxBinGroups = 4;
inline constexpr std::size_t kCountAlignment = 32;

// Adds the entering column's counts to the window's and takes away the
// leaving column's, then returns the window's fullest bin: the lowest bin
// among those holding the largest count, as a scan from bin 0 that keeps
// only a strictly larger count finds it. Uses the widest vector instructions
// this processor has.
std::int32_t SlideWindowCounts(std::uint8_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                               std::int32_t groups);
std::int32_t SlideWindowCounts(std::uint16_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                               std::int32_t groups);

// One bin at a time: the reference for the above.
template <typename Count>
std::int32_t SlideWindowCountsScalar(Count* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                                     std::int32_t groups) {
    std::int32_t fullest = 0;
    for (std::int32_t bin = 0; bin < groups * kBinGroup; ++bin) {
        window[bin] = static_cast<Count>(window[bin] + entering[bin] - leaving[bin]);
        if (window[bin] > window[fullest]) fullest = bin;
    }
    return fullest;
}
