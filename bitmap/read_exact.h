#pragma once

#include <cstdint>
#include <cstdio>

// Reads count items of size bytes from file into buffer. Fails without reading
// when the end-of-file indicator is already set, and fails when fewer than
// count whole items arrive. A negative size or count reads nothing and fails.
bool ReadExact(void* buffer, std::int32_t size, std::int32_t count, std::FILE* file);
