#include "cli/paint_job.h"

#include "cli/image_files.h"
#include "cli/report.h"
#include "export/oil_paint.h"
#include "export/paint_image.h"

namespace {

// Default settings of the oil-paint effect when only one option is given:
// the module's window and a full 256 levels.
constexpr int kDefaultRadius = 5;
constexpr int kDefaultLevels = 256;

bool Paint(const BMPImage& source, BMPImage& destination, const PaintChoice& choice) {
    if (choice.UsesModuleFilter()) {
        return PaintImage(source, destination);
    }
    return destination.SetDimensions(source.Width(), source.Height()) &&
           OilPaint(source, destination, choice.radius.value_or(kDefaultRadius),
                    choice.levels.value_or(kDefaultLevels));
}

}  // namespace

std::optional<std::string> PaintFile(const std::string& input, const std::string& output, const PaintChoice& choice,
                                     PaintImages& images) {
    if (auto problem = LoadProblem(images.source, input)) {
        return problem;
    }
    if (!Paint(images.source, images.destination, choice)) {
        return CannotWrite(output, "not enough memory for the painted image");
    }
    return SaveProblem(images.destination, output);
}
