#pragma once

#include <cstdint>
#include <string>

// Files for the benchmarks, in a temporary folder of this process that is
// removed when the program ends.

// A photo-like BMP file (see FillPhotoLike) of the given size and depth, made
// on first use. Empty when it could not be written.
std::string PhotoFile(std::int32_t width, std::int32_t height, std::int32_t depth);

// A path in the same folder for a benchmark to write to.
std::string ScratchPath(const std::string& name);
