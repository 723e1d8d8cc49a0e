#pragma once

#include <cstdint>

// One pixel or one palette entry. The memory order Blue, Green, Red, Alpha is
// the layout of a BMP palette entry (RGBQUAD) and the byte order of a 24-bit
// BMP pixel, so palette entries move between file and memory as whole records.
// Alpha is carried along and never interpreted.
struct Pixel {
    std::uint8_t Blue;
    std::uint8_t Green;
    std::uint8_t Red;
    std::uint8_t Alpha;

    friend bool operator==(const Pixel&, const Pixel&) = default;
};

static_assert(sizeof(Pixel) == 4, "Pixel must have the layout of an RGBQUAD");

// White in this library: Blue, Green and Red 255 with Alpha 0.
inline constexpr Pixel kWhite{255, 255, 255, 0};
