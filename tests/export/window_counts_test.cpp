#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "export/window_counts.h"
#include "export/window_counts_variants.h"

namespace {

template <typename Count>
using Slide = std::int32_t (*)(Count*, const std::uint8_t*, const std::uint8_t*, std::int32_t);

template <typename Count>
struct alignas(kCountAlignment) Counts {
    Count of[kMaxBinGroups * kBinGroup];
};
struct alignas(kCountAlignment) ColumnCounts {
    std::uint8_t of[kMaxBinGroups * kBinGroup];
};

// Every variant this processor runs, by name; the dispatching entry point too.
template <typename Count>
std::vector<std::pair<const char*, Slide<Count>>> Variants() {
    std::vector<std::pair<const char*, Slide<Count>>> variants{{"dispatched", Slide<Count>{SlideWindowCounts}}};
#if defined(FLORWASH_X86_WINDOW_COUNTS)
    variants.emplace_back("SSE2", Slide<Count>{SlideWindowCountsSse2});
    if (HasAvx2()) variants.emplace_back("AVX2", Slide<Count>{SlideWindowCountsAvx2});
#endif
    return variants;
}

// Random windows slid by random columns, with few distinct counts so ties
// for the largest count are common, in every group and at both ends.
template <typename Count>
void ExpectVariantsMatchTheReference(int largestCount) {
    std::mt19937 random(17);
    for (const auto& [name, slide] : Variants<Count>()) {
        for (std::int32_t groups = 1; groups <= kMaxBinGroups; ++groups) {
            for (int trial = 0; trial < 2000; ++trial) {
                SCOPED_TRACE(testing::Message() << name << ", " << groups << " groups, trial " << trial);
                Counts<Count> window{};
                ColumnCounts entering{};
                ColumnCounts leaving{};
                const std::int32_t bins = groups * kBinGroup;
                const int spread = 1 + static_cast<int>(random() % 4);
                for (std::int32_t bin = 0; bin < bins; ++bin) {
                    const int draw = static_cast<int>(random() % static_cast<unsigned>(spread + 1));
                    leaving.of[bin] = static_cast<std::uint8_t>(random() % 3);
                    entering.of[bin] = static_cast<std::uint8_t>(random() % 3);
                    window.of[bin] = static_cast<Count>(largestCount - 2 - draw + leaving.of[bin]);
                }
                if (trial % 7 == 0) window.of[bins - 1] = static_cast<Count>(largestCount - 2 + leaving.of[bins - 1]);
                Counts<Count> expected = window;
                const std::int32_t expectedBin = SlideWindowCountsScalar(expected.of, entering.of, leaving.of, groups);
                ASSERT_EQ(slide(window.of, entering.of, leaving.of, groups), expectedBin);
                ASSERT_EQ(std::memcmp(window.of, expected.of, sizeof window.of), 0);
            }
        }
    }
}

TEST(WindowCounts, ByteCountsMatchTheReference) { ExpectVariantsMatchTheReference<std::uint8_t>(255); }

TEST(WindowCounts, WordCountsMatchTheReference) { ExpectVariantsMatchTheReference<std::uint16_t>(10201); }

TEST(WindowCounts, AllEqualCountsChooseBinZero) {
    for (const auto& [name, slide] : Variants<std::uint8_t>()) {
        Counts<std::uint8_t> window{};
        ColumnCounts none{};
        EXPECT_EQ(slide(window.of, none.of, none.of, kMaxBinGroups), 0) << name;
    }
}

}  // namespace
