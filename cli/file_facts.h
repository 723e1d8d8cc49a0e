#pragma once

#include <cstdint>
#include <string>

#include "bitmap/bmp_headers.h"

// What the header probes and the loader say about one file, for florwash info.
struct FileFacts {
    std::string path;
    // False when the file could not be opened: then only path and reason
    // carry anything.
    bool opened = false;
    std::uintmax_t fileSize = 0;
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER infoHeader;
    std::int32_t paletteEntries = 0;  // the entries Load takes from the file
    bool loads = false;
    std::string reason;  // why the library cannot load the file
};

FileFacts GatherFileFacts(const std::string& path);
