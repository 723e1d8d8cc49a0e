// Copy construction of BMPImage.

#include <algorithm>

#include "bitmap/bmp_image.h"

BMPImage::BMPImage(BMPImage& source) : BMPImage() {
    SetDepth(source.Depth());
    SetDimensions(source.Width(), source.Height());
    // Through whole dots per inch, horizontal first: a copy's resolution is
    // not always the source's (3780 pixels per metre comes back as 3779).
    const std::int32_t horizontal = source.HorizontalDPI();
    const std::int32_t vertical = source.VerticalDPI();
    SetResolutionDPI(horizontal, vertical);
    if (HasPalette()) {
        for (std::int32_t i = 0; i < ColorCount(); ++i) {
            SetPaletteColor(i, source.PaletteColor(i));
        }
    }
    // Row by row over the copy's own size. Should SetDimensions have failed,
    // the copy is still 1 x 1 and takes the source's top-left pixel, as
    // copying through the clamping At would.
    for (std::int32_t row = 0; row < height; ++row) {
        std::copy_n(source.Row(row), width, Row(row));
    }
}
