#pragma once

// The one loop behind every vector variant of SlideWindowCounts, for the
// files that build them, each compiled for its own instruction set. Lanes
// describes a variant: its count type, a Block of counts for kBins bins and
// the operations on blocks. Everything here has internal linkage, so no
// function compiled for one instruction set can stand in for another's.

#include <cstdint>

#include "export/window_counts.h"

namespace {

// Lanes::Slide moves a block of the window's counts by the columns' counts,
// stores it and returns it; Max keeps the larger lane of each pair; Spread
// puts the largest lane of a block into all its lanes; EqualBits gives one
// bit per bin, from the lowest, set where the counts equal largest.
template <typename Lanes>
std::int32_t SlideAndChoose(typename Lanes::Count* window, const std::uint8_t* entering, const std::uint8_t* leaving,
                            std::int32_t groups) {
    constexpr std::int32_t kBlocksPerGroup = kBinGroup / Lanes::kBins;
    typename Lanes::Block blocks[kMaxBinGroups * kBlocksPerGroup];
    typename Lanes::Block largest = Lanes::Zero();
    for (std::int32_t block = 0; block < groups * kBlocksPerGroup; ++block) {
        const std::int32_t bin = block * Lanes::kBins;
        blocks[block] = Lanes::Slide(window + bin, entering + bin, leaving + bin);
        largest = Lanes::Max(largest, blocks[block]);
    }
    largest = Lanes::Spread(largest);
    // The largest count is somewhere, so some group has a set bit.
    for (std::int32_t group = 0; group < groups; ++group) {
        std::uint64_t bits = 0;
        for (std::int32_t part = 0; part < kBlocksPerGroup; ++part) {
            bits |= Lanes::EqualBits(blocks[group * kBlocksPerGroup + part], largest) << (part * Lanes::kBins);
        }
        if (bits != 0) return group * kBinGroup + __builtin_ctzll(bits);
    }
    return 0;
}

}  // namespace
