// BMPImage::Load: the file header, the 40-byte info header, the palette or
// mask section, the gap up to bfOffBits, then the rows, bottom row first.
// Load never seeks: each part is read from where the one before it ended.

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>

#include "bitmap/bmp_headers.h"
#include "bitmap/bmp_image.h"
#include "bitmap/color_table.h"
#include "bitmap/file_handle.h"
#include "bitmap/header_reading.h"
#include "bitmap/image_limits.h"
#include "bitmap/integer_power.h"
#include "bitmap/little_endian_fields.h"
#include "bitmap/sixteen_bit_pixels.h"
#include "bitmap/skip_bytes.h"
#include "platform/scratch_array.h"

namespace {

bool IsIndexedDepth(std::uint32_t bits) { return bits == 1 || bits == 4 || bits == 8; }

// The compression, depth and size rules, in the order the format checks them.
LoadStatus CheckInfoHeader(const BITMAPINFOHEADER& info) {
    LoadStatus status;
    status.compression = info.biCompression;
    status.bitCount = info.biBitCount;
    status.width = info.biWidth;
    status.height = info.biHeight;
    const std::uint32_t compression = info.biCompression;
    if (compression == kBiRle8 || compression == kBiRle4 || compression > kBiBitfields ||
        (compression == kBiBitfields && info.biBitCount != 16)) {
        status.error = LoadError::UnsupportedCompression;
    } else if (!IsIndexedDepth(info.biBitCount) && info.biBitCount != 16 && info.biBitCount != 24 &&
               info.biBitCount != 32) {
        status.error = LoadError::UnsupportedBitDepth;
    } else if (info.biWidth <= 0 || info.biHeight <= 0) {
        status.error = LoadError::BadDimensions;
    } else if (!PixelCountWithinLimit(info.biWidth, info.biHeight) || !StoredRowSize(info.biWidth, info.biBitCount)) {
        status.error = LoadError::TooLarge;
    }
    return status;
}

// Where the colour table starts (see ColorTableStart); the extra bytes of a
// longer info header are passed over to reach it.
std::int64_t PaletteStart(const BITMAPFILEHEADER& fileHeader, const BITMAPINFOHEADER& info, std::FILE* file) {
    const std::int64_t start = ColorTableStart(fileHeader, info);
    SkipBytes(file, start - kHeadersSize);
    return start;
}

using RowDecoder = bool (BMPImage::*)(const std::uint8_t*, std::int32_t, std::int32_t);

RowDecoder DecoderFor(std::int32_t bitDepth) {
    switch (bitDepth) {
        case 1:
            return &BMPImage::DecodeRow1;
        case 4:
            return &BMPImage::DecodeRow4;
        case 8:
            return &BMPImage::DecodeRow8;
        case 24:
            return &BMPImage::DecodeRow24;
        default:
            return &BMPImage::DecodeRow32;
    }
}

}  // namespace

bool BMPImage::Load(const char* path) { return LoadWithStatus(path).ok(); }

