#pragma once

#include <cstdint>
#include <string>

// Why Load refused a file, or why Save could not write one. Load and Save keep
// their boolean results; LoadWithStatus and SaveWithStatus give these records
// for callers that want to tell a user what went wrong.

enum class LoadError {
    None,
    CannotOpen,              // the path could not be opened for reading
    NotBmp,                  // the first two bytes are not "BM"
    TruncatedHeader,         // the file ends inside the 54 header bytes
    UnsupportedCompression,  // RLE, or bit masks at a depth other than 16
    UnsupportedBitDepth,     // biBitCount not 1, 4, 8, 16, 24 or 32
    BadDimensions,           // width or height not positive (top-down files too)
    TooLarge,                // over kMaxPixelCount pixels, or a row beyond 32-bit sizes
    OutOfMemory,             // the pixels could not be allocated
};

struct LoadStatus {
    LoadError error = LoadError::None;
    int systemError = 0;            // errno of a failed open
    std::uint32_t compression = 0;  // biCompression, for UnsupportedCompression
    std::uint32_t bitCount = 0;     // biBitCount, for UnsupportedBitDepth
    std::int32_t width = 0;         // biWidth and biHeight, for the size errors
    std::int32_t height = 0;

    bool ok() const { return error == LoadError::None; }
    // A short phrase for a message, such as "unsupported bit depth 2".
    std::string Describe() const;
};

enum class SaveError {
    None,
    CannotOpen,   // the path could not be opened for writing
    WriteFailed,  // a write or the final close failed (a full disk, say)
    TooLarge,     // the file would exceed the 4 GiB that bfSize can describe
};

struct SaveStatus {
    SaveError error = SaveError::None;
    int systemError = 0;  // errno of the failed open, write or close

    bool ok() const { return error == SaveError::None; }
    std::string Describe() const;
};
