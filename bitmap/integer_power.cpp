#include "bitmap/integer_power.h"

std::int32_t IntegerPower(std::int32_t base, std::int32_t exponent) {
    // The product wraps modulo 2^32; doing it on unsigned values keeps the
    // wrap defined behaviour, and the conversion back is modular in C++20.
    std::uint32_t result = 1;
    for (std::int32_t i = 0; i < exponent; ++i) {
        result *= static_cast<std::uint32_t>(base);
    }
    return static_cast<std::int32_t>(result);
}
