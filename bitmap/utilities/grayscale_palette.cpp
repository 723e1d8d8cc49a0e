#include "bitmap/utilities/grayscale_palette.h"

#include <cstdint>

bool SetGrayscalePalette(BMPImage& image) {
    const std::int32_t depth = image.Depth();
    if (depth != 1 && depth != 4 && depth != 8) {
        return false;
    }
    const std::int32_t count = image.ColorCount();
    const auto step = static_cast<std::uint8_t>(depth == 1 ? 255 : 255 / (count - 1));
    for (std::int32_t i = 0; i < count; ++i) {
        const auto grey = static_cast<std::uint8_t>(i * step);
        image.SetPaletteColor(i, Pixel{grey, grey, grey, 0});
    }
    return true;
}
