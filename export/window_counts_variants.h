#pragma once

// Each vector variant behind SlideWindowCounts, so tests can hold every one
// this processor runs against the scalar reference.

#include <cstdint>

#if defined(__x86_64__)
#define FLORWASH_X86_WINDOW_COUNTS 1

std::int32_t SlideWindowCountsSse2(std::uint8_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                                   std::int32_t groups);
std::int32_t SlideWindowCountsSse2(std::uint16_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                                   std::int32_t groups);
std::int32_t SlideWindowCountsAvx2(std::uint8_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                                   std::int32_t groups);
std::int32_t SlideWindowCountsAvx2(std::uint16_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                                   std::int32_t groups);

// Whether this processor runs the AVX2 variants.
bool HasAvx2();
#endif
