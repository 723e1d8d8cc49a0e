#include "cli/image_files.h"

#include "cli/atomic_save.h"
#include "cli/report.h"

namespace {

bool ReportIfAny(const std::optional<std::string>& problem) {
    if (problem) {
        ReportError(*problem);
    }
    return !problem;
}

}  // namespace

std::optional<std::string> LoadProblem(BMPImage& image, const std::string& path) {
    const LoadStatus loaded = image.LoadWithStatus(path.c_str());
    if (!loaded.ok()) {
        return CannotRead(path, loaded.Describe());
    }
    return std::nullopt;
}

std::optional<std::string> SaveProblem(BMPImage& image, const std::string& path) {
    const SaveStatus saved = SaveAtomically(image, path);
    if (!saved.ok()) {
        return CannotWrite(path, saved.Describe());
    }
    return std::nullopt;
}

bool LoadOrReport(BMPImage& image, const std::string& path) { return ReportIfAny(LoadProblem(image, path)); }

bool SaveOrReport(BMPImage& image, const std::string& path) { return ReportIfAny(SaveProblem(image, path)); }
