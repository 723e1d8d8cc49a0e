#include "export/paint_filter.h"

#include "bitmap/pixel_words.h"
#include "export/intensity_constants.h"
#include "export/oil_paint.h"
#include "platform/scratch_array.h"

namespace {

constexpr std::int32_t kRadius = 5;  // window of 11 x 11, frame of 5
constexpr std::int32_t kWindow = 2 * kRadius + 1;
constexpr std::int32_t kBins = 256;

// x / 121 for every window sum x in 0 ... 121 x 255 = 30855: the high half of
// a 16 x 16-bit product, shifted right by 6. Vector units have that multiply
// (GCC turns the loop below into pmulhuw on x86 and umull on ARM), so the
// whole row stays in 16-bit lanes.
constexpr std::uint32_t kReciprocal121 = 34664;  // 2^22 / 121, rounded up

constexpr std::uint8_t DivideBy121(std::uint16_t x) {
    const auto high = static_cast<std::uint16_t>((std::uint32_t{x} * kReciprocal121) >> 16);
    return static_cast<std::uint8_t>(high >> 6);
}

constexpr bool DivideBy121IsExact() {
    for (std::uint32_t x = 0; x <= 121 * 255; ++x) {
        if (DivideBy121(static_cast<std::uint16_t>(x)) != x / 121) return false;
    }
    return true;
}
static_assert(DivideBy121IsExact());

// Moves the column sums down one row: each lane gains the byte of the row
// entering the window and loses that of the row leaving it. Sums are kept for
// all four bytes of each pixel so the loop runs over plain bytes (the Alpha
// lane is never used). The arithmetic wraps in 16 bits, which is exact because
// every true sum, 11 x 255 at most, fits.
void SlideColumnSums(std::uint16_t* __restrict sums, const std::uint8_t* __restrict entering,
                     const std::uint8_t* __restrict leaving, std::size_t lanes) {
    for (std::size_t i = 0; i < lanes; ++i) {
        sums[i] = static_cast<std::uint16_t>(sums[i] + entering[i] - leaving[i]);
    }
}

// Writes the interior of one destination row from the column sums of its
// window: 11 column sums per lane (at most 30855, so 16 bits hold them), the
// quotient into Blue, Green and Red, Alpha kept.
void WriteRowMeans(const std::uint16_t* __restrict sums, std::uint8_t* __restrict means,
                   Pixel* __restrict out, std::int32_t width) {
    const std::size_t interior = static_cast<std::size_t>(width - 2 * kRadius);
    for (std::size_t i = 0; i < interior * 4; ++i) {
        std::uint16_t sum = 0;
        for (std::size_t d = 0; d < kWindow; ++d) {
            sum = static_cast<std::uint16_t>(sum + sums[i + 4 * d]);
        }
        means[i] = DivideBy121(sum);
    }
    // Blue, Green and Red from the means, Alpha from the destination, a whole
    // pixel at a time so the merge vectorises as a masked select.
    out += kRadius;
    for (std::size_t h = 0; h < interior; ++h) {
        StoreWord(&out[h], WithAlphaOf(LoadWord(means + 4 * h), LoadWord(&out[h])));
    }
}

const std::uint8_t* Bytes(const Pixel* row) { return reinterpret_cast<const std::uint8_t*>(row); }

}  // namespace

void PaintFilterLiteral(const BMPImage& source, BMPImage& destination) {
    // The general histogram filter with the module's constants: an 11 x 11
    // window, 256 bins and the scale the module has always used.
    HistogramPaintLiteral(source, destination, HistogramPaintSettings{kRadius, kBins, kModuleScale});
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
    // 765 x kThird x kModuleScale x kInverse255 is about 0.1, so every sample's
    // intensity truncates to 0. All 121 samples share bin 0, the chosen bin
    // holds them all, and each channel is its window sum divided by 121.
    const std::size_t lanes = static_cast<std::size_t>(width) * 4;
    const ScratchArray<std::uint16_t> columnSums = AllocateZeroedScratch<std::uint16_t>(lanes);
    const ScratchArray<std::uint8_t> means = AllocateScratch<std::uint8_t>(lanes);
    // Stands in for the row leaving the window while the first rows enter.
    const ScratchArray<std::uint8_t> zeros = AllocateZeroedScratch<std::uint8_t>(lanes);
    if (!columnSums || !means || !zeros) {
        PaintFilterLiteral(source, destination);
        return;
    }
    for (std::int32_t row = 0; row < kWindow - 1; ++row) {
        SlideColumnSums(columnSums.get(), Bytes(source.Row(row)), zeros.get(), lanes);
    }
    for (std::int32_t g = kRadius; g < height - kRadius; ++g) {
        const std::uint8_t* leaving = g > kRadius ? Bytes(source.Row(g - kRadius - 1)) : zeros.get();
        SlideColumnSums(columnSums.get(), Bytes(source.Row(g + kRadius)), leaving, lanes);
        WriteRowMeans(columnSums.get(), means.get(), destination.Row(g), width);
    }
}
