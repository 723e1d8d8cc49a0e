#include "support/bmp_bytes.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

BmpSpec ValidSpec(std::int32_t width, std::int32_t height, std::uint16_t bits,
                  std::uint32_t colorBytes) {
    BmpSpec spec;
    const std::int64_t rowSize = (std::int64_t{width} * bits + 31) / 32 * 4;
    spec.file.bfOffBits = 54 + colorBytes;
    spec.file.bfSize = static_cast<std::uint32_t>(54 + colorBytes + rowSize * height);
    spec.info.biSize = 40;
    spec.info.biWidth = width;
    spec.info.biHeight = height;
    spec.info.biBitCount = bits;
    spec.info.biSizeImage = static_cast<std::uint32_t>(rowSize * height);
    return spec;
}

void AppendLE(Bytes& bytes, std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::uint32_t ReadLE(const Bytes& bytes, std::size_t offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = value << 8 | bytes.at(offset + static_cast<std::size_t>(i));
    }
    return value;
}

Bytes Serialize(const BmpSpec& spec) {
    Bytes bytes;
    AppendLE(bytes, spec.file.bfType, 2);
    AppendLE(bytes, spec.file.bfSize, 4);
    AppendLE(bytes, spec.file.bfReserved1, 2);
    AppendLE(bytes, spec.file.bfReserved2, 2);
    AppendLE(bytes, spec.file.bfOffBits, 4);
    AppendLE(bytes, spec.info.biSize, 4);
    AppendLE(bytes, static_cast<std::uint32_t>(spec.info.biWidth), 4);
    AppendLE(bytes, static_cast<std::uint32_t>(spec.info.biHeight), 4);
    AppendLE(bytes, spec.info.biPlanes, 2);
    AppendLE(bytes, spec.info.biBitCount, 2);
    AppendLE(bytes, spec.info.biCompression, 4);
    AppendLE(bytes, spec.info.biSizeImage, 4);
    AppendLE(bytes, static_cast<std::uint32_t>(spec.info.biXPelsPerMeter), 4);
    AppendLE(bytes, static_cast<std::uint32_t>(spec.info.biYPelsPerMeter), 4);
    AppendLE(bytes, spec.info.biClrUsed, 4);
    AppendLE(bytes, spec.info.biClrImportant, 4);
    bytes.insert(bytes.end(), spec.afterHeaders.begin(), spec.afterHeaders.end());
    bytes.insert(bytes.end(), spec.pixelData.begin(), spec.pixelData.end());
    return bytes;
}

void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "florwash-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path = pattern;
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}
