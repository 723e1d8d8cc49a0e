#include "bitmap/palette_candidates.h"

#include <algorithm>

namespace {

int Squared(int value) { return value * value; }

int High(int low, const ColorBox& box) { return low + box.span - 1; }

// Least and greatest squared distance from value to low ... high.
int LeastSquared(int value, int low, int high) { return Squared(std::max({low - value, value - high, 0})); }
int GreatestSquared(int value, int low, int high) { return Squared(std::max(value - low, high - value)); }

int LeastDistance(Pixel e, const ColorBox& box) {
    return LeastSquared(e.Blue, box.lowBlue, High(box.lowBlue, box)) +
           LeastSquared(e.Green, box.lowGreen, High(box.lowGreen, box)) +
           LeastSquared(e.Red, box.lowRed, High(box.lowRed, box));
}

int GreatestDistance(Pixel e, const ColorBox& box) {
    return GreatestSquared(e.Blue, box.lowBlue, High(box.lowBlue, box)) +
           GreatestSquared(e.Green, box.lowGreen, High(box.lowGreen, box)) +
           GreatestSquared(e.Red, box.lowRed, High(box.lowRed, box));
}

// The least over the box of distance(x, a) - distance(x, b). The difference is
// linear in x, channel by channel a² - b² - 2x(a - b), so each channel takes
// its least at one end of the box.
int LeastAdvantage(Pixel a, Pixel b, const ColorBox& box) {
    const auto channel = [&box](int ac, int bc, int low) {
        const int x = ac > bc ? High(low, box) : low;
        return ac * ac - bc * bc - 2 * x * (ac - bc);
    };
    return channel(a.Blue, b.Blue, box.lowBlue) + channel(a.Green, b.Green, box.lowGreen) +
           channel(a.Red, b.Red, box.lowRed);
}

// True when b is chosen over a at every colour of the box: b is nearer
// everywhere, or never farther and earlier in the palette (ties keep the lower
// index).
bool BeatenEverywhere(Pixel a, Pixel b, const ColorBox& box) {
    const int advantage = LeastAdvantage(a, b, box);
    return advantage > 0 || (advantage == 0 && b.Alpha < a.Alpha);
}

Pixel Corner(const ColorBox& box, int corner) {
    const auto end = [&box, corner](int low, int bit) {
        return static_cast<std::uint8_t>(corner & bit ? High(low, box) : low);
    };
    return Pixel{end(box.lowBlue, 1), end(box.lowGreen, 2), end(box.lowRed, 4), 0};
}

}  // namespace

std::int32_t CandidatesInBox(const Pixel* from, std::int32_t count, ColorBox box, Pixel* out) {
    // First the cheap test against the best greatest distance, over the whole
    // list; then the pairwise test among the few that remain.
    int bound = 999999;
    for (std::int32_t k = 0; k < count; ++k) {
        bound = std::min(bound, GreatestDistance(from[k], box));
    }
    Pixel near[256];
    std::int32_t nearCount = 0;
    for (std::int32_t k = 0; k < count; ++k) {
        if (LeastDistance(from[k], box) <= bound) {
            near[nearCount++] = from[k];
        }
    }
    std::int32_t written = 0;
    for (std::int32_t a = 0; a < nearCount; ++a) {
        bool beaten = false;
        for (std::int32_t b = 0; b < nearCount && !beaten; ++b) {
            beaten = b != a && BeatenEverywhere(near[a], near[b], box);
        }
        if (!beaten) {
            out[written++] = near[a];
        }
    }
    return written;
}

bool SingleNearestInBox(const Pixel* list, std::int32_t count, ColorBox box, std::uint8_t& index) {
    // The colours an entry wins are an intersection of half-spaces (nearer
    // than each earlier entry, no farther than each later one), so a convex
    // set; every colour of the box is a convex combination of its corners.
    // When all eight corners choose one entry, so does the whole box.
    const std::uint8_t first = NearestInList(list, count, Corner(box, 0));
    for (int corner = 1; corner < 8; ++corner) {
        if (NearestInList(list, count, Corner(box, corner)) != first) {
            return false;
        }
    }
    index = first;
    return true;
}
