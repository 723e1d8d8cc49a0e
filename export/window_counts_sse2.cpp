// SSE2 variants of SlideWindowCounts: part of every x86-64 processor.

#include <emmintrin.h>

#include "export/window_counts_scan.h"
#include "export/window_counts_spread.h"
#include "export/window_counts_variants.h"

namespace {

__m128i Load(const void* at) { return _mm_load_si128(static_cast<const __m128i*>(at)); }
void Store(void* at, __m128i value) { _mm_store_si128(static_cast<__m128i*>(at), value); }
std::uint64_t Bits(int mask) { return static_cast<std::uint16_t>(mask); }

struct ByteLanes {
    using Count = std::uint8_t;
    using Block = __m128i;
    static constexpr std::int32_t kBins = 16;

    static Block Zero() { return _mm_setzero_si128(); }
    static Block Slide(Count* window, const std::uint8_t* entering, const std::uint8_t* leaving) {
        const Block counts = _mm_sub_epi8(_mm_add_epi8(Load(window), Load(entering)), Load(leaving));
        Store(window, counts);
        return counts;
    }
    static Block Max(Block a, Block b) { return _mm_max_epu8(a, b); }
    static Block Spread(Block largest) { return SpreadLargestBytes(largest); }
    static std::uint64_t EqualBits(Block counts, Block largest) {
        return Bits(_mm_movemask_epi8(_mm_cmpeq_epi8(counts, largest)));
    }
};

// 16 bins of 16-bit counts: two vectors, the column counts widened to match.
// Compared as signed: hence counts below 2^15.
struct WordLanes {
    using Count = std::uint16_t;
    struct Block {
        __m128i low;
        __m128i high;
    };
    static constexpr std::int32_t kBins = 16;

    static Block Zero() { return {_mm_setzero_si128(), _mm_setzero_si128()}; }
    static Block Slide(Count* window, const std::uint8_t* entering, const std::uint8_t* leaving) {
        const __m128i zero = _mm_setzero_si128();
        const __m128i in = Load(entering);
        const __m128i out = Load(leaving);
        const Block counts{
            _mm_sub_epi16(_mm_add_epi16(Load(window), _mm_unpacklo_epi8(in, zero)), _mm_unpacklo_epi8(out, zero)),
            _mm_sub_epi16(_mm_add_epi16(Load(window + 8), _mm_unpackhi_epi8(in, zero)), _mm_unpackhi_epi8(out, zero))};
        Store(window, counts.low);
        Store(window + 8, counts.high);
        return counts;
    }
    static Block Max(Block a, Block b) { return {_mm_max_epi16(a.low, b.low), _mm_max_epi16(a.high, b.high)}; }
    static Block Spread(Block largest) {
        const __m128i all = SpreadLargestWords(_mm_max_epi16(largest.low, largest.high));
        return {all, all};
    }
    // Two vectors of lane masks packed into one of byte masks.
    static std::uint64_t EqualBits(Block counts, Block largest) {
        return Bits(_mm_movemask_epi8(
            _mm_packs_epi16(_mm_cmpeq_epi16(counts.low, largest.low), _mm_cmpeq_epi16(counts.high, largest.high))));
    }
};

}  // namespace

std::int32_t SlideWindowCountsSse2(std::uint8_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                                   std::int32_t groups) {
    return SlideAndChoose<ByteLanes>(window, entering, leaving, groups);
}

std::int32_t SlideWindowCountsSse2(std::uint16_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                                   std::int32_t groups) {
    return SlideAndChoose<WordLanes>(window, entering, leaving, groups);
}
