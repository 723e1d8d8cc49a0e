#pragma once

#include <cstdint>

// The two BMP header records, field by field in file order. Files store every
// field little-endian with the width of its type; the reader and writer move
// them one field at a time, never as a block.

inline constexpr std::uint16_t kBmpSignature = 19778;  // "BM" in file order
inline constexpr std::uint32_t kFileHeaderSize = 14;
inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kHeadersSize = kFileHeaderSize + kInfoHeaderSize;  // 54

// biCompression values.
inline constexpr std::uint32_t kBiRgb = 0;
inline constexpr std::uint32_t kBiRle8 = 1;
inline constexpr std::uint32_t kBiRle4 = 2;
inline constexpr std::uint32_t kBiBitfields = 3;

// Resolution written, and assumed by the dots-per-inch queries, when an image
// has none: 3780 pixels per metre, about 96 dots per inch.
inline constexpr std::int32_t kDefaultPelsPerMeter = 3780;

// 14 bytes at file offset 0. Fields without a default are filled before use.
struct BITMAPFILEHEADER {
    std::uint16_t bfType = kBmpSignature;
    std::uint32_t bfSize = 0;
    std::uint16_t bfReserved1 = 0;
    std::uint16_t bfReserved2 = 0;
    std::uint32_t bfOffBits = 0;  // offset of the first pixel row
};

// 40 bytes at file offset 14.
struct BITMAPINFOHEADER {
    std::uint32_t biSize = 0;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;  // positive: rows stored bottom-up
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = kBiRgb;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = kDefaultPelsPerMeter;
    std::int32_t biYPelsPerMeter = kDefaultPelsPerMeter;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
