#pragma once

// Building BMP files byte by byte for tests, with every header field open to
// change, and small file helpers.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "bitmap/bmp_headers.h"
#include "bitmap/pixel.h"

using Bytes = std::vector<std::uint8_t>;

struct BmpSpec {
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    Bytes afterHeaders;  // palette, masks and gap, as stored
    Bytes pixelData;     // the rows as stored, bottom row first
};

// A valid header pair for width x height at bits per pixel, with bfOffBits
// and bfSize set for colorBytes bytes between the headers and the rows.
BmpSpec ValidSpec(std::int32_t width, std::int32_t height, std::uint16_t bits,
                  std::uint32_t colorBytes = 0);

// The headers field by field, little-endian, then afterHeaders and pixelData.
Bytes Serialize(const BmpSpec& spec);

void AppendLE(Bytes& bytes, std::uint64_t value, int size);
std::uint32_t ReadLE(const Bytes& bytes, std::size_t offset, int size);

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes);
Bytes ReadBytes(const std::filesystem::path& path);

// A fresh directory removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::filesystem::path operator/(const std::string& name) const { return path / name; }
    const std::filesystem::path& Path() const { return path; }

private:
    std::filesystem::path path;
};
