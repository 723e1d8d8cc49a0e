#pragma once

#include "bitmap/bmp_image.h"

// The paint filter: each interior pixel of destination becomes the average
// colour of the most populated intensity bin among the 11 x 11 source pixels
// around it. A frame of 5 pixels on every side is not written, nor is Alpha.
// The destination is expected to have the source's width and height.
//
// With 8-bit channels every pixel falls into intensity bin 0 (see
// paint_filter.cpp), so the result is the per-channel mean of the window,
// truncated. PaintFilter computes it with running sums in constant time per
// pixel; PaintFilterLiteral runs the histogram as written and writes the same
// bytes, far more slowly. When the sizes differ PaintFilter falls back to the
// literal version, whose writes go through the clamping of At().
void PaintFilter(const BMPImage& source, BMPImage& destination);
void PaintFilterLiteral(const BMPImage& source, BMPImage& destination);
