#include "cli/image_files.h"

#include "cli/atomic_save.h"
#include "cli/report.h"

bool LoadOrReport(BMPImage& image, const std::string& path) {
    const LoadStatus loaded = image.LoadWithStatus(path.c_str());
    if (!loaded.ok()) {
        ReportError(CannotRead(path, loaded.Describe()));
    }
    return loaded.ok();
}

bool SaveOrReport(BMPImage& image, const std::string& path) {
    const SaveStatus saved = SaveAtomically(image, path);
    if (!saved.ok()) {
        ReportError(CannotWrite(path, saved.Describe()));
    }
    return saved.ok();
}
