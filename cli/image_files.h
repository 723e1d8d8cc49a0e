#pragma once

#include <optional>
#include <string>

#include "bitmap/bmp_image.h"

// Reading and writing the commands' image files. A problem comes back as the
// one-line "cannot read" or "cannot write" message naming the file and the
// reason; the Or-Report forms print it and return false, and the command then
// exits with status 1.

std::optional<std::string> LoadProblem(BMPImage& image, const std::string& path);
// Saves through SaveAtomically, so a failure leaves no partial file.
std::optional<std::string> SaveProblem(BMPImage& image, const std::string& path);

bool LoadOrReport(BMPImage& image, const std::string& path);
bool SaveOrReport(BMPImage& image, const std::string& path);
