// florwash resize IN OUT (--percent P | --width W | --height H | --fit N):
// Resample from the shell, saving the 24-bit result.

#include <climits>
#include <memory>
#include <string>

#include "bitmap/image_limits.h"
#include "bitmap/utilities/resample.h"
#include "bitmap/utilities/resample_size.h"
#include "cli/commands.h"
#include "cli/image_files.h"
#include "cli/report.h"

namespace {

struct ResizeOptions {
    std::string input;
    std::string output;
    char mode = 0;  // the Resample letter of the one size option given
    std::int32_t value = 0;
};

std::string CannotResize(const std::string& path, const ResampledSize& size, const std::string& reason) {
    return "cannot resize '" + path + "' to " + std::to_string(size.width) + " \u00d7 " +
           std::to_string(size.height) + " pixels: " + reason;
}

int RunResize(const ResizeOptions& options) {
    BMPImage image;
    if (!LoadOrReport(image, options.input)) {
        return 1;
    }
    const ResampledSize size = *ResampleSize(image.Width(), image.Height(), options.mode, options.value);
    if (!PixelCountWithinLimit(size.width, size.height)) {
        ReportError(CannotResize(options.input, size,
                                 "over the limit of " + std::to_string(kMaxPixelCount) + " pixels"));
        return 1;
    }
    if (!Resample(image, options.mode, options.value)) {
        ReportError(CannotResize(options.input, size, "not enough memory"));
        return 1;
    }
    return SaveOrReport(image, options.output) ? 0 : 1;
}

}  // namespace

void AddResizeCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<ResizeOptions>();
    CLI::App* command = app.add_subcommand(
        "resize", "Rescale a BMP file by bilinear interpolation and write a 24-bit BMP file");
    command->add_option("IN", options->input, "BMP file to rescale")->required();
    command->add_option("OUT", options->output, "24-bit BMP file to write")->required();
    CLI::Option_group* size = command->add_option_group("size", "The new size");
    const struct {
        const char* name;
        char mode;
        const char* help;
    } modes[] = {{"--percent", 'P', "Scale both sides to P percent"},
                 {"--width", 'W', "Set the width, keeping the proportions"},
                 {"--height", 'H', "Set the height, keeping the proportions"},
                 {"--fit", 'F', "Set the longer side, keeping the proportions"}};
    for (const auto& mode : modes) {
        size->add_option_function<std::int32_t>(
                mode.name,
                [options, letter = mode.mode](std::int32_t value) {
                    options->mode = letter;
                    options->value = value;
                },
                mode.help)
            ->check(CLI::Range(1, INT32_MAX));
    }
    size->require_option(1);
    command->callback([options, &exitCode] { exitCode = RunResize(*options); });
}
