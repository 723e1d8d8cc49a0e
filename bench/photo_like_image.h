#pragma once

#include <cstdint>

#include "bitmap/bmp_image.h"

// Fills image with a deterministic photo-like picture: smooth colour gradients
// and gentle waves, plus a little per-pixel noise. Unlike random pixels, such
// an image has long runs of similar colours, which is what the codecs and the
// nearest-colour search meet in real photographs. Alpha is 0.
void FillPhotoLike(BMPImage& image, std::uint32_t seed);
