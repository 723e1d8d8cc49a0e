#include "export/oil_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "export/intensity_constants.h"

namespace {

constexpr std::int32_t kMaxBins = 256;
constexpr std::int32_t kGroupSize = 16;  // bins per group of the two-level maximum
constexpr std::int32_t kMaxSum = 3 * 255;

bool ValidSettings(const HistogramPaintSettings& settings) {
    return settings.radius >= 1 && settings.bins >= 1 && settings.bins <= kMaxBins && settings.scale >= 0 &&
           std::isfinite(settings.scale);
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

struct Totals {
    std::int32_t count[kMaxBins];
    std::int32_t red[kMaxBins];
    std::int32_t green[kMaxBins];
    std::int32_t blue[kMaxBins];
};

// The chosen bin's mean colour into Blue, Green and Red; Alpha is kept.
void WriteMean(const Totals& totals, std::int32_t bin, Pixel& out) {
    const std::int32_t most = totals.count[bin];
    out.Red = static_cast<std::uint8_t>(totals.red[bin] / most);
    out.Green = static_cast<std::uint8_t>(totals.green[bin] / most);
    out.Blue = static_cast<std::uint8_t>(totals.blue[bin] / most);
}

// Counts and colour sums per bin of a window that slides along a row. The
// largest count is found through the largest count of each group of 16 bins,
// kept up to date as samples come and go, so a choice looks at 16 groups and
// 16 bins instead of every bin.
class SlidingHistogram {
public:
    explicit SlidingHistogram(std::int32_t binCount) : groups((binCount + kGroupSize - 1) / kGroupSize) { Clear(); }

    void Clear() {
        std::memset(&totals, 0, sizeof totals);
        std::fill(std::begin(groupMost), std::end(groupMost), 0);
    }

    void Add(std::int32_t bin, const Pixel& pixel) {
        const std::int32_t count = ++totals.count[bin];
        totals.red[bin] += pixel.Red;
        totals.green[bin] += pixel.Green;
        totals.blue[bin] += pixel.Blue;
        std::int32_t& most = groupMost[bin / kGroupSize];
        most = std::max(most, count);
    }

    void Remove(std::int32_t bin, const Pixel& pixel) {
        const std::int32_t count = totals.count[bin]--;
        totals.red[bin] -= pixel.Red;
        totals.green[bin] -= pixel.Green;
        totals.blue[bin] -= pixel.Blue;
        const std::int32_t group = bin / kGroupSize;
        if (groupMost[group] == count) {
            const std::int32_t* first = totals.count + group * kGroupSize;
            groupMost[group] = *std::max_element(first, first + kGroupSize);
        }
    }

    // The lowest bin with the largest count: the first group holding that
    // count, and in it the first bin, exactly what a scan of all bins finds.
    std::int32_t Chosen() const {
        const std::int32_t group = static_cast<std::int32_t>(std::max_element(groupMost, groupMost + groups) - groupMost);
        const std::int32_t* first = totals.count + group * kGroupSize;
        return group * kGroupSize + static_cast<std::int32_t>(std::find(first, first + kGroupSize, groupMost[group]) - first);
    }

    const Totals& Sums() const { return totals; }

private:
    std::int32_t groups;
    Totals totals;
    std::int32_t groupMost[kMaxBins / kGroupSize];
};

void PaintPixelLiteral(const BMPImage& source, BMPImage& destination, const HistogramPaintSettings& settings,
                       const BinTable& binOf, std::int32_t h, std::int32_t g) {
    Totals totals{};
    for (std::int32_t dy = -settings.radius; dy <= settings.radius; ++dy) {
        for (std::int32_t dx = -settings.radius; dx <= settings.radius; ++dx) {
            const Pixel& sample = source.At(h + dx, g + dy);
            const std::int32_t bin = binOf(sample);
            totals.count[bin] += 1;
            totals.red[bin] += sample.Red;
            totals.green[bin] += sample.Green;
            totals.blue[bin] += sample.Blue;
        }
    }
    // Strictly greater: among equally populated bins the lowest one wins.
    std::int32_t most = 0;
    std::int32_t chosen = 0;
    for (std::int32_t bin = 0; bin < settings.bins; ++bin) {
        if (totals.count[bin] > most) {
            most = totals.count[bin];
            chosen = bin;
        }
    }
    WriteMean(totals, chosen, destination.At(h, g));
}

struct FreeDeleter {
    void operator()(void* block) const { std::free(block); }
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

void HistogramPaint(const BMPImage& source, BMPImage& destination, const HistogramPaintSettings& settings) {
    const std::int32_t width = source.Width();
    const std::int32_t height = source.Height();
    const std::int32_t radius = settings.radius;
    if (!ValidSettings(settings) || width <= 2 * radius || height <= 2 * radius) return;
    const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::unique_ptr<std::uint8_t, FreeDeleter> bins(static_cast<std::uint8_t*>(std::malloc(pixels)));
    if (width != destination.Width() || height != destination.Height() || !bins) {
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
    auto binAt = [&](std::int32_t column, std::int32_t row) {
        return bins.get()[static_cast<std::size_t>(row) * width + column];
    };
    SlidingHistogram histogram(settings.bins);
    for (std::int32_t g = radius; g < height - radius; ++g) {
        histogram.Clear();
        for (std::int32_t y = g - radius; y <= g + radius; ++y) {
            for (std::int32_t x = 0; x <= 2 * radius; ++x) histogram.Add(binAt(x, y), source.Row(y)[x]);
        }
        Pixel* out = destination.Row(g);
        for (std::int32_t h = radius; h < width - radius; ++h) {
            if (h > radius) {
                const std::int32_t leaving = h - radius - 1;
                const std::int32_t entering = h + radius;
                for (std::int32_t y = g - radius; y <= g + radius; ++y) {
                    histogram.Add(binAt(entering, y), source.Row(y)[entering]);
                    histogram.Remove(binAt(leaving, y), source.Row(y)[leaving]);
                }
            }
            WriteMean(histogram.Sums(), histogram.Chosen(), out[h]);
        }
    }
}

bool OilPaint(const BMPImage& source, BMPImage& destination, std::int32_t radius, std::int32_t levels) {
    if (radius < kMinPaintRadius || radius > kMaxPaintRadius || levels < kMinPaintLevels || levels > kMaxPaintLevels) {
        return false;
    }
    HistogramPaint(source, destination, HistogramPaintSettings{radius, levels, static_cast<double>(levels - 1)});
    return true;
}
