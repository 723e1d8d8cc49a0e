#include "bitmap/image_limits.h"

#include <limits>

bool PixelCountWithinLimit(std::int64_t width, std::int64_t height) {
    // Each side is bounded before the product, which then cannot overflow.
    return width >= 1 && height >= 1 && width <= kMaxPixelCount && height <= kMaxPixelCount &&
           width * height <= kMaxPixelCount;
}

std::optional<std::int32_t> StoredRowSize(std::int32_t width, std::int32_t bitDepth) {
    const std::int64_t bits = std::int64_t{width} * std::int64_t{bitDepth};
    if (width < 1 || bitDepth < 1 || bits > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    const std::int64_t bytes = (bits + 7) / 8;
    return static_cast<std::int32_t>((bytes + 3) / 4 * 4);
}

std::int64_t WrittenColorSectionSize(std::int32_t bitDepth) {
    switch (bitDepth) {
        case 1:
        case 4:
        case 8:
            return std::int64_t{4} << bitDepth;
        case 16:
            return 12;
        default:
            return 0;
    }
}

std::int32_t RowsPerTransfer(std::int32_t rowSize, std::int32_t height) {
    constexpr std::int32_t kTransferBytes = 1 << 20;
    const std::int32_t rows = rowSize > 0 ? kTransferBytes / rowSize : 1;
    return rows < 1 ? 1 : rows > height ? height : rows;
}
