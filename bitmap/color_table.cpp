#include "bitmap/color_table.h"

#include <algorithm>

std::int64_t ColorTableStart(const BITMAPFILEHEADER& fileHeader, const BITMAPINFOHEADER& info) {
    const std::int64_t headerEnd = std::int64_t{kFileHeaderSize} + info.biSize;
    if (info.biSize > kInfoHeaderSize && headerEnd <= fileHeader.bfOffBits) {
        return headerEnd;
    }
    return kHeadersSize;
}

std::int32_t PaletteEntriesInFile(const BITMAPFILEHEADER& fileHeader, const BITMAPINFOHEADER& info) {
    const std::uint16_t bits = info.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8) {
        return 0;
    }
    // The wrapping unsigned difference read as signed: a bfOffBits before the
    // table, or beyond 2^31, leaves no room at all.
    const auto room = static_cast<std::int32_t>(
        fileHeader.bfOffBits - static_cast<std::uint32_t>(ColorTableStart(fileHeader, info)));
    return std::clamp(room / 4, 0, 1 << bits);
}
