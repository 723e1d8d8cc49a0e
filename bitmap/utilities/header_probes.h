#pragma once

#include <cstdint>

#include "bitmap/bmp_headers.h"

// Reading a BMP file's headers without loading it. Each probe opens and closes
// the file itself, starts from the record's defaults and reads the fields over
// them one at a time; nothing is validated and no short file is reported. A
// field the file ends before keeps its default, or 0 where it has none; one
// the end cuts short takes the bytes that arrived over its earlier value.

// The 14-byte file header. A path that cannot be opened (or a null path)
// gives bfType 0, the only failure sign any probe gives; an empty file keeps
// the default bfType 19778.
BITMAPFILEHEADER ProbeFileHeader(const char* path);

// The 40-byte info header at offset 14. A path that cannot be opened gives the
// defaults.
BITMAPINFOHEADER ProbeInfoHeader(const char* path);

// ProbeInfoHeader(path).biBitCount; 0 for a path that cannot be opened.
std::int32_t ProbeBitDepth(const char* path);
