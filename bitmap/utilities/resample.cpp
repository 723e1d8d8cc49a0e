// Resample: the new size, then four regions filled from a copy of the old
// image, read only through its clamping At. Every floating-point step keeps
// its given order and grouping; see the notes at each one before changing it.

#include "bitmap/utilities/resample.h"

#include <cmath>

#include "bitmap/image_limits.h"
#include "bitmap/utilities/resample_size.h"

namespace {

// Where output index lands in the old image: (index x (oldSize - 1.0)) /
// (newSize - 1.0), multiplication first. Only for index <= newSize - 2, so
// the divisor is at least 1.
struct SourcePosition {
    std::int32_t whole;
    double fraction;
};

SourcePosition PositionOf(std::int32_t index, std::int32_t oldSize, std::int32_t newSize) {
    const double at = (static_cast<double>(index) * (static_cast<double>(oldSize) - 1.0)) /
                      (static_cast<double>(newSize) - 1.0);
    const double whole = std::floor(at);
    return {static_cast<std::int32_t>(whole), at - whole};
}

// Sums are truncated, not rounded; they lie in 0 ... 255 up to rounding.
std::uint8_t Truncated(double sum) { return static_cast<std::uint8_t>(static_cast<std::int32_t>(sum)); }

struct Weights {
    double w00, w10, w01, w11;
};

Weights WeightsFor(double fx, double fy) {
    const double w11 = fx * fy;
    const double w00 = ((1.0 - fx) - fy) + w11;
    return {w00, fx - w11, fy - w11, w11};
}

// The weights add up to 1 only up to rounding, so where the exact value is
// whole the sum can fall just below it and truncate one lower. The two
// groupings therefore give different bytes for some pixels; each channel keeps
// its own (a 2 x 2 white image widened to 7 gives Red and Green 254 but Blue
// 255 at (5, 1)).
double RedGreenSum(std::uint8_t v00, std::uint8_t v10, std::uint8_t v01, std::uint8_t v11,
                   const Weights& w) {
    return ((v10 * w.w10 + v01 * w.w01) + v11 * w.w11) + v00 * w.w00;
}

double BlueSum(std::uint8_t v00, std::uint8_t v10, std::uint8_t v01, std::uint8_t v11,
               const Weights& w) {
    return ((v11 * w.w11 + v00 * w.w00) + v10 * w.w10) + v01 * w.w01;
}

Pixel Interior(const BMPImage& copy, SourcePosition x, SourcePosition y) {
    const Pixel& p00 = copy.At(x.whole, y.whole);
    const Pixel& p10 = copy.At(x.whole + 1, y.whole);
    const Pixel& p01 = copy.At(x.whole, y.whole + 1);
    const Pixel& p11 = copy.At(x.whole + 1, y.whole + 1);
    const Weights w = WeightsFor(x.fraction, y.fraction);
    return Pixel{Truncated(BlueSum(p00.Blue, p10.Blue, p01.Blue, p11.Blue, w)),
                 Truncated(RedGreenSum(p00.Green, p10.Green, p01.Green, p11.Green, w)),
                 Truncated(RedGreenSum(p00.Red, p10.Red, p01.Red, p11.Red, w)), 0};
}

// Along the copy's last column or last row: (a x (1.0 - f)) + (b x f).
Pixel Between(const Pixel& a, const Pixel& b, double f) {
    auto mix = [f](std::uint8_t from, std::uint8_t to) {
        return Truncated(from * (1.0 - f) + to * f);
    };
    return Pixel{mix(a.Blue, b.Blue), mix(a.Green, b.Green), mix(a.Red, b.Red), 0};
}

void Fill(BMPImage& image, const BMPImage& copy) {
    const std::int32_t newWidth = image.Width();
    const std::int32_t newHeight = image.Height();
    const std::int32_t oldWidth = copy.Width();
    const std::int32_t oldHeight = copy.Height();
    for (std::int32_t j = 0; j + 1 < newHeight; ++j) {
        const SourcePosition y = PositionOf(j, oldHeight, newHeight);
        Pixel* row = image.Row(j);
        for (std::int32_t i = 0; i + 1 < newWidth; ++i) {
            row[i] = Interior(copy, PositionOf(i, oldWidth, newWidth), y);
        }
        row[newWidth - 1] = Between(copy.At(oldWidth - 1, y.whole),
                                    copy.At(oldWidth - 1, y.whole + 1), y.fraction);
    }
    Pixel* lastRow = image.Row(newHeight - 1);
    for (std::int32_t i = 0; i + 1 < newWidth; ++i) {
        const SourcePosition x = PositionOf(i, oldWidth, newWidth);
        lastRow[i] = Between(copy.At(x.whole, oldHeight - 1), copy.At(x.whole + 1, oldHeight - 1),
                             x.fraction);
    }
    // The one pixel that keeps its Alpha.
    lastRow[newWidth - 1] = copy.At(oldWidth - 1, oldHeight - 1);
}

}  // namespace

bool Resample(BMPImage& image, char mode, std::int32_t value) {
    BMPImage copy(image);
    const auto size = ResampleSize(copy.Width(), copy.Height(), mode, value);
    if (!size) {
        return false;
    }
    // A copy that could not be allocated stays 1 x 1; it cannot stand in for
    // the image. The new size is tested before SetDimensions so that a refused
    // one leaves the image as it was.
    if (copy.Width() != image.Width() || copy.Height() != image.Height() ||
        !PixelCountWithinLimit(size->width, size->height) ||
        !image.SetDimensions(static_cast<std::int32_t>(size->width),
                             static_cast<std::int32_t>(size->height))) {
        return false;
    }
    image.SetDepth(24);
    Fill(image, copy);
    return true;
}
