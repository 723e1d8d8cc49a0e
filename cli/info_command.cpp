// florwash info FILE...: what the header probes and the loader say about each
// file, as an aligned block for people or one JSON object per line.

#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bitmap/bmp_headers.h"
#include "bitmap/resolution.h"
#include "cli/commands.h"
#include "cli/file_facts.h"
#include "cli/json_object.h"

namespace {

struct InfoOptions {
    std::vector<std::string> files;
    bool json = false;
};

// Dots per inch as the image's queries report them: an unset resolution
// counts as the default that a saved file would carry.
std::int32_t ReportedDPI(std::int32_t pelsPerMeter) {
    return DPIFromPelsPerMeter(pelsPerMeter == 0 ? kDefaultPelsPerMeter : pelsPerMeter);
}

std::string CompressionName(std::uint32_t compression) {
    switch (compression) {
        case kBiRgb:
            return "0 (none)";
        case kBiRle8:
            return "1 (RLE8)";
        case kBiRle4:
            return "2 (RLE4)";
        case kBiBitfields:
            return "3 (bit fields)";
        default:
            return std::to_string(compression);
    }
}

std::string Pair(std::int64_t x, std::int64_t y) { return std::to_string(x) + " \u00d7 " + std::to_string(y); }

std::string Resolution(const BITMAPINFOHEADER& info) {
    return Pair(info.biXPelsPerMeter, info.biYPelsPerMeter) + " pixels per metre, " +
           Pair(ReportedDPI(info.biXPelsPerMeter), ReportedDPI(info.biYPelsPerMeter)) + " dots per inch";
}

void PrintBlock(const FileFacts& facts) {
    std::vector<std::pair<std::string, std::string>> rows;
    if (facts.opened) {
        const BITMAPINFOHEADER& info = facts.infoHeader;
        rows = {{"width", std::to_string(info.biWidth)},
                {"height", std::to_string(info.biHeight)},
                {"bits per pixel", std::to_string(info.biBitCount)},
                {"compression", CompressionName(info.biCompression)},
                {"palette entries", std::to_string(facts.paletteEntries)},
                {"resolution", Resolution(info)},
                {"file size", std::to_string(facts.fileSize) + " bytes"}};
    }
    rows.emplace_back("loads", facts.loads ? "yes" : "no: " + facts.reason);
    std::printf("%s\n", facts.path.c_str());
    for (const auto& [label, value] : rows) {
        // Labels padded to the longest, "palette entries".
        std::printf("  %-16s %s\n", label.c_str(), value.c_str());
    }
}

void PrintJson(const FileFacts& facts) {
    JsonObject object;
    object.AddString("path", facts.path);
    if (facts.opened) {
        const BITMAPINFOHEADER& info = facts.infoHeader;
        object.AddNumber("width", info.biWidth);
        object.AddNumber("height", info.biHeight);
        object.AddNumber("bits_per_pixel", info.biBitCount);
        object.AddNumber("compression", info.biCompression);
        object.AddNumber("palette_entries", facts.paletteEntries);
        object.AddNumber("x_pixels_per_metre", info.biXPelsPerMeter);
        object.AddNumber("y_pixels_per_metre", info.biYPelsPerMeter);
        object.AddNumber("x_dots_per_inch", ReportedDPI(info.biXPelsPerMeter));
        object.AddNumber("y_dots_per_inch", ReportedDPI(info.biYPelsPerMeter));
        object.AddNumber("file_size", static_cast<std::int64_t>(facts.fileSize));
    }
    object.AddBool("loads", facts.loads);
    if (!facts.loads) {
        object.AddString("reason", facts.reason);
    }
    std::printf("%s\n", object.Text().c_str());
}

int RunInfo(const InfoOptions& options) {
    int exitCode = 0;
    bool first = true;
    for (const std::string& path : options.files) {
        const FileFacts facts = GatherFileFacts(path);
        if (options.json) {
            PrintJson(facts);
        } else {
            if (!first) std::printf("\n");
            PrintBlock(facts);
        }
        first = false;
        if (!facts.loads) exitCode = 1;
    }
    return exitCode;
}

}  // namespace

void AddInfoCommand(CLI::App& app, int& exitCode) {
    auto options = std::make_shared<InfoOptions>();
    CLI::App* command = app.add_subcommand(
        "info", "Show the headers of BMP files and whether they can be loaded");
    command->add_option("FILE", options->files, "BMP files to describe")->required();
    command->add_flag("--json", options->json, "One JSON object per line per file");
    command->callback([options, &exitCode] { exitCode = RunInfo(*options); });
}
