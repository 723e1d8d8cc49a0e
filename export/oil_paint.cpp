#include "export/oil_paint.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "export/intensity_constants.h"
#include "export/window_counts.h"
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

// A bin's sample count and colour sums, for the reference.
struct BinTotal {
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
    // The mean colour into Blue, Green and Red; Alpha is kept.
    void WriteMean(Pixel& out) const {
        out.Red = static_cast<std::uint8_t>(red / count);
        out.Green = static_cast<std::uint8_t>(green / count);
        out.Blue = static_cast<std::uint8_t>(blue / count);
    }
};

void PaintPixelLiteral(const BMPImage& source, BMPImage& destination, const HistogramPaintSettings& settings,
                       const BinTable& binOf, std::int32_t h, std::int32_t g) {
    BinTotal totals[kMaxBins] = {};
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

// A source pixel's Blue, Red and Green in 16-bit lanes of one word, so that
// colour sums are additions of whole words.
using SampleWord = std::uint64_t;

SampleWord MakeSampleWord(const Pixel& pixel) {
    return std::uint64_t{pixel.Blue} | std::uint64_t{pixel.Red} << 16 | std::uint64_t{pixel.Green} << 32;
}
std::uint32_t Lane(std::uint64_t word, int lane) { return static_cast<std::uint32_t>(word >> (16 * lane) & 0xFFFF); }

// A column's sums hold at most 101 samples, 101 x 255 < 2^16, so the lanes
// of their words stay exact, and never go negative: no carry or borrow
// crosses from one lane into the next.
static_assert((2 * kMaxPaintRadius + 1) * 255 < 1 << 16);

// The colour sums of one bin over the window's columns, from the columns'
// sums. The words add up as they are while a bin holds at most 257 samples,
// 257 x 255 = 65535.
struct PackedSums {
    std::uint64_t lanes;

    static PackedSums OfColumns(const SampleWord* columns, std::int32_t count) {
        std::uint64_t total = 0;
        for (std::int32_t column = 0; column < count; ++column) total += columns[column];
        return {total};
    }
    std::uint32_t Blue() const { return Lane(lanes, 0); }
    std::uint32_t Red() const { return Lane(lanes, 1); }
    std::uint32_t Green() const { return Lane(lanes, 2); }
};

// For larger windows: the lanes spread to 32 bits before they add up, Blue
// and Green in one word, Red in another.
struct WideSums {
    std::uint64_t blueGreen;
    std::uint64_t red;

    static WideSums OfColumns(const SampleWord* columns, std::int32_t count) {
        WideSums total{0, 0};
        for (std::int32_t column = 0; column < count; ++column) {
            total.blueGreen += columns[column] & 0x0000FFFF'0000FFFF;
            total.red += columns[column] >> 16 & 0xFFFF;
        }
        return total;
    }
    std::uint32_t Blue() const { return static_cast<std::uint32_t>(blueGreen); }
    std::uint32_t Red() const { return static_cast<std::uint32_t>(red); }
    std::uint32_t Green() const { return static_cast<std::uint32_t>(blueGreen >> 32); }
};

// Division by a count of 1 ... 255 as a multiplication: with m = ceil(2^24 / d)
// = (2^24 + e) / d, 0 <= e < d, and n = q d + r below 2^16,
// n m / 2^24 = q + (r + n e / 2^24) / d, where n e / 2^24 < 1, so the floor
// is q.
struct ByteReciprocals {
    std::uint32_t of[256];

    constexpr ByteReciprocals() : of{} {
        for (std::uint32_t count = 1; count < 256; ++count) of[count] = ((1u << 24) + count - 1) / count;
    }
};
constexpr ByteReciprocals kByteReciprocals;

template <typename Count>
std::uint8_t Mean(std::uint32_t sum, std::uint32_t count) {
    if constexpr (sizeof(Count) == 1) {
        return static_cast<std::uint8_t>(std::uint64_t{sum} * kByteReciprocals.of[count] >> 24);
    } else {
        return static_cast<std::uint8_t>(sum / count);
    }
}

// The image is painted in strips of at most this many source columns, each
// overlapping the next by 2 radius, so the per-column state below stays
// within a few megabytes whatever the image's width.
constexpr std::int32_t kStripColumns = 1024;

// A strip: source columns first ... first + width - 1.
struct Strip {
    std::int32_t first;
    std::int32_t width;
};

// For every column of a strip, the counts and colour sums of its bins over
// the window's rows. Moving down a row is one removal and one addition per
// column; moving right adds one column's counts to the window's and takes
// another's away, a few vector operations whatever the radius. The sums are
// kept bin by bin, so one bin's sums over the window's columns lie side by
// side.
class ColumnHistograms {
public:
    // Room for strips of up to widest columns.
    ColumnHistograms(const HistogramPaintSettings& settings, std::int32_t groups, std::int32_t widest)
        : binOf(settings),
          bins(static_cast<std::size_t>(groups) * kBinGroup),
          counts(AllocateAlignedScratch<std::uint8_t>(static_cast<std::size_t>(widest) * bins, kCountAlignment)),
          sums(AllocateScratch<SampleWord>(static_cast<std::size_t>(widest) * bins)) {}

    bool Allocated() const { return counts && sums; }

    // Starts over on a new strip: its columns' counts and sums are zeroed here
    // (what lies beyond them is never read).
    void Clear(const Strip& strip) {
        columns = static_cast<std::size_t>(strip.width);
        first = strip.first;
        std::memset(counts.get(), 0, columns * bins);
        std::memset(sums.get(), 0, columns * bins * sizeof(SampleWord));
    }
    void AddRow(const Pixel* row) { Update(row, +1); }
    void RemoveRow(const Pixel* row) { Update(row, -1); }

    const std::uint8_t* Counts(std::int32_t column) const {
        return counts.get() + static_cast<std::size_t>(column) * bins;
    }
    const SampleWord* Sums(std::int32_t bin, std::int32_t column) const {
        return sums.get() + static_cast<std::size_t>(bin) * columns + static_cast<std::size_t>(column);
    }

private:
    // Adding and removing are the same steps with the sign flipped: the
    // arithmetic wraps, and the counts and sums never leave their range.
    void Update(const Pixel* row, int sign) {
        const Pixel* in = row + first;
        const auto step = static_cast<std::uint8_t>(sign);
        const auto words = static_cast<std::uint64_t>(static_cast<std::int64_t>(sign));
        for (std::size_t column = 0; column < columns; ++column) {
            const std::uint8_t bin = binOf(in[column]);
            counts[column * bins + bin] = static_cast<std::uint8_t>(counts[column * bins + bin] + step);
            sums[bin * columns + column] += words * MakeSampleWord(in[column]);
        }
    }

    const BinTable binOf;
    std::size_t bins;
    ScratchArray<std::uint8_t> counts;
    ScratchArray<SampleWord> sums;
    std::size_t columns = 0;
    std::int32_t first = 0;
};

// A column of zero counts, to build a window up from nothing.
alignas(kCountAlignment) constexpr std::uint8_t kNoCounts[kMaxBinGroups * kBinGroup] = {};

// The output pixels of one row of a strip, from its column histograms.
template <typename Count, typename Sums>
class RowSweep {
public:
    RowSweep(std::int32_t windowRadius, std::int32_t binGroups) : radius(windowRadius), groups(binGroups) {}

    // out is the destination row, at the strip's first column.
    void Paint(const ColumnHistograms& columns, std::int32_t width, Pixel* out) {
        const std::int32_t span = 2 * radius + 1;
        std::memset(counts, 0, sizeof counts);
        std::int32_t fullest = 0;
        for (std::int32_t x = 0; x < span; ++x)
            fullest = SlideWindowCounts(counts, columns.Counts(x), kNoCounts, groups);
        WriteMean(columns, fullest, radius, out[radius]);
        for (std::int32_t h = radius + 1; h < width - radius; ++h) {
            fullest = SlideWindowCounts(counts, columns.Counts(h + radius), columns.Counts(h - radius - 1), groups);
            WriteMean(columns, fullest, h, out[h]);
        }
    }

private:
    // The mean colour of bin in the window around column h into Blue, Green
    // and Red; Alpha is kept.
    void WriteMean(const ColumnHistograms& columns, std::int32_t bin, std::int32_t h, Pixel& out) const {
        const std::uint32_t count = counts[bin];
        const Sums sums = Sums::OfColumns(columns.Sums(bin, h - radius), 2 * radius + 1);
        out.Red = Mean<Count>(sums.Red(), count);
        out.Green = Mean<Count>(sums.Green(), count);
        out.Blue = Mean<Count>(sums.Blue(), count);
    }

    std::int32_t radius;
    std::int32_t groups;
    alignas(kCountAlignment) Count counts[kMaxBinGroups * kBinGroup];
};

template <typename Count, typename Sums>
void PaintStrip(const BMPImage& source, BMPImage& destination, ColumnHistograms& columns, const Strip& strip,
                std::int32_t radius, std::int32_t groups) {
    RowSweep<Count, Sums> sweep(radius, groups);
    columns.Clear(strip);
    for (std::int32_t row = 0; row < 2 * radius; ++row) columns.AddRow(source.Row(row));
    for (std::int32_t g = radius; g < source.Height() - radius; ++g) {
        if (g > radius) columns.RemoveRow(source.Row(g - radius - 1));
        columns.AddRow(source.Row(g + radius));
        sweep.Paint(columns, strip.width, destination.Row(g) + strip.first);
    }
}

template <typename Count, typename Sums>
void PaintStrips(const BMPImage& source, BMPImage& destination, ColumnHistograms& columns, std::int32_t radius,
                 std::int32_t groups) {
    for (Strip strip{0, 0};; strip.first += strip.width - 2 * radius) {
        strip.width = std::min(kStripColumns, source.Width() - strip.first);
        PaintStrip<Count, Sums>(source, destination, columns, strip, radius, groups);
        if (strip.first + strip.width == source.Width()) return;
    }
}

}  // namespace

