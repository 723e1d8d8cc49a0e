// BMPImage::Save: headers, palette or mask section, then the rows, bottom row
// first, each padded with zero bytes to a multiple of 4.

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

#include "bitmap/bmp_headers.h"
#include "bitmap/bmp_image.h"
#include "bitmap/file_handle.h"
#include "bitmap/header_fields.h"
#include "bitmap/image_limits.h"
#include "bitmap/little_endian_fields.h"
#include "bitmap/nearest_color_search.h"
#include "bitmap/sixteen_bit_pixels.h"
#include "platform/scratch_array.h"

namespace {

// Every write is attempted even after one failed; true when all succeeded.
bool WriteFileHeader(const BITMAPFILEHEADER& header, std::FILE* file) {
    bool written = WriteField(header.bfType, file);
    VisitFileHeaderAfterType(header, [&](auto field) { written &= WriteField(field, file); });
    return written;
}

bool WriteInfoHeader(const BITMAPINFOHEADER& header, std::FILE* file) {
    bool written = true;
    VisitInfoHeader(header, [&](auto field) { written &= WriteField(field, file); });
    return written;
}

std::int32_t ResolutionOrDefault(std::int32_t pelsPerMeter) {
    return pelsPerMeter == 0 ? kDefaultPelsPerMeter : pelsPerMeter;
}

using RowEncoder = bool (BMPImage::*)(std::uint8_t*, std::int32_t, std::int32_t) const;

RowEncoder EncoderFor(std::int32_t bitDepth) {
    switch (bitDepth) {
        case 24:
            return &BMPImage::EncodeRow24;
        default:
            return &BMPImage::EncodeRow32;
    }
}

SaveStatus Failure(SaveError error) { return SaveStatus{error, errno}; }

}  // namespace

bool BMPImage::Save(const char* path) { return SaveWithStatus(path).ok(); }

SaveStatus BMPImage::SaveWithStatus(const char* path) {
    // Sizes in 64-bit arithmetic. For every image the row size times the
    // height is the pixel byte count, so bfSize is the file's length and
    // bfOffBits the offset of the first row.
    const std::optional<std::int32_t> rowSize = StoredRowSize(width, bitDepth);
    const std::int64_t colorBytes = WrittenColorSectionSize(bitDepth);
    const std::int64_t pixelBytes = rowSize ? std::int64_t{*rowSize} * height : 0;
    const std::int64_t fileSize = kHeadersSize + colorBytes + pixelBytes;
    if (!rowSize || fileSize > std::numeric_limits<std::uint32_t>::max()) {
        return SaveStatus{SaveError::TooLarge};
    }
    if (path == nullptr) {
        return SaveStatus{SaveError::CannotOpen, EINVAL};
    }
    std::FILE* opened = std::fopen(path, "wb");
    if (opened == nullptr) {
        return Failure(SaveError::CannotOpen);
    }
    FileHandle file(opened);

    BITMAPFILEHEADER fileHeader;
    fileHeader.bfSize = static_cast<std::uint32_t>(fileSize);
    fileHeader.bfOffBits = static_cast<std::uint32_t>(kHeadersSize + colorBytes);
    BITMAPINFOHEADER info;
    info.biSize = kInfoHeaderSize;
    info.biWidth = width;
    info.biHeight = height;
    info.biBitCount = static_cast<std::uint16_t>(bitDepth);
    info.biCompression = bitDepth == 16 ? kBiBitfields : kBiRgb;
    info.biSizeImage = static_cast<std::uint32_t>(pixelBytes);
    info.biXPelsPerMeter = ResolutionOrDefault(xPelsPerMeter);
    info.biYPelsPerMeter = ResolutionOrDefault(yPelsPerMeter);

    bool written = WriteFileHeader(fileHeader, file.get());
    written = written && WriteInfoHeader(info, file.get());
    if (bitDepth == 16) {
        written = written && WriteSixteenBitPixels(*this, file.get());
    } else {
        written = written && WriteColorSection(file.get());
        written = written && WriteRows(file.get());
    }
    if (!written) {
        return Failure(SaveError::WriteFailed);
    }
    if (!file.Close()) {
        return Failure(SaveError::WriteFailed);
    }
    return SaveStatus{};
}

bool BMPImage::WriteColorSection(std::FILE* file) const {
    if (!HasPalette()) {
        return true;
    }
    // Every indexed image holds its palette, so the full table of 2^depth
    // entries is written as it stands.
    const std::int32_t count = ColorCount();
    for (std::int32_t i = 0; i < count; ++i) {
        if (std::fwrite(&palette[i], 4, 1, file) != 1) {
            return false;
        }
    }
    return true;
}

bool BMPImage::WriteRows(std::FILE* file) const {
    const std::int32_t rowSize = *StoredRowSize(width, bitDepth);
    const std::int32_t chunkRows = RowsPerTransfer(rowSize, height);
    const auto stride = static_cast<std::size_t>(rowSize);
    // Zeroed once: the encoders leave the pad bytes alone, so they stay 0.
    const ScratchArray<std::uint8_t> buffer =
        AllocateZeroedScratch<std::uint8_t>(stride * static_cast<std::size_t>(chunkRows));
    if (!buffer) {
        errno = ENOMEM;
        return false;
    }
    const RowEncoder encode = EncoderFor(bitDepth);
    // Indexed rows share one nearest-colour search across the whole image.
    NearestColorSearch search(*this);
    // Several rows per write, bottom row first.
    std::int32_t row = height - 1;
    while (row >= 0) {
        const std::int32_t rows = std::min(chunkRows, row + 1);
        for (std::int32_t i = 0; i < rows; ++i) {
            std::uint8_t* stored = buffer.get() + static_cast<std::size_t>(i) * stride;
            const bool encoded = HasPalette()
                                     ? EncodeIndexedRow(*this, bitDepth, stored, rowSize, row - i, search)
                                     : (this->*encode)(stored, rowSize, row - i);
            if (!encoded) {
                return false;
            }
        }
        if (std::fwrite(buffer.get(), stride, static_cast<std::size_t>(rows), file) !=
            static_cast<std::size_t>(rows)) {
            return false;
        }
        row -= rows;
    }
    return true;
}