LoadStatus BMPImage::LoadWithStatus(const char* path) {
    std::FILE* opened = path != nullptr ? std::fopen(path, "rb") : nullptr;
    if (opened == nullptr) {
        LoadStatus status{LoadError::CannotOpen, path != nullptr ? errno : EINVAL};
        SetDepth(1);
        SetDimensions(1, 1);
        return status;
    }
    FileHandle file(opened);

    auto reject = [this](LoadStatus status) {
        SetDimensions(1, 1);
        SetDepth(1);
        return status;
    };

    BITMAPFILEHEADER fileHeader;
    bool complete = ReadField(fileHeader.bfType, file.get());
    // The signature is tested before the other reads, whatever the read
    // returned: an empty file keeps the default "BM" and fails as truncated.
    if (fileHeader.bfType != kBmpSignature) {
        return LoadStatus{LoadError::NotBmp};
    }
    complete &= ReadFileHeaderAfterType(fileHeader, file.get());
    BITMAPINFOHEADER info;
    complete &= ReadInfoHeader(info, file.get());
    if (!complete) {
        return reject(LoadStatus{LoadError::TruncatedHeader});
    }

    // The resolution is taken before the remaining checks, so a file they
    // refuse still leaves its resolution in the image.
    xPelsPerMeter = info.biXPelsPerMeter;
    yPelsPerMeter = info.biYPelsPerMeter;

    LoadStatus status = CheckInfoHeader(info);
    if (!status.ok()) {
        return reject(status);
    }
    SetDepth(info.biBitCount);
    // Every pixel ends up white or decoded from the file: ReadRows makes each
    // row white just before decoding it, and the rows it could not read at the
    // end, instead of a pass over the whole image beforehand.
    if (!ReplacePixels(info.biWidth, info.biHeight)) {
        status.error = LoadError::OutOfMemory;
        return reject(status);
    }

    const std::int64_t colorTableStart = HasPalette() ? PaletteStart(fileHeader, info, file.get()) : kHeadersSize;
    // The room before the rows, as the format's signed 32-bit difference: a
    // bfOffBits below the table start, or beyond 2^31, leaves no room at all.
    const auto room = static_cast<std::int32_t>(fileHeader.bfOffBits - static_cast<std::uint32_t>(colorTableStart));
    std::int64_t gap = room;
    if (HasPalette()) {
        ReadPalette(room / 4, file.get());
        gap -= std::int64_t{4} * IntegerPower(2, bitDepth);
    } else if (bitDepth == 16 && info.biCompression == kBiBitfields) {
        gap -= 12;
    }
    if (gap < 0) {
        gap = 0;
    }

    if (bitDepth == 16) {
        WhitenRows(0, height);
        ReadSixteenBitPixels(*this, file.get(), info.biCompression, gap);
        return status;
    }
    SkipBytes(file.get(), gap);
    ReadRows(file.get());
    return status;
}

void BMPImage::ReadPalette(std::int32_t entries, std::FILE* file) {
    // The table holds as many entries as bfOffBits leaves room for, at most
    // 2^depth; biClrUsed is not consulted. A failed read leaves the standard
    // colour, and every entry the file does not give becomes white.
    const std::int32_t count = IntegerPower(2, bitDepth);
    if (entries > count) {
        entries = count;
    }
    for (std::int32_t i = 0; i < entries; ++i) {
        // Pixel has the byte layout of a file entry: Blue, Green, Red, reserved.
        ReadExact(&palette[i], 4, 1, file);
    }
    for (std::int32_t i = entries < 0 ? 0 : entries; i < ColorCount(); ++i) {
        SetPaletteColor(i, kWhite);
    }
}

void BMPImage::ReadRows(std::FILE* file) {
    // Rows height - 1 down to the returned count hold the file's pixels; the
    // ones above them stay white.
    WhitenRows(0, DecodeStoredRows(file));
}

// Decodes rows from the bottom up, each made white first (the 24-bit decoder
// keeps Alpha), while the row is in cache. Returns how many rows, from row 0,
// were not read.
std::int32_t BMPImage::DecodeStoredRows(std::FILE* file) {
    const std::int32_t rowSize = *StoredRowSize(width, bitDepth);
    const std::int32_t chunkRows = RowsPerTransfer(rowSize, height);
    const auto stride = static_cast<std::size_t>(rowSize);
    const ScratchArray<std::uint8_t> buffer =
        AllocateScratch<std::uint8_t>(stride * static_cast<std::size_t>(chunkRows));
    if (!buffer) {
        return height;
    }
    const RowDecoder decode = DecoderFor(bitDepth);
    // Several rows per read. fread counts whole rows only, so a row that
    // arrives short is never decoded: it ends the pixels.
    std::int32_t row = height - 1;
    while (row >= 0) {
        const std::int32_t wanted = std::min(chunkRows, row + 1);
        const std::size_t arrived = std::fread(buffer.get(), stride, static_cast<std::size_t>(wanted), file);
        for (std::size_t i = 0; i < arrived; ++i, --row) {
            WhitenRows(row, row + 1);
            if (!(this->*decode)(buffer.get() + i * stride, rowSize, row)) {
                return row + 1;
            }
        }
        if (arrived < static_cast<std::size_t>(wanted)) {
            break;
        }
    }
    return row + 1;
}
