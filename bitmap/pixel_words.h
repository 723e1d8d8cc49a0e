#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

// Pixels and stored pixel bytes read and written as 32-bit words in memory
// byte order, for hot loops that would otherwise move single bytes. memcpy
// keeps the accesses free of alignment and aliasing trouble; compilers turn
// it into one load or store.

// The bits of the fourth byte (Alpha in a Pixel) in such a word.
inline constexpr std::uint32_t kAlphaBits =
    std::endian::native == std::endian::little ? 0xFF000000u : 0x000000FFu;

inline std::uint32_t LoadWord(const void* bytes) {
    std::uint32_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

inline void StoreWord(void* bytes, std::uint32_t word) { std::memcpy(bytes, &word, sizeof word); }

// The first three bytes of colour with the fourth byte of alpha.
inline std::uint32_t WithAlphaOf(std::uint32_t colour, std::uint32_t alpha) {
    return (alpha & kAlphaBits) | (colour & ~kAlphaBits);
}
