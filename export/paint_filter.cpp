#include "export/paint_filter.h"

#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr std::int32_t kRadius = 5;  // window of 11 x 11, frame of 5
constexpr std::int32_t kWindow = 2 * kRadius + 1;
constexpr std::int32_t kBins = 256;

// The intensity of a sample is (R + G + B) times these three factors, in this
// order, truncated. They are the exact doubles the filter has always used: the
// double nearest 1/3, the single-precision 0.1 widened to double (not the
// double nearest 0.1), and the double nearest 1/255.
constexpr double kThird = std::bit_cast<double>(0x3FD5555555555555ULL);
constexpr double kScale = std::bit_cast<double>(0x3FB99999A0000000ULL);
constexpr double kInverse255 = std::bit_cast<double>(0x3F70101010101010ULL);

std::int32_t Intensity(const Pixel& pixel) {
    const double sum = static_cast<double>(pixel.Red + pixel.Green + pixel.Blue);
    const auto intensity = static_cast<std::int32_t>(sum * kThird * kScale * kInverse255);
    return intensity > kBins - 1 ? kBins - 1 : intensity;
}

void PaintPixelLiteral(const BMPImage& source, BMPImage& destination, std::int32_t h,
                       std::int32_t g) {
    std::int32_t count[kBins] = {};
    std::int32_t redSum[kBins] = {};
    std::int32_t greenSum[kBins] = {};
    std::int32_t blueSum[kBins] = {};
    for (std::int32_t dy = -kRadius; dy <= kRadius; ++dy) {
        for (std::int32_t dx = -kRadius; dx <= kRadius; ++dx) {
            const Pixel& sample = source.At(h + dx, g + dy);
            const std::int32_t bin = Intensity(sample);
            count[bin] += 1;
            redSum[bin] += sample.Red;
            greenSum[bin] += sample.Green;
            blueSum[bin] += sample.Blue;
        }
    }
    // Strictly greater: among equally populated bins the lowest one wins.
    std::int32_t most = 0;
    std::int32_t chosen = 0;
    for (std::int32_t bin = 0; bin < kBins; ++bin) {
        if (count[bin] > most) {
            most = count[bin];
            chosen = bin;
        }
    }
    Pixel& out = destination.At(h, g);
    out.Red = static_cast<std::uint8_t>(redSum[chosen] / most);
    out.Green = static_cast<std::uint8_t>(greenSum[chosen] / most);
    out.Blue = static_cast<std::uint8_t>(blueSum[chosen] / most);
}

// x / 121 for every x in 0 ... 121 x 255 = 30855, as a multiply and a shift.
inline std::uint32_t DivideBy121(std::uint32_t x) { return x * 4333u >> 19; }

struct FreeDeleter {
    void operator()(void* block) const { std::free(block); }
};

// Adds (sign +1) or removes (sign -1) one source row from the column sums.
// Sums are kept for all four bytes of each pixel so the loop runs over plain
// bytes; the Alpha lane is never used.
void AccumulateRow(std::uint16_t* columnSums, const Pixel* row, std::int32_t width, int sign) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(row);
    const std::size_t lanes = static_cast<std::size_t>(width) * 4;
    if (sign > 0) {
        for (std::size_t i = 0; i < lanes; ++i) columnSums[i] = static_cast<std::uint16_t>(columnSums[i] + bytes[i]);
    } else {
        for (std::size_t i = 0; i < lanes; ++i) columnSums[i] = static_cast<std::uint16_t>(columnSums[i] - bytes[i]);
    }
}

// Writes the interior of one destination row from the column sums of its
// window: 11 column sums per lane (at most 30855, so 16 bits hold them), the
// quotient's low byte into Blue, Green and Red, Alpha kept.
void WriteRowMeans(const std::uint16_t* columnSums, std::uint8_t* means, Pixel* out,
                   std::int32_t width) {
    const std::size_t first = kRadius * 4;
    const std::size_t end = static_cast<std::size_t>(width - kRadius) * 4;
    for (std::size_t i = first; i < end; ++i) {
        std::uint32_t sum = 0;
        for (std::size_t d = 0; d < kWindow; ++d) {
            sum += columnSums[i - first + 4 * d];
        }
        means[i] = static_cast<std::uint8_t>(DivideBy121(sum));
    }
    for (std::int32_t h = kRadius; h < width - kRadius; ++h) {
        const std::uint8_t* mean = means + static_cast<std::size_t>(h) * 4;
        out[h].Blue = mean[0];
        out[h].Green = mean[1];
        out[h].Red = mean[2];
    }
}

}  // namespace

void PaintFilterLiteral(const BMPImage& source, BMPImage& destination) {
    const std::int32_t width = source.Width();
    const std::int32_t height = source.Height();
    for (std::int32_t g = kRadius; g < height - kRadius; ++g) {
        for (std::int32_t h = kRadius; h < width - kRadius; ++h) {
            PaintPixelLiteral(source, destination, h, g);
        }
    }
}

void PaintFilter(const BMPImage& source, BMPImage& destination) {
    const std::int32_t width = source.Width();
    const std::int32_t height = source.Height();
    if (width != destination.Width() || height != destination.Height()) {
        PaintFilterLiteral(source, destination);
        return;
    }
    if (width < kWindow || height < kWindow) {
        return;  // no pixel lies inside the frame
    }
    // Why a plain mean is exact: R + G + B is at most 765, and
    // 765 x kThird x kScale x kInverse255 is about 0.1, so every sample's
    // intensity truncates to 0. All 121 samples share bin 0, the chosen bin
    // holds them all, and each channel is its window sum divided by 121.
    const std::size_t lanes = static_cast<std::size_t>(width) * 4;
    std::unique_ptr<std::uint16_t, FreeDeleter> columnSums(
        static_cast<std::uint16_t*>(std::calloc(lanes, sizeof(std::uint16_t))));
    std::unique_ptr<std::uint8_t, FreeDeleter> means(
        static_cast<std::uint8_t*>(std::malloc(lanes)));
    if (!columnSums || !means) {
        PaintFilterLiteral(source, destination);
        return;
    }
    for (std::int32_t row = 0; row < kWindow; ++row) {
        AccumulateRow(columnSums.get(), source.Row(row), width, +1);
    }
    for (std::int32_t g = kRadius; g < height - kRadius; ++g) {
        if (g > kRadius) {
            AccumulateRow(columnSums.get(), source.Row(g + kRadius), width, +1);
            AccumulateRow(columnSums.get(), source.Row(g - kRadius - 1), width, -1);
        }
        WriteRowMeans(columnSums.get(), means.get(), destination.Row(g), width);
    }
}
