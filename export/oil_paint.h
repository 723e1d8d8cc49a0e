#pragma once

#include <cstdint>

#include "bitmap/bmp_image.h"

// The oil-paint effect: each pixel becomes the average colour of the most
// populated intensity level among the (2 radius + 1)^2 source pixels around
// it (the lowest level on ties). A frame of radius pixels is not written, nor
// is Alpha. A pixel's level is trunc((R + G + B) x 1/3 x (levels - 1) x 1/255),
// capped at levels - 1.
//
// OilPaint returns false, writing nothing, unless radius is 1 ... 50 and
// levels 2 ... 256. The destination should have the source's size; when it
// does not, the pixels are written through the clamping of At().
inline constexpr std::int32_t kMinPaintRadius = 1;
inline constexpr std::int32_t kMaxPaintRadius = 50;
inline constexpr std::int32_t kMinPaintLevels = 2;
inline constexpr std::int32_t kMaxPaintLevels = 256;

bool OilPaint(const BMPImage& source, BMPImage& destination, std::int32_t radius, std::int32_t levels);

// The general filter behind OilPaint and PaintFilter: window radius, number
// of bins, and the scale that stands where levels - 1 stands above. The module's
// paint filter is radius 5, 256 bins and kModuleScale.
struct HistogramPaintSettings {
    std::int32_t radius;
    std::int32_t bins;  // 1 ... 256
    double scale;
};

// Histograms of each column that slide down the image and a window histogram
// that slides along each row: a few vector operations and 2 radius + 1
// additions per pixel.
void HistogramPaint(const BMPImage& source, BMPImage& destination, const HistogramPaintSettings& settings);
// The same bytes, a fresh histogram for every pixel: the reference.
void HistogramPaintLiteral(const BMPImage& source, BMPImage& destination, const HistogramPaintSettings& settings);
