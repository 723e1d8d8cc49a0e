#pragma once

// A file that lives in memory (memfd), reachable by a path that Load and Save
// can open like any other, so fuzzing never touches the disk.

#include <cstddef>
#include <cstdint>
#include <string>

class MemoryFile {
public:
    MemoryFile();
    MemoryFile(const std::uint8_t* data, std::size_t size);
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    const char* Path() const { return path.c_str(); }

private:
    int descriptor;
    std::string path;
};
