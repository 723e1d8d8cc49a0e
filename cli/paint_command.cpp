// florwash paint: the module's paint filter, or with --radius/--levels the
// oil-paint effect, on one file (IN OUT) or many (--output-dir DIR FILE...).
// Without options the output holds exactly the bytes the module's export
// writes for every source that loads.

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "cli/commands.h"
#include "cli/paint_batch.h"
#include "cli/paint_job.h"
#include "cli/report.h"
#include "export/oil_paint.h"

namespace {

struct PaintOptions {
    std::vector<std::string> files;
    std::string outputDirectory;
    PaintChoice choice;
    unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
};

int RunPaint(const PaintOptions& options) {
    if (!options.outputDirectory.empty()) {
        return PaintBatch(options.files, options.outputDirectory, options.choice, options.jobs);
    }
    if (options.files.size() != 2) {
        ReportError("paint takes IN and OUT, or --output-dir DIR and the files to paint (see florwash paint --help)");
        return 2;
    }
    PaintImages images;
    if (const auto problem = PaintFile(options.files[0], options.files[1], options.choice, images)) {
        ReportError(*problem);
        return 1;
    }
    return 0;
}

}  // namespace

void AddPaintCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<PaintOptions>();
    CLI::App* command = app.add_subcommand("paint", "Paint BMP files and write 24-bit BMP files");
    command->footer("Usage:\n  florwash paint [--radius R] [--levels L] IN OUT\n"
                    "  florwash paint [--radius R] [--levels L] [--jobs N] --output-dir DIR FILE...");
    command->add_option("files", options->files, "IN and OUT, or with --output-dir the files to paint")
        ->required()
        ->type_name("FILE");
    command->add_option("--radius", options->choice.radius, "Oil-paint window radius (default 5)")
        ->check(CLI::Range(kMinPaintRadius, kMaxPaintRadius));
    command->add_option("--levels", options->choice.levels, "Oil-paint intensity levels (default 256)")
        ->check(CLI::Range(kMinPaintLevels, kMaxPaintLevels));
    command->add_option("--output-dir", options->outputDirectory, "Paint every FILE into DIR under its own name")
        ->type_name("DIR");
    command->add_option("--jobs", options->jobs, "Files painted at once with --output-dir (default: cores)")
        ->check(CLI::Range(1u, 1024u));
    command->callback([options, &exitCode] { exitCode = RunPaint(*options); });
}
