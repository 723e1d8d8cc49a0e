// The resolution operations of BMPImage and the unit conversions behind them.

#include "bitmap/resolution.h"

#include <limits>

#include "bitmap/bmp_headers.h"
#include "bitmap/bmp_image.h"

namespace {

// The query's side effect: an unset resolution becomes the default that Save
// writes for it, and stays so.
std::int32_t DPIWithDefault(std::int32_t& pelsPerMeter) {
    if (pelsPerMeter == 0) {
        pelsPerMeter = kDefaultPelsPerMeter;
    }
    return DPIFromPelsPerMeter(pelsPerMeter);
}

}  // namespace

std::int32_t PelsPerMeterFromDPI(std::int32_t dotsPerInch) {
    const double pelsPerMeter = static_cast<double>(dotsPerInch) * kPelsPerMeterPerDPI;
    // Converting a double outside the target range is undefined, so the ends
    // are tested first: 2^31 and -2^31 are exact doubles.
    constexpr double kLimit = 2147483648.0;
    if (pelsPerMeter >= kLimit) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (pelsPerMeter <= -kLimit) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(pelsPerMeter);
}

std::int32_t DPIFromPelsPerMeter(std::int32_t pelsPerMeter) {
    return static_cast<std::int32_t>(static_cast<double>(pelsPerMeter) * kDPIPerPelsPerMeter);
}

void BMPImage::SetResolutionDPI(std::int32_t horizontal, std::int32_t vertical) {
    xPelsPerMeter = PelsPerMeterFromDPI(horizontal);
    yPelsPerMeter = PelsPerMeterFromDPI(vertical);
}

std::int32_t BMPImage::HorizontalDPI() { return DPIWithDefault(xPelsPerMeter); }

std::int32_t BMPImage::VerticalDPI() { return DPIWithDefault(yPelsPerMeter); }
