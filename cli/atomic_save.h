#pragma once

#include <string>

#include "bitmap/bmp_image.h"

// Saves image to a temporary file beside path and renames it into place only
// once the whole file is written, so a failed or interrupted run leaves any
// earlier file at path intact and no partial file behind.
SaveStatus SaveAtomically(BMPImage& image, const std::string& path);
