#pragma once

#include <cstdint>

#include "bitmap/bmp_headers.h"

// Where a file's colour table lies, as Load reads it.

// Offset of the first palette entry: 54, right after a 40-byte info header.
// A longer info header (108 and 124 bytes are common) keeps the palette after
// the whole header, and is honoured when it ends within bfOffBits; reading the
// table at 54 would turn its extra bytes into colours.
std::int64_t ColorTableStart(const BITMAPFILEHEADER& fileHeader, const BITMAPINFOHEADER& info);

// Palette entries Load takes from a file of depth 1, 4 or 8: as many whole
// entries as lie between the table's start and bfOffBits (the difference taken
// as a signed 32-bit number), at most 2^depth. 0 at any other biBitCount.
std::int32_t PaletteEntriesInFile(const BITMAPFILEHEADER& fileHeader, const BITMAPINFOHEADER& info);
