#include "export/window_counts.h"

#include "export/window_counts_variants.h"

#if defined(FLORWASH_X86_WINDOW_COUNTS)
bool HasAvx2() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2");
}
#endif

namespace {

template <typename Count>
using Slide = std::int32_t (*)(Count*, const std::uint8_t*, const std::uint8_t*, std::int32_t);

// The variant for this processor, chosen once.
template <typename Count>
Slide<Count> ChosenSlide() {
#if defined(FLORWASH_X86_WINDOW_COUNTS)
    static const Slide<Count> chosen =
        HasAvx2() ? Slide<Count>{SlideWindowCountsAvx2} : Slide<Count>{SlideWindowCountsSse2};
#else
    static const Slide<Count> chosen = SlideWindowCountsScalar<Count>;
#endif
    return chosen;
}

}  // namespace

std::int32_t SlideWindowCounts(std::uint8_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                               std::int32_t groups) {
    return ChosenSlide<std::uint8_t>()(window, entering, leaving, groups);
}

std::int32_t SlideWindowCounts(std::uint16_t* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                               std::int32_t groups) {
    return ChosenSlide<std::uint16_t>()(window, entering, leaving, groups);
}
