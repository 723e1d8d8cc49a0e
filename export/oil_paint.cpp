#include "export/oil_paint.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "export/intensity_constants.h"
#include "platform/pixel_allocation.h"
#include "platform/scratch_array.h"

namespace {

constexpr std::int32_t kMaxBins = 256;
constexpr std::int32_t kMaxSum = 3 * 255;

bool ValidSettings(const HistogramPaintSettings& settings) {
    return settings.radius >= 1 && settings.radius <= kMaxPaintRadius && settings.bins >= 1 &&
           settings.bins <= kMaxBins && settings.scale >= 0 && std::isfinite(settings.scale);
}

// Bin of every possible R + G + B. The product is formed in the filter's fixed
// order; comparing before the conversion keeps huge products defined, and
// gives the same bin as truncating first and capping after.
struct BinTable {
    explicit BinTable(const HistogramPaintSettings& settings) {
        for (std::int32_t sum = 0; sum <= kMaxSum; ++sum) {
            const double value = static_cast<double>(sum) * kThird * settings.scale * kInverse255;
            bin[sum] = static_cast<std::uint8_t>(value >= settings.bins - 1 ? settings.bins - 1
                                                                            : static_cast<std::int32_t>(value));
        }
    }
    std::uint8_t operator()(const Pixel& pixel) const { return bin[pixel.Red + pixel.Green + pixel.Blue]; }

    std::uint8_t bin[kMaxSum + 1];
};

// A bin's sample count and colour sums, as 32-bit fields.
struct alignas(16) WideTotal {
    std::int32_t count;
    std::int32_t blue;
    std::int32_t green;
    std::int32_t red;

    void Add(const Pixel& pixel) {
        count += 1;
        blue += pixel.Blue;
        green += pixel.Green;
        red += pixel.Red;
    }
    void Remove(const Pixel& pixel) {
        count -= 1;
        blue -= pixel.Blue;
        green -= pixel.Green;
        red -= pixel.Red;
    }
    void Exchange(const Pixel& leaving, const Pixel& entering) {
        blue += entering.Blue - leaving.Blue;
        green += entering.Green - leaving.Green;
        red += entering.Red - leaving.Red;
    }
    std::int32_t Count() const { return count; }
    // The mean colour into Blue, Green and Red; Alpha is kept.
    void WriteMean(Pixel& out) const {
        out.Red = static_cast<std::uint8_t>(red / count);
        out.Green = static_cast<std::uint8_t>(green / count);
        out.Blue = static_cast<std::uint8_t>(blue / count);
    }
};

// The same four values as 16-bit fields of one word, so a sample is a single
// addition. Exact while a bin's sums stay below 2^16: windows of at most 257
// samples (radius 7 and less), 257 x 255 = 65535. The fields never go
// negative, so no borrow crosses from one to the next.
struct PackedTotal {
    std::uint64_t fields;  // count, blue, green, red from the low end

    static std::uint64_t Sample(const Pixel& pixel) {
        return 1 | std::uint64_t{pixel.Blue} << 16 | std::uint64_t{pixel.Green} << 32 | std::uint64_t{pixel.Red} << 48;
    }
    void Add(const Pixel& pixel) { fields += Sample(pixel); }
    void Remove(const Pixel& pixel) { fields -= Sample(pixel); }
    void Exchange(const Pixel& leaving, const Pixel& entering) { fields = fields - Sample(leaving) + Sample(entering); }
    std::int32_t Count() const { return static_cast<std::int32_t>(fields & 0xFFFF); }
    void WriteMean(Pixel& out) const {
        // 32-bit divisions: a 64-bit one costs several times as much.
        const auto count = static_cast<std::uint32_t>(fields & 0xFFFF);
        out.Red = static_cast<std::uint8_t>(static_cast<std::uint32_t>(fields >> 48) / count);
        out.Green = static_cast<std::uint8_t>(static_cast<std::uint32_t>(fields >> 32 & 0xFFFF) / count);
        out.Blue = static_cast<std::uint8_t>(static_cast<std::uint32_t>(fields >> 16 & 0xFFFF) / count);
    }
};
constexpr std::size_t kLargestPackedWindow = 257;

// A set of bins, one bit each.
struct BinSet {
    std::uint64_t words[kMaxBins / 64];

