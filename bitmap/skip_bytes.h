#pragma once

#include <cstdint>
#include <cstdio>

// Reads and discards count bytes in bounded pieces, so a forged gap in a
// header never sizes an allocation. Stops at the end of the file.
void SkipBytes(std::FILE* file, std::int64_t count);
