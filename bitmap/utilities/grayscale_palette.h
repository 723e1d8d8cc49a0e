#pragma once

#include "bitmap/bmp_image.h"

// Gives an image of depth 1, 4 or 8 an even grey ramp from black to white:
// 0 and 255; 0, 17, ... 255; or each entry's grey equal to its index. Alpha
// is 0. False, changing nothing, at other depths.
bool SetGrayscalePalette(BMPImage& image);
