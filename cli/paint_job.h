#pragma once

#include <optional>
#include <string>

#include "bitmap/bmp_image.h"

// Which filter a paint run uses: the module's own (no options given), or the
// oil-paint effect with a radius and a number of intensity levels.
struct PaintChoice {
    std::optional<int> radius;
    std::optional<int> levels;

    bool UsesModuleFilter() const { return !radius && !levels; }
};

// The two images of a paint run. A worker that paints many files keeps one
// pair, so files of one size reuse the same memory.
struct PaintImages {
    BMPImage source;
    BMPImage destination;
};

// Paints input into output (written atomically), through images. Empty on
// success; otherwise the one-line message for the user, naming the file and
// the reason.
std::optional<std::string> PaintFile(const std::string& input, const std::string& output, const PaintChoice& choice,
                                     PaintImages& images);
