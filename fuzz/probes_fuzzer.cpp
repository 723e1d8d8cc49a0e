// Any bytes as a file: the header probes return records whose fields are the
// file's bytes at their offsets, or the defaults past the end.

#include <cstdint>
#include <cstdlib>

#include "bitmap/utilities/header_probes.h"
#include "memory_file.h"

namespace {

void Expect(bool condition) {
    if (!condition) std::abort();
}

// A field wholly inside the file holds the file's little-endian bytes; one
// wholly past the end keeps its default (when it has one). A field the end
// cuts in two is left to the probe.
class FieldCheck {
public:
    FieldCheck(const std::uint8_t* bytes, std::size_t length) : data(bytes), size(length) {}

    void Field(std::uint32_t actual, std::size_t offset, int width) const {
        if (offset + static_cast<std::size_t>(width) <= size) Expect(actual == Stored(offset, width));
    }
    void FieldWithDefault(std::uint32_t actual, std::size_t offset, int width, std::uint32_t fallback) const {
        Field(actual, offset, width);
        if (offset >= size) Expect(actual == fallback);
    }

private:
    std::uint32_t Stored(std::size_t offset, int width) const {
        std::uint32_t value = 0;
        for (int i = width - 1; i >= 0; --i) value = value << 8 | data[offset + static_cast<std::size_t>(i)];
        return value;
    }

    const std::uint8_t* data;
    std::size_t size;
};

std::uint32_t Bits(std::int32_t value) { return static_cast<std::uint32_t>(value); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryFile file(data, size);
    const BITMAPFILEHEADER fileHeader = ProbeFileHeader(file.Path());
    const BITMAPINFOHEADER info = ProbeInfoHeader(file.Path());
    const FieldCheck check(data, size);
    check.FieldWithDefault(fileHeader.bfType, 0, 2, 19778);
    check.Field(fileHeader.bfSize, 2, 4);
    check.FieldWithDefault(fileHeader.bfReserved1, 6, 2, 0);
    check.FieldWithDefault(fileHeader.bfReserved2, 8, 2, 0);
    check.Field(fileHeader.bfOffBits, 10, 4);
    check.Field(info.biSize, 14, 4);
    check.Field(Bits(info.biWidth), 18, 4);
    check.Field(Bits(info.biHeight), 22, 4);
    check.FieldWithDefault(info.biPlanes, 26, 2, 1);
    check.Field(info.biBitCount, 28, 2);
    check.FieldWithDefault(info.biCompression, 30, 4, 0);
    check.Field(info.biSizeImage, 34, 4);
    check.FieldWithDefault(Bits(info.biXPelsPerMeter), 38, 4, 3780);
    check.FieldWithDefault(Bits(info.biYPelsPerMeter), 42, 4, 3780);
    check.FieldWithDefault(info.biClrUsed, 46, 4, 0);
    check.FieldWithDefault(info.biClrImportant, 50, 4, 0);
    Expect(ProbeBitDepth(file.Path()) == info.biBitCount);
    return 0;
}