    void Insert(std::int32_t bin) { words[bin / 64] |= std::uint64_t{1} << (bin % 64); }
    void Erase(std::int32_t bin) { words[bin / 64] &= ~(std::uint64_t{1} << (bin % 64)); }
    bool Empty() const { return (words[0] | words[1] | words[2] | words[3]) == 0; }
    std::int32_t Lowest() const {
        std::int32_t word = 0;
        while (words[word] == 0) ++word;
        return word * 64 + std::countr_zero(words[word]);
    }
};

// Counts and colour sums per bin of a window that slides along a row, with,
// for every count c, the set of bins that hold exactly c samples. A sample
// moves its bin from one set to the next, the largest count moves by at most
// one, and the chosen bin is the lowest one in the set of the largest count:
// constant time, whatever the number of bins.
template <typename Total>
class SlidingHistogram {
public:
    // sets has room for one set for each count from 0 to the window's size.
    SlidingHistogram(std::int32_t binCount, BinSet* sets, std::size_t windowSize) : bins(binCount), byCount(sets) {
        std::memset(byCount, 0, sizeof(BinSet) * (windowSize + 1));
        Clear();
    }

    // Empties the window, returning every bin to count 0.
    void Clear() {
        std::memset(byCount + 1, 0, sizeof(BinSet) * static_cast<std::size_t>(highest));
        for (std::int32_t bin = 0; bin < bins; ++bin) byCount[0].Insert(bin);
        std::memset(totals, 0, sizeof totals);
        most = 0;
        highest = 0;
    }

    void Add(std::int32_t bin, const Pixel& pixel) {
        const std::int32_t count = totals[bin].Count();
        totals[bin].Add(pixel);
        byCount[count].Erase(bin);
        byCount[count + 1].Insert(bin);
        most = std::max(most, count + 1);
        highest = std::max(highest, most);
    }

    void Remove(std::int32_t bin, const Pixel& pixel) {
        const std::int32_t count = totals[bin].Count();
        totals[bin].Remove(pixel);
        byCount[count].Erase(bin);
        byCount[count - 1].Insert(bin);
        // Without a branch: which way it goes is close to a coin toss.
        most -= static_cast<std::int32_t>((count == most) & byCount[count].Empty());
    }

    // One sample of bin leaves and another of the same bin enters.
    void Exchange(std::int32_t bin, const Pixel& leaving, const Pixel& entering) {
        totals[bin].Exchange(leaving, entering);
    }

    // The lowest bin with the largest count, as a scan of all bins finds it.
    const Total& Chosen() const { return totals[byCount[most].Lowest()]; }

private:
    std::int32_t bins;
    BinSet* byCount;
    Total totals[kMaxBins];
    std::int32_t most = 0;     // the largest count
    std::int32_t highest = 0;  // the largest count since the last Clear
};

void PaintPixelLiteral(const BMPImage& source, BMPImage& destination, const HistogramPaintSettings& settings,
                       const BinTable& binOf, std::int32_t h, std::int32_t g) {
    WideTotal totals[kMaxBins] = {};
    for (std::int32_t dy = -settings.radius; dy <= settings.radius; ++dy) {
        for (std::int32_t dx = -settings.radius; dx <= settings.radius; ++dx) {
            const Pixel& sample = source.At(h + dx, g + dy);
            totals[binOf(sample)].Add(sample);
        }
    }
    // Strictly greater: among equally populated bins the lowest one wins.
    std::int32_t most = 0;
    std::int32_t chosen = 0;
    for (std::int32_t bin = 0; bin < settings.bins; ++bin) {
        if (totals[bin].count > most) {
            most = totals[bin].count;
            chosen = bin;
        }
    }
    totals[chosen].WriteMean(destination.At(h, g));
}

struct BlockDeleter {
    void operator()(void* block) const { ReleaseBlock(block); }
};

}  // namespace

void HistogramPaintLiteral(const BMPImage& source, BMPImage& destination, const HistogramPaintSettings& settings) {
    if (!ValidSettings(settings)) return;
    const BinTable binOf(settings);
    const std::int32_t width = source.Width();
    const std::int32_t height = source.Height();
    for (std::int32_t g = settings.radius; g < height - settings.radius; ++g) {
        for (std::int32_t h = settings.radius; h < width - settings.radius; ++h) {
            PaintPixelLiteral(source, destination, settings, binOf, h, g);
        }
    }
}

