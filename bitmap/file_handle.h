#pragma once

#include <cstdio>

// Closes a C stream when it goes out of scope, unless Close() already did and
// reported the result (a failed close can mean lost buffered data on write).
class FileHandle {
public:
    explicit FileHandle(std::FILE* opened) : file(opened) {}
    ~FileHandle() {
        if (file != nullptr) std::fclose(file);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    std::FILE* get() const { return file; }
    bool Close() {
        std::FILE* closing = file;
        file = nullptr;
        return std::fclose(closing) == 0;
    }

private:
    std::FILE* file;
};
