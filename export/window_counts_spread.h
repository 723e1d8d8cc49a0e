#pragma once

// Spreading the largest lane of a 128-bit vector to all its lanes, for the
// vector variants of SlideWindowCounts. Internal linkage, as in
// window_counts_scan.h.

#include <emmintrin.h>

namespace {

__m128i SpreadLargestBytes(__m128i value) {
    value = _mm_max_epu8(value, _mm_shuffle_epi32(value, _MM_SHUFFLE(1, 0, 3, 2)));
    value = _mm_max_epu8(value, _mm_shuffle_epi32(value, _MM_SHUFFLE(2, 3, 0, 1)));
    value = _mm_max_epu8(
        value, _mm_shufflehi_epi16(_mm_shufflelo_epi16(value, _MM_SHUFFLE(2, 3, 0, 1)), _MM_SHUFFLE(2, 3, 0, 1)));
    return _mm_max_epu8(value, _mm_or_si128(_mm_slli_epi16(value, 8), _mm_srli_epi16(value, 8)));
}

// 16-bit lanes, compared as signed.
__m128i SpreadLargestWords(__m128i value) {
    value = _mm_max_epi16(value, _mm_shuffle_epi32(value, _MM_SHUFFLE(1, 0, 3, 2)));
    value = _mm_max_epi16(value, _mm_shuffle_epi32(value, _MM_SHUFFLE(2, 3, 0, 1)));
    return _mm_max_epi16(
        value, _mm_shufflehi_epi16(_mm_shufflelo_epi16(value, _MM_SHUFFLE(2, 3, 0, 1)), _MM_SHUFFLE(2, 3, 0, 1)));
}

}  // namespace
