#include "bitmap/nearest_color_search.h"

#include <algorithm>
#include <new>

#include "bitmap/bmp_image.h"
#include "bitmap/palette_candidates.h"

namespace {

constexpr int kCellShift = 2;  // cells of 4 x 4 x 4 colours
constexpr int kCellBits = 8 - kCellShift;
constexpr int kBlockShift = 5;  // blocks of 32 x 32 x 32
constexpr int kLengthBits = 9;  // list lengths 1 ... 256
constexpr std::uint32_t kLengthMask = (1u << kLengthBits) - 1;
// Marks a cell word that holds the one entry of a cell rather than a list.
constexpr std::uint32_t kUniform = 0x80000000u;
// List starts must stay below kUniform >> kLengthBits; 16 MiB of lists.
constexpr std::size_t kMaxListEntries = std::size_t{1} << 22;
// Pixels per pass of FindRow.
constexpr std::int32_t kChunk = 256;

int Squared(int value) { return value * value; }

std::int32_t Distance(Pixel a, Pixel b) {
    return Squared(a.Blue - b.Blue) + Squared(a.Green - b.Green) + Squared(a.Red - b.Red);
}

template <int Shift>
std::uint32_t BoxOf(Pixel pixel) {
    constexpr int kBits = 8 - Shift;
    return std::uint32_t{pixel.Blue} >> Shift | (std::uint32_t{pixel.Green} >> Shift) << kBits |
           (std::uint32_t{pixel.Red} >> Shift) << (2 * kBits);
}

template <int Shift>
ColorBox BoxAround(Pixel pixel) {
    return ColorBox{pixel.Blue >> Shift << Shift, pixel.Green >> Shift << Shift, pixel.Red >> Shift << Shift,
                    1 << Shift};
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
    const bool indexed = image.Depth() == 1 || image.Depth() == 4 || image.Depth() == 8;
    const std::int32_t count = indexed ? image.ColorCount() : 0;
    for (std::int32_t k = 0; k < count; ++k) {
        Pixel entry = image.PaletteColor(k);
        entry.Alpha = static_cast<std::uint8_t>(k);
        Pixel* const end = distinct + distinctCount;
        if (std::find_if(distinct, end, [entry](Pixel e) { return Distance(e, entry) == 0; }) == end) {
            distinct[distinctCount++] = entry;
        }
    }
    if (distinctCount > 0) {
        cells = AllocateZeroedScratch<std::uint32_t>(std::size_t{1} << (3 * kCellBits));
        // Without the cells a full scan gives the same answers, only slower.
        useCells = cells != nullptr;
    }
}

std::uint8_t NearestColorSearch::FindByScan(Pixel pixel) const {
    // Without a palette (distinctCount 0) the answer is 0, as NearestPaletteIndex says.
    return distinctCount == 0 ? 0 : distinct[ScanForNearest(distinct, distinctCount, pixel)].Alpha;
}

void NearestColorSearch::FindRow(const Pixel* pixels, std::int32_t count, std::uint8_t* indices) {
    std::int32_t start = 0;
    for (; start < count && useCells; start += kChunk) {
        const std::int32_t end = std::min(count, start + kChunk);
        // First pass: every answer from a cell with one entry is final; the
        // others are noted, without a branch on which kind of cell it was.
        std::uint16_t waiting[kChunk];
        std::uint32_t waitingWord[kChunk];
        std::int32_t waitingCount = 0;
        // Local copies: the stores to indices could alias the members.
        std::uint32_t* const table = cells.get();
        for (std::int32_t i = start; i < end; ++i) {
            std::uint32_t& cell = table[BoxOf<kCellShift>(pixels[i])];
            if (cell == 0) {
                cell = BuildCell(pixels[i]);
                useCells = cell != 0;
            }
            const std::uint32_t word = cell;
            indices[i] = static_cast<std::uint8_t>(word);
            waiting[waitingCount] = static_cast<std::uint16_t>(i - start);
            waitingWord[waitingCount] = word;
            waitingCount += (word & kUniform) == 0 ? 1 : 0;
        }
        const Pixel* const listStore = lists.data();
        for (std::int32_t w = 0; w < waitingCount; ++w) {
            const std::int32_t i = start + waiting[w];
            const std::uint32_t word = waitingWord[w];
            const auto length = static_cast<std::int32_t>(word & kLengthMask);
            // A word of 0: the cells were given up, out of memory, while
            // building this one.
            indices[i] = length == 0 ? FindByScan(pixels[i])
                                     : NearestInList(listStore + (word >> kLengthBits), length, pixels[i]);
        }
    }
    // Whatever the cells could not do, without a palette or memory for them.
    for (std::int32_t i = start; i < count; ++i) {
        indices[i] = FindByScan(pixels[i]);
    }
}

std::uint32_t NearestColorSearch::BuildCell(Pixel pixel) {
    const std::uint32_t block = BlockList(pixel);
    if (block == 0) {
        return 0;
    }
    // Every entry that can be nearest in the cell can be nearest in its block.
    Pixel blockList[256];
    const auto blockCount = static_cast<std::int32_t>(block & kLengthMask);
    std::copy_n(lists.data() + (block >> kLengthBits), blockCount, blockList);
    Pixel list[256];
    const ColorBox box = BoxAround<kCellShift>(pixel);
    const std::int32_t count = CandidatesInBox(blockList, blockCount, box, list);
    std::uint8_t index = 0;
    if (SingleNearestInBox(list, count, box, index)) {
        return kUniform | index;
    }
    return StoreList(list, count);
}

std::uint32_t NearestColorSearch::BlockList(Pixel pixel) {
    std::uint32_t& word = blocks[BoxOf<kBlockShift>(pixel)];
    if (word == 0) {
        Pixel list[256];
        word = StoreList(list, CandidatesInBox(distinct, distinctCount, BoxAround<kBlockShift>(pixel), list));
    }
    return word;
}

std::uint32_t NearestColorSearch::StoreList(const Pixel* list, std::int32_t count) {
    const std::size_t start = lists.size();
    if (start + static_cast<std::size_t>(count) > kMaxListEntries) {
        return 0;
    }
    try {
        lists.insert(lists.end(), list, list + count);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return static_cast<std::uint32_t>(start) << kLengthBits | static_cast<std::uint32_t>(count);
}
