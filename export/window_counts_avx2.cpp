// AVX2 variants of SlideWindowCounts. This file alone is compiled for AVX2
// and is called only after HasAvx2(); it uses no function with external
// linkage from elsewhere, so no AVX2 code can take the place of a function
// other files share.

#include <immintrin.h>

#include "export/window_counts_scan.h"
#include "export/window_counts_spread.h"
#include "export/window_counts_variants.h"

namespace {

__m128i Load128(const void* at) { return _mm_load_si128(static_cast<const __m128i*>(at)); }
__m256i Load(const void* at) { return _mm256_load_si256(static_cast<const __m256i*>(at)); }
void Store(void* at, __m256i value) { _mm256_store_si256(static_cast<__m256i*>(at), value); }
std::uint64_t Bits(int mask) { return static_cast<std::uint32_t>(mask); }

struct ByteLanes {
    using Count = std::uint8_t;
    using Block = __m256i;
    static constexpr std::int32_t kBins = 32;

    static Block Zero() { return _mm256_setzero_si256(); }
    static Block Slide(Count* window, const std::uint8_t* entering, const std::uint8_t* leaving) {
        const Block counts = _mm256_sub_epi8(_mm256_add_epi8(Load(window), Load(entering)), Load(leaving));
        Store(window, counts);
        return counts;
    }
    static Block Max(Block a, Block b) { return _mm256_max_epu8(a, b); }
    static Block Spread(Block largest) {
        const __m128i halves = _mm_max_epu8(_mm256_castsi256_si128(largest), _mm256_extracti128_si256(largest, 1));
        return _mm256_broadcastsi128_si256(SpreadLargestBytes(halves));
    }
    static std::uint64_t EqualBits(Block counts, Block largest) {
        return Bits(_mm256_movemask_epi8(_mm256_cmpeq_epi8(counts, largest)));
    }
};

// 32 bins of 16-bit counts: two vectors, the column counts widened to match.
// Compared as signed: hence counts below 2^15.
struct WordLanes {
    using Count = std::uint16_t;
    struct Block {
        __m256i low;
        __m256i high;
    };
    static constexpr std::int32_t kBins = 32;

    static Block Zero() { return {_mm256_setzero_si256(), _mm256_setzero_si256()}; }
    static Block Slide(Count* window, const std::uint8_t* entering, const std::uint8_t* leaving) {
        const Block counts{
            _mm256_sub_epi16(_mm256_add_epi16(Load(window), _mm256_cvtepu8_epi16(Load128(entering))),
                             _mm256_cvtepu8_epi16(Load128(leaving))),
            _mm256_sub_epi16(_mm256_add_epi16(Load(window + 16), _mm256_cvtepu8_epi16(Load128(entering + 16))),
                             _mm256_cvtepu8_epi16(Load128(leaving + 16)))};
        Store(window, counts.low);
        Store(window + 16, counts.high);
        return counts;
    }
    static Block Max(Block a, Block b) { return {_mm256_max_epi16(a.low, b.low), _mm256_max_epi16(a.high, b.high)}; }
    static Block Spread(Block largest) {
        const __m256i both = _mm256_max_epi16(largest.low, largest.high);
        const __m128i halves = _mm_max_epi16(_mm256_castsi256_si128(both), _mm256_extracti128_si256(both, 1));
        const __m256i all = _mm256_broadcastsi128_si256(SpreadLargestWords(halves));
        return {all, all};
    }
    // Packing works within 128-bit halves; the permutation puts the 32 byte
    // masks back in bin order.
    static std::uint64_t EqualBits(Block counts, Block largest) {
        const __m256i packed = _mm256_packs_epi16(_mm256_cmpeq_epi16(counts.low, largest.low),
                                                  _mm256_cmpeq_epi16(counts.high, largest.high));
        return Bits(_mm256_movemask_epi8(_mm256_permute4x64_epi64(packed, _MM_SHUFFLE(3, 1, 2, 0))));
    }
};

}  // namespace

std::int32_t SlideWindowCountsAvx2(std::uint8_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                                   std::int32_t groups) {
    return SlideAndChoose<ByteLanes>(window, entering, leaving, groups);
}

std::int32_t SlideWindowCountsAvx2(std::uint16_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                                   std::int32_t groups) {
    return SlideAndChoose<WordLanes>(window, entering, leaving, groups);
}