namespace {

// The window's rows as plain pointers, so the inner loop reads no member of
// the image (its stores to the totals could otherwise force reloads).
struct WindowRows {
    const Pixel* pixels[2 * kMaxPaintRadius + 1];
    const std::uint8_t* bins[2 * kMaxPaintRadius + 1];
};

template <typename Total>
void SlideAlongRows(const BMPImage& source, BMPImage& destination, const std::uint8_t* bins, std::int32_t binCount,
                    std::int32_t radius, BinSet* sets, std::size_t windowSize) {
    const std::int32_t width = source.Width();
    const std::int32_t height = source.Height();
    const std::int32_t span = 2 * radius + 1;
    SlidingHistogram<Total> histogram(binCount, sets, windowSize);
    WindowRows window;
    for (std::int32_t g = radius; g < height - radius; ++g) {
        for (std::int32_t i = 0; i < span; ++i) {
            window.pixels[i] = source.Row(g - radius + i);
            window.bins[i] = bins + static_cast<std::size_t>(g - radius + i) * static_cast<std::size_t>(width);
        }
        histogram.Clear();
        for (std::int32_t i = 0; i < span; ++i) {
            for (std::int32_t x = 0; x < span; ++x) histogram.Add(window.bins[i][x], window.pixels[i][x]);
        }
        Pixel* out = destination.Row(g);
        histogram.Chosen().WriteMean(out[radius]);
        for (std::int32_t h = radius + 1; h < width - radius; ++h) {
            const std::int32_t leaving = h - radius - 1;
            const std::int32_t entering = h + radius;
            // Removing first keeps every count within the window's size.
            // When both samples of a row share a bin, only its sums change.
            for (std::int32_t i = 0; i < span; ++i) {
                const std::int32_t leavingBin = window.bins[i][leaving];
                const std::int32_t enteringBin = window.bins[i][entering];
                if (leavingBin == enteringBin) {
                    histogram.Exchange(leavingBin, window.pixels[i][leaving], window.pixels[i][entering]);
                } else {
                    histogram.Remove(leavingBin, window.pixels[i][leaving]);
                    histogram.Add(enteringBin, window.pixels[i][entering]);
                }
            }
            histogram.Chosen().WriteMean(out[h]);
        }
    }
}

}  // namespace

void HistogramPaint(const BMPImage& source, BMPImage& destination, const HistogramPaintSettings& settings) {
    const std::int32_t width = source.Width();
    const std::int32_t height = source.Height();
    const std::int32_t radius = settings.radius;
    if (!ValidSettings(settings) || width <= 2 * radius || height <= 2 * radius) return;
    const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::size_t windowSize = static_cast<std::size_t>(2 * radius + 1) * static_cast<std::size_t>(2 * radius + 1);
    // A plane as large as the image: from the image allocator, for its huge pages.
    std::unique_ptr<std::uint8_t, BlockDeleter> bins(static_cast<std::uint8_t*>(AllocateBlock(pixels)));
    const ScratchArray<BinSet> sets = AllocateScratch<BinSet>(windowSize + 1);
    if (width != destination.Width() || height != destination.Height() || !bins || !sets) {
        HistogramPaintLiteral(source, destination, settings);
        return;
    }
    // Each pixel's bin, once, so sliding the window costs no arithmetic.
    const BinTable binOf(settings);
    for (std::int32_t row = 0; row < height; ++row) {
        const Pixel* in = source.Row(row);
        std::uint8_t* out = bins.get() + static_cast<std::size_t>(row) * width;
        for (std::int32_t column = 0; column < width; ++column) out[column] = binOf(in[column]);
    }
    if (windowSize <= kLargestPackedWindow) {
        SlideAlongRows<PackedTotal>(source, destination, bins.get(), settings.bins, radius, sets.get(), windowSize);
    } else {
        SlideAlongRows<WideTotal>(source, destination, bins.get(), settings.bins, radius, sets.get(), windowSize);
    }
}

bool OilPaint(const BMPImage& source, BMPImage& destination, std::int32_t radius, std::int32_t levels) {
    if (radius < kMinPaintRadius || radius > kMaxPaintRadius || levels < kMinPaintLevels || levels > kMaxPaintLevels) {
        return false;
    }
    HistogramPaint(source, destination, HistogramPaintSettings{radius, levels, static_cast<double>(levels - 1)});
    return true;
}
