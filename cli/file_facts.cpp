#include "cli/file_facts.h"

#include <filesystem>
#include <system_error>

#include "bitmap/bmp_image.h"
#include "bitmap/color_table.h"
#include "bitmap/utilities/header_probes.h"

FileFacts GatherFileFacts(const std::string& path) {
    FileFacts facts;
    facts.path = path;
    std::error_code error;
    // A directory opens for reading on some systems and then reads as an empty
    // file; it is named for what it is instead.
    if (std::filesystem::is_directory(path, error)) {
        facts.reason = "cannot be opened (is a directory)";
        return facts;
    }
    BMPImage image;
    const LoadStatus status = image.LoadWithStatus(path.c_str());
    facts.loads = status.ok();
    facts.reason = facts.loads ? "" : status.Describe();
    if (status.error == LoadError::CannotOpen) {
        return facts;
    }
    facts.opened = true;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    facts.fileSize = error ? 0 : size;  // 0 for a stream that has no size
    facts.fileHeader = ProbeFileHeader(path.c_str());
    facts.infoHeader = ProbeInfoHeader(path.c_str());
    facts.paletteEntries = PaletteEntriesInFile(facts.fileHeader, facts.infoHeader);
    return facts;
}
