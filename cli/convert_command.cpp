// florwash convert IN OUT --depth N [--grayscale]: re-encode a BMP file at
// another depth, optionally onto a grey palette.

#include <memory>
#include <string>

#include "cli/commands.h"
#include "bitmap/utilities/grayscale_palette.h"
#include "cli/image_files.h"
#include "cli/report.h"

namespace {

struct ConvertOptions {
    std::string input;
    std::string output;
    int depth = 24;
    bool grayscale = false;
};

int RunConvert(const ConvertOptions& options) {
    BMPImage image;
    if (!LoadOrReport(image, options.input)) {
        return 1;
    }
    // A source already at the target depth keeps its own palette; any other
    // conversion gives an indexed output the standard palette of its depth.
    if (image.Depth() != options.depth) {
        image.SetDepth(options.depth);
    }
    // The grey ramp goes in before the pixels are mapped to the palette, so
    // each pixel is stored as its nearest grey.
    if (options.grayscale && !SetGrayscalePalette(image)) {
        ReportError("--grayscale needs an indexed output (--depth 1, 4 or 8)");
        return 2;
    }
    return SaveOrReport(image, options.output) ? 0 : 1;
}

}  // namespace

void AddConvertCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<ConvertOptions>();
    CLI::App* command = app.add_subcommand("convert", "Re-encode a BMP file at another bit depth");
    command->add_option("IN", options->input, "BMP file to read")->required();
    command->add_option("OUT", options->output, "BMP file to write")->required();
    command->add_option("--depth", options->depth, "Bits per pixel of OUT")
        ->required()
        ->check(CLI::IsMember({1, 4, 8, 16, 24, 32}));
    command->add_flag("--grayscale", options->grayscale, "Give an indexed OUT an even grey palette");
    command->callback([options, &exitCode] { exitCode = RunConvert(*options); });
}
