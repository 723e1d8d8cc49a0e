#pragma once

#include <optional>
#include <string>

// Which filter a paint run uses: the module's own (no options given), or the
// oil-paint effect with a radius and a number of intensity levels.
struct PaintChoice {
    std::optional<int> radius;
    std::optional<int> levels;

    bool UsesModuleFilter() const { return !radius && !levels; }
};

// Paints input into output (written atomically). Empty on success; otherwise
// the one-line message for the user, naming the file and the reason.
std::optional<std::string> PaintFile(const std::string& input, const std::string& output, const PaintChoice& choice);
