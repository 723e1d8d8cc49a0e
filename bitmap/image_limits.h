#pragma once

#include <cstdint>
#include <optional>

// Every size that comes from a file header or a caller goes through these
// functions before anything is allocated. They work in 64-bit arithmetic, so
// no product can overflow.

// The largest image the library holds: 2^28 pixels (16384 x 16384), 1 GiB of
// four-byte pixels in memory.
inline constexpr std::int64_t kMaxPixelCount = std::int64_t{1} << 28;

// True when width x height pixels are within kMaxPixelCount (both at least 1).
// The sides are 64-bit so that a size worked out before it becomes an image
// (a resampled one, say) can be tested whatever its magnitude.
bool PixelCountWithinLimit(std::int64_t width, std::int64_t height);

// Bytes of one stored row: the smallest multiple of 4 that holds
// width x bitDepth bits. Empty when the bit count width x bitDepth does not fit
// a signed 32-bit integer, the range in which the format's row arithmetic is
// defined.
std::optional<std::int32_t> StoredRowSize(std::int32_t width, std::int32_t bitDepth);

// Bytes of the palette or mask section that follows the headers in a file the
// library writes: 4 x 2^depth at 1, 4 and 8 bits, the 12 mask bytes at 16 bits,
// none otherwise.
std::int64_t WrittenColorSectionSize(std::int32_t bitDepth);

// How many stored rows of rowSize bytes Load and Save move in one read or
// write: as many as fit in 1 MiB, at least one, at most height. Transfers of
// that size keep the system calls few (through the stream's 4 KiB buffer a
// wide row costs two of them) without a large buffer.
std::int32_t RowsPerTransfer(std::int32_t rowSize, std::int32_t height);
