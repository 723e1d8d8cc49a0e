#include "bitmap/utilities/resample_size.h"

#include <cctype>
#include <cmath>

namespace {

// floor and the conversion to an integer, then the raise to 1. The doubles
// here stay below 2^62 in magnitude (a 32-bit value over a side of at least 1,
// times a 32-bit side), so the conversion is defined.
std::int64_t AtLeastOne(double side) {
    const auto whole = static_cast<std::int64_t>(std::floor(side));
    return whole < 1 ? 1 : whole;
}

// The percentage's product wraps like the 32-bit signed multiplication it
// stands for; the unsigned types make that wrap defined.
std::int64_t PercentOf(std::int32_t value, std::int32_t side) {
    const auto product = static_cast<std::int32_t>(static_cast<std::uint32_t>(value) *
                                                   static_cast<std::uint32_t>(side));
    return AtLeastOne(static_cast<double>(product) * 0.01);
}

// The other side follows the one asked for. The division comes before the
// multiplication: (2 / 49) x 49 is just below 2 and floors to 1.
std::int64_t Proportional(std::int32_t value, std::int32_t given, std::int32_t other) {
    return AtLeastOne(static_cast<double>(value) / static_cast<double>(given) *
                      static_cast<double>(other));
}

ResampledSize ToWidth(std::int32_t width, std::int32_t height, std::int32_t value) {
    return {value < 1 ? 1 : value, Proportional(value, width, height)};
}

ResampledSize ToHeight(std::int32_t width, std::int32_t height, std::int32_t value) {
    return {Proportional(value, height, width), value < 1 ? 1 : value};
}

}  // namespace

std::optional<ResampledSize> ResampleSize(std::int32_t width, std::int32_t height, char mode,
                                          std::int32_t value) {
    switch (std::toupper(static_cast<unsigned char>(mode))) {
        case 'P':
            return ResampledSize{PercentOf(value, width), PercentOf(value, height)};
        case 'W':
            return ToWidth(width, height, value);
        case 'H':
            return ToHeight(width, height, value);
        case 'F':
            return width > height ? ToWidth(width, height, value) : ToHeight(width, height, value);
        default:
            return std::nullopt;
    }
}
