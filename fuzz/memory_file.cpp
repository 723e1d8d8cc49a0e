#include "memory_file.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>

MemoryFile::MemoryFile() : descriptor(memfd_create("florwash-fuzz", 0)) {
    if (descriptor < 0) std::abort();
    path = "/proc/self/fd/" + std::to_string(descriptor);
}

MemoryFile::MemoryFile(const std::uint8_t* data, std::size_t size) : MemoryFile() {
    std::size_t written = 0;
    while (written < size) {
        const ssize_t step = write(descriptor, data + written, size - written);
        if (step <= 0) std::abort();
        written += static_cast<std::size_t>(step);
    }
}

MemoryFile::~MemoryFile() { close(descriptor); }
