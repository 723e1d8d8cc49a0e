#include "bitmap/nearest_color_search.h"

#include <algorithm>
#include <new>

#include "bitmap/bmp_image.h"

namespace {

constexpr std::uint32_t kUnbuilt = 0xFFFFFFFF;
constexpr int kCellBits = 5;  // 32 cells per channel
constexpr int kCellShift = 8 - kCellBits;
constexpr int kCellSpan = 1 << kCellShift;  // 8 channel values per cell
constexpr std::uint32_t kCellCount = 1u << (3 * kCellBits);
// Below this many entries a full scan is as quick as a cell look-up.
constexpr std::int32_t kCellsFrom = 17;

int Squared(int value) { return value * value; }

std::int32_t Distance(Pixel a, Pixel b) {
    return Squared(a.Blue - b.Blue) + Squared(a.Green - b.Green) + Squared(a.Red - b.Red);
}

std::uint32_t ColorKey(Pixel pixel) {
    return pixel.Blue | std::uint32_t{pixel.Green} << 8 | std::uint32_t{pixel.Red} << 16;
}

std::uint32_t CellOf(Pixel pixel) {
    return std::uint32_t{pixel.Blue} >> kCellShift |
           (std::uint32_t{pixel.Green} >> kCellShift) << kCellBits |
           (std::uint32_t{pixel.Red} >> kCellShift) << (2 * kCellBits);
}

// Least and greatest squared distance from value to the interval [low, low + span).
int LeastSquared(int value, int low) {
    const int high = low + kCellSpan - 1;
    return value < low ? Squared(low - value) : value > high ? Squared(value - high) : 0;
}

int GreatestSquared(int value, int low) {
    const int high = low + kCellSpan - 1;
    return Squared(std::max(value - low, high - value));
}

}  // namespace

std::uint8_t ScanForNearest(const Pixel* entries, std::int32_t count, Pixel pixel) {
    // The start value exceeds the largest distance, 3 x 255^2, so entry 0
    // always becomes the first best. Strictly smaller: ties keep the lower index.
    std::int32_t best = 999999;
    std::uint8_t result = 0;
    for (std::int32_t k = 0; k < count; ++k) {
        const std::int32_t distance = Distance(entries[k], pixel);
        if (distance < best) {
            best = distance;
            result = static_cast<std::uint8_t>(k);
            if (best == 0) {
                break;
            }
        }
    }
    return result;
}

std::uint8_t BMPImage::NearestPaletteIndex(Pixel pixel) const {
    // Without a palette every entry reads as white, and the first of equal
    // entries wins: the answer is 0.
    if (!HasPalette()) {
        return 0;
    }
    Pixel table[256];
    const std::int32_t count = ColorCount();
    for (std::int32_t k = 0; k < count; ++k) {
        table[k] = PaletteColor(k);
    }
    return ScanForNearest(table, count, pixel);
}

NearestColorSearch::NearestColorSearch(const BMPImage& image) {
    count = image.Depth() == 1 || image.Depth() == 4 || image.Depth() == 8 ? image.ColorCount() : 0;
    for (std::int32_t k = 0; k < count; ++k) {
        entries[k] = image.PaletteColor(k);
    }
    if (count >= kCellsFrom) {
        try {
            cellStart.assign(kCellCount, kUnbuilt);
            cellLength.assign(kCellCount, 0);
            useCells = true;
        } catch (const std::bad_alloc&) {
            useCells = false;  // a full scan gives the same answers, only slower
        }
    }
}

std::uint8_t NearestColorSearch::Find(Pixel pixel) {
    const std::uint32_t key = ColorKey(pixel);
    if (key == lastColor) {
        return lastIndex;
    }
    std::uint8_t index = 0;
    const std::uint32_t cell = CellOf(pixel);
    if (useCells && cellStart[cell] == kUnbuilt) {
        BuildCell(cell);
    }
    if (useCells) {
        Pixel shortList[256];
        const std::uint8_t* list = candidates.data() + cellStart[cell];
        const std::int32_t length = cellLength[cell];
        for (std::int32_t i = 0; i < length; ++i) {
            shortList[i] = entries[list[i]];
        }
        index = list[ScanForNearest(shortList, length, pixel)];
    } else {
        index = ScanForNearest(entries, count, pixel);
    }
    lastColor = key;
    lastIndex = index;
    return index;
}

void NearestColorSearch::BuildCell(std::uint32_t cell) {
    const int lowBlue = static_cast<int>(cell & ((1u << kCellBits) - 1)) << kCellShift;
    const int lowGreen = static_cast<int>(cell >> kCellBits & ((1u << kCellBits) - 1)) << kCellShift;
    const int lowRed = static_cast<int>(cell >> (2 * kCellBits)) << kCellShift;
    int least[256];
    int bound = 999999;
    for (std::int32_t k = 0; k < count; ++k) {
        const Pixel e = entries[k];
        least[k] = LeastSquared(e.Blue, lowBlue) + LeastSquared(e.Green, lowGreen) +
                   LeastSquared(e.Red, lowRed);
        bound = std::min(bound, GreatestSquared(e.Blue, lowBlue) +
                                    GreatestSquared(e.Green, lowGreen) +
                                    GreatestSquared(e.Red, lowRed));
    }
    try {
        const auto start = static_cast<std::uint32_t>(candidates.size());
        for (std::int32_t k = 0; k < count; ++k) {
            if (least[k] <= bound) {
                candidates.push_back(static_cast<std::uint8_t>(k));
            }
        }
        cellStart[cell] = start;
        cellLength[cell] = static_cast<std::uint16_t>(candidates.size() - start);
    } catch (const std::bad_alloc&) {
        useCells = false;
    }
}