void HistogramPaint(const BMPImage& source, BMPImage& destination, const HistogramPaintSettings& settings) {
    const std::int32_t radius = settings.radius;
    if (!ValidSettings(settings) || source.Width() <= 2 * radius || source.Height() <= 2 * radius) return;
    const std::int32_t groups = (settings.bins + kBinGroup - 1) / kBinGroup;
    ColumnHistograms columns(settings, groups, std::min(source.Width(), kStripColumns));
    if (source.Width() != destination.Width() || source.Height() != destination.Height() || !columns.Allocated()) {
        HistogramPaintLiteral(source, destination, settings);
        return;
    }
    const std::int32_t windowSize = (2 * radius + 1) * (2 * radius + 1);
    // Byte counts, packed sums and the reciprocals all hold windows of up to
    // 255 samples; 16-bit counts hold the largest, 101 x 101.
    static_assert((2 * kMaxPaintRadius + 1) * (2 * kMaxPaintRadius + 1) < 1 << 15);
    if (windowSize <= 255) {
        PaintStrips<std::uint8_t, PackedSums>(source, destination, columns, radius, groups);
    } else {
        PaintStrips<std::uint16_t, WideSums>(source, destination, columns, radius, groups);
    }
}

bool OilPaint(const BMPImage& source, BMPImage& destination, std::int32_t radius, std::int32_t levels) {
    if (radius < kMinPaintRadius || radius > kMaxPaintRadius || levels < kMinPaintLevels || levels > kMaxPaintLevels) {
        return false;
    }
    HistogramPaint(source, destination, HistogramPaintSettings{radius, levels, static_cast<double>(levels - 1)});
    return true;
}
