#pragma once

#include <cstdint>

// base raised to exponent in 32-bit wrapping arithmetic; an exponent of 0 or
// less gives 1. IntegerPower(2, 32) is 0 because the product wraps.
std::int32_t IntegerPower(std::int32_t base, std::int32_t exponent);
