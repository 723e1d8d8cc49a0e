#include "bitmap/utilities/header_probes.h"

#include <cstdio>

#include "bitmap/file_handle.h"
#include "bitmap/header_reading.h"
#include "bitmap/little_endian_fields.h"
#include "bitmap/read_exact.h"

namespace {

std::FILE* OpenForReading(const char* path) {
    return path != nullptr ? std::fopen(path, "rb") : nullptr;
}

}  // namespace

// The results of the reads are ignored on purpose: every field is attempted,
// and what the file does not hold keeps its earlier value.

BITMAPFILEHEADER ProbeFileHeader(const char* path) {
    BITMAPFILEHEADER header;
    std::FILE* opened = OpenForReading(path);
    if (opened == nullptr) {
        header.bfType = 0;
        return header;
    }
    FileHandle file(opened);
    ReadField(header.bfType, file.get());
    ReadFileHeaderAfterType(header, file.get());
    return header;
}

BITMAPINFOHEADER ProbeInfoHeader(const char* path) {
    BITMAPINFOHEADER header;
    std::FILE* opened = OpenForReading(path);
    if (opened == nullptr) {
        return header;
    }
    FileHandle file(opened);
    // Passed over a byte at a time, never by seeking, like every reader here.
    for (std::uint32_t i = 0; i < kFileHeaderSize; ++i) {
        std::uint8_t scratch = 0;
        ReadExact(&scratch, 1, 1, file.get());
    }
    ReadInfoHeader(header, file.get());
    return header;
}

std::int32_t ProbeBitDepth(const char* path) { return ProbeInfoHeader(path).biBitCount; }
