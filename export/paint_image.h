#pragma once

#include "bitmap/bmp_image.h"

// The middle of a paint run, shared by the module's export and the command
// line so both write the same bytes: sizes destination to the source's width
// and height (every pixel white) and runs PaintFilter into it. False when the
// destination could not be sized; it then keeps its old size and the filter
// writes through the clamping of At(), as the module always has.
bool PaintImage(const BMPImage& source, BMPImage& destination);
