#pragma once

// Which palette entries can be the nearest one somewhere in a box of colours.
// The nearest entry to a colour is the lowest index among the entries at the
// smallest squared Blue/Green/Red distance (Alpha plays no part). In the
// lists below every entry carries its palette index in Alpha and the entries
// are in index order.

#include <algorithm>
#include <cstdint>

#include "bitmap/pixel.h"

// The colours whose Blue, Green and Red each lie in low ... low + span - 1.
struct ColorBox {
    int lowBlue;
    int lowGreen;
    int lowRed;
    int span;
};

// Writes to out, in order, the entries of from (count of them) that can be
// the nearest entry to some colour of box, and returns how many. Provided
// from holds every entry that can be nearest in box, every entry that is
// nearest to a colour of box is written. Two exact tests drop the others: an
// entry whose least distance to the box exceeds the greatest distance of
// another, and an entry that another beats at every colour of the box.
std::int32_t CandidatesInBox(const Pixel* from, std::int32_t count, ColorBox box, Pixel* out);

// The palette index of the nearest of the count (at least 1) entries at list.
// Branch-free: the least of distance x 256 + index is the smallest distance
// with the lowest index. A scan that branches on each comparison mispredicts
// on almost every pixel of a photograph.
inline std::uint8_t NearestInList(const Pixel* list, std::int32_t count, Pixel pixel) {
    std::uint32_t best = 0xFFFFFFFF;
    for (std::int32_t i = 0; i < count; ++i) {
        const int blue = list[i].Blue - pixel.Blue;
        const int green = list[i].Green - pixel.Green;
        const int red = list[i].Red - pixel.Red;
        const auto distance = static_cast<std::uint32_t>(blue * blue + green * green + red * red);
        best = std::min(best, distance << 8 | list[i].Alpha);
    }
    return static_cast<std::uint8_t>(best);
}

// True when one entry of list is the nearest to every colour of box, which is
// then stored in index. list must hold every entry that can be nearest in box.
bool SingleNearestInBox(const Pixel* list, std::int32_t count, ColorBox box, std::uint8_t& index);
