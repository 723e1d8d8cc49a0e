#include "bitmap/utilities/region_copy.h"

#include <algorithm>

#include "bitmap/utilities/pixel_copy.h"

namespace {

// Bounds in 64 bits: a caller's int32 arguments can make right - left, and
// the fitted bounds of steps 6 and 7, leave the 32-bit range. Every value that
// reaches a pixel copy lies within an image again.
struct Span {
    std::int64_t first, last;
};

// Steps 2 to 7 for one axis: clamp to the source's extent, then cut the far
// end so that the span ends at the destination's edge.
Span FitSpan(std::int64_t first, std::int64_t last, std::int32_t sourceExtent,
             std::int32_t destinationStart, std::int32_t destinationExtent) {
    if (last >= sourceExtent) last = sourceExtent - 1;
    if (first < 0) first = 0;
    if (destinationStart + (last - first) >= destinationExtent) {
        last = first + destinationExtent - 1 - destinationStart;
    }
    return Span{first, last};
}

template <typename CopyOne>
void CopyEachPixel(const BMPImage& source, std::int32_t left, std::int32_t right,
                   std::int32_t firstRowBound, std::int32_t secondRowBound,
                   BMPImage& destination, std::int32_t destinationColumn,
                   std::int32_t destinationRow, CopyOne copyOne) {
    // The order of the format's steps is kept: right, left, bottom, top are
    // clamped before either far end is fitted to the destination. The two
    // axes do not interact, so fitting each axis whole gives the same bounds.
    const Span columns = FitSpan(left, right, source.Width(), destinationColumn, destination.Width());
    const Span rows = FitSpan(std::min(firstRowBound, secondRowBound),
                              std::max(firstRowBound, secondRowBound), source.Height(),
                              destinationRow, destination.Height());
    for (std::int64_t row = rows.first; row <= rows.last; ++row) {
        for (std::int64_t column = columns.first; column <= columns.last; ++column) {
            copyOne(static_cast<std::int32_t>(column), static_cast<std::int32_t>(row),
                    static_cast<std::int32_t>(destinationColumn + (column - columns.first)),
                    static_cast<std::int32_t>(destinationRow + (row - rows.first)));
        }
    }
}

}  // namespace

void CopyRegion(const BMPImage& source, std::int32_t left, std::int32_t right,
                std::int32_t firstRowBound, std::int32_t secondRowBound, BMPImage& destination,
                std::int32_t destinationColumn, std::int32_t destinationRow) {
    CopyEachPixel(source, left, right, firstRowBound, secondRowBound, destination,
                  destinationColumn, destinationRow,
                  [&](std::int32_t column, std::int32_t row, std::int32_t toColumn, std::int32_t toRow) {
                      CopyPixel(source, column, row, destination, toColumn, toRow);
                  });
}

void CopyRegionKeyed(const BMPImage& source, std::int32_t left, std::int32_t right,
                     std::int32_t firstRowBound, std::int32_t secondRowBound,
                     BMPImage& destination, std::int32_t destinationColumn,
                     std::int32_t destinationRow, const Pixel& key) {
    CopyEachPixel(source, left, right, firstRowBound, secondRowBound, destination,
                  destinationColumn, destinationRow,
                  [&](std::int32_t column, std::int32_t row, std::int32_t toColumn, std::int32_t toRow) {
                      CopyPixelKeyed(source, column, row, destination, toColumn, toRow, key);
                  });
}
