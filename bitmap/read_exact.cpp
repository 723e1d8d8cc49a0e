#include "bitmap/read_exact.h"

bool ReadExact(void* buffer, std::int32_t size, std::int32_t count, std::FILE* file) {
    if (std::feof(file) || size < 0 || count < 0) {
        return false;
    }
    const std::size_t read = std::fread(buffer, static_cast<std::size_t>(size),
                                        static_cast<std::size_t>(count), file);
    return read >= static_cast<std::size_t>(count);
}
