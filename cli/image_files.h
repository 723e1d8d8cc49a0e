#pragma once

#include <string>

#include "bitmap/bmp_image.h"

// Reading and writing the commands' image files. On failure each prints the
// one-line "cannot read" or "cannot write" message naming the file and the
// reason, and returns false; the command then exits with status 1.

bool LoadOrReport(BMPImage& image, const std::string& path);

// Saves through SaveAtomically, so a failure leaves no partial file.
bool SaveOrReport(BMPImage& image, const std::string& path);
