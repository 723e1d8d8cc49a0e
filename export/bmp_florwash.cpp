#include "export/bmp_florwash.h"

#include <optional>
#include <string>

#include "bitmap/bmp_image.h"
#include "export/paint_image.h"
#include "export/same_file.h"
#include "platform/utf16_to_utf8.h"

namespace {

// A null path, or one that is not valid UTF-16, stays null: Load and Save
// treat it as a file that cannot be opened.
std::optional<std::string> NarrowPath(const char16_t* path) {
    if (path == nullptr) {
        return std::nullopt;
    }
    return Utf16ToUtf8(path);
}

const char* PathOrNull(const std::optional<std::string>& path) {
    return path ? path->c_str() : nullptr;
}

}  // namespace

extern "C" int32_t BMPFlorwash(const char16_t* source, const char16_t* destination) {
    // Nothing may escape to a C host; the only thing that could throw here is
    // the path conversion running out of memory.
    try {
        BMPImage sourceImage;
        BMPImage destinationImage;
        const std::optional<std::string> sourcePath = NarrowPath(source);
        const bool loaded = sourceImage.Load(PathOrNull(sourcePath));
        const std::optional<std::string> destinationPath = NarrowPath(destination);
        // A file the loader refuses (top-down, compressed, not a BMP at all)
        // must not be replaced by the 1 x 1 white image when it is also the
        // destination: that would destroy the user's only copy.
        if (!loaded && SameExistingFile(PathOrNull(sourcePath), PathOrNull(destinationPath))) {
            return 999;
        }
        // Otherwise a source that cannot be read leaves a 1 x 1 image and
        // yields a 1 x 1 white file, and the save's result is not examined.
        PaintImage(sourceImage, destinationImage);
        destinationImage.Save(PathOrNull(destinationPath));
    } catch (...) {
    }
    return 999;
}
