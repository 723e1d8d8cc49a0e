// florwash paint IN OUT: the module's paint filter from the shell. For every
// source that loads, OUT holds the bytes the module's export writes.

#include <memory>
#include <string>

#include "cli/commands.h"
#include "cli/image_files.h"
#include "cli/report.h"
#include "export/paint_image.h"

namespace {

struct PaintOptions {
    std::string input;
    std::string output;
};

int RunPaint(const PaintOptions& options) {
    BMPImage source;
    if (!LoadOrReport(source, options.input)) {
        return 1;
    }
    BMPImage destination;
    if (!PaintImage(source, destination)) {
        ReportError(CannotWrite(options.output, "not enough memory for the painted image"));
        return 1;
    }
    return SaveOrReport(destination, options.output) ? 0 : 1;
}

}  // namespace

void AddPaintCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<PaintOptions>();
    CLI::App* command = app.add_subcommand(
        "paint", "Paint a BMP file with the 11 x 11 filter and write a 24-bit BMP file");
    command->add_option("IN", options->input, "BMP file to paint")->required();
    command->add_option("OUT", options->output, "24-bit BMP file to write")->required();
    command->callback([options, &exitCode] { exitCode = RunPaint(*options); });
}
