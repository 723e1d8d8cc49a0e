// ProbeFileHeader, ProbeInfoHeader and ProbeBitDepth on hand-built files.

#include <gtest/gtest.h>

#include <functional>

#include "bitmap/bmp_image.h"
#include "bitmap/utilities/header_probes.h"
#include "support/bmp_bytes.h"

namespace {

// Every header field holds a different value, so a field read from the wrong
// place or with the wrong width shows.
BmpSpec Distinct() {
    BmpSpec spec;
    spec.file = {kBmpSignature, 0x11223344, 0x5566, 0x7788, 0x0099AABB};
    spec.info = {0x01020304, 0x05060708, -0x090A0B0C, 0x0D0E, 0x0F10, 0x11121314,
                 0x15161718, 0x191A1B1C, -0x1D1E1F20, 0x21222324, 0x25262728};
    spec.pixelData.assign(20, 0xEE);
    return spec;
}

struct Field {
    const char* name;
    std::size_t offset;
    int size;
    std::uint32_t fallback;  // the record's default, or 0 for a field without one
    std::function<std::uint32_t(const BITMAPFILEHEADER&, const BITMAPINFOHEADER&)> probed;
};

const Field kFields[] = {
    {"bfType", 0, 2, 19778, [](auto& f, auto&) { return f.bfType; }},
    {"bfSize", 2, 4, 0, [](auto& f, auto&) { return f.bfSize; }},
    {"bfReserved1", 6, 2, 0, [](auto& f, auto&) { return f.bfReserved1; }},
    {"bfReserved2", 8, 2, 0, [](auto& f, auto&) { return f.bfReserved2; }},
    {"bfOffBits", 10, 4, 0, [](auto& f, auto&) { return f.bfOffBits; }},
    {"biSize", 14, 4, 0, [](auto&, auto& i) { return i.biSize; }},
    {"biWidth", 18, 4, 0, [](auto&, auto& i) { return static_cast<std::uint32_t>(i.biWidth); }},
    {"biHeight", 22, 4, 0, [](auto&, auto& i) { return static_cast<std::uint32_t>(i.biHeight); }},
    {"biPlanes", 26, 2, 1, [](auto&, auto& i) { return i.biPlanes; }},
    {"biBitCount", 28, 2, 0, [](auto&, auto& i) { return i.biBitCount; }},
    {"biCompression", 30, 4, 0, [](auto&, auto& i) { return i.biCompression; }},
    {"biSizeImage", 34, 4, 0, [](auto&, auto& i) { return i.biSizeImage; }},
    {"biXPelsPerMeter", 38, 4, 3780, [](auto&, auto& i) { return static_cast<std::uint32_t>(i.biXPelsPerMeter); }},
    {"biYPelsPerMeter", 42, 4, 3780, [](auto&, auto& i) { return static_cast<std::uint32_t>(i.biYPelsPerMeter); }},
    {"biClrUsed", 46, 4, 0, [](auto&, auto& i) { return i.biClrUsed; }},
    {"biClrImportant", 50, 4, 0, [](auto&, auto& i) { return i.biClrImportant; }},
};

TEST(HeaderProbes, EveryFieldFromItsPlaceAtEveryLengthOfTheFile) {
    TempDir dir;
    const Bytes whole = Serialize(Distinct());
    // Every cut from the empty file to the complete headers, and the whole file.
    for (std::size_t length = 0; length <= 55; ++length) {
        const std::size_t kept = length == 55 ? whole.size() : length;
        const auto path = dir / "cut.bmp";
        WriteBytes(path, Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(kept)));
        const BITMAPFILEHEADER file = ProbeFileHeader(path.c_str());
        const BITMAPINFOHEADER info = ProbeInfoHeader(path.c_str());
        for (const Field& field : kFields) {
            if (field.offset + static_cast<std::size_t>(field.size) <= kept) {
                EXPECT_EQ(field.probed(file, info), ReadLE(whole, field.offset, field.size))
                    << field.name << " in a file of " << kept << " bytes";
            } else if (field.offset >= kept) {
                EXPECT_EQ(field.probed(file, info), field.fallback)
                    << field.name << " past the end of a file of " << kept << " bytes";
            }
        }
        if (kept >= 30 || kept <= 28) {
            EXPECT_EQ(ProbeBitDepth(path.c_str()), kept >= 30 ? 0x0F10 : 0) << kept << " bytes";
        }
    }
}

TEST(HeaderProbes, BitDepthOfSavedFiles) {
    TempDir dir;
    for (std::int32_t depth : {1, 4, 8, 16, 24, 32}) {
        BMPImage image;
        ASSERT_TRUE(image.SetDepth(depth));
        ASSERT_TRUE(image.SetDimensions(5, 3));
        const auto path = dir / "saved.bmp";
        ASSERT_TRUE(image.Save(path.c_str()));
        EXPECT_EQ(ProbeBitDepth(path.c_str()), depth);
        const BITMAPINFOHEADER info = ProbeInfoHeader(path.c_str());
        EXPECT_EQ(info.biWidth, 5);
        EXPECT_EQ(info.biHeight, 3);
    }
}

TEST(HeaderProbes, SignatureIsWhateverTheFirstTwoBytesSay) {
    TempDir dir;
    const std::pair<Bytes, std::uint16_t> cases[] = {
        {Bytes{'B', 'M', 0, 0}, 19778}, {Bytes{'P', 'K', 3, 4}, 0x4B50}, {Bytes{0x89, 'P', 'N', 'G'}, 0x5089}};
    for (const auto& [bytes, type] : cases) {
        WriteBytes(dir / "f", bytes);
        EXPECT_EQ(ProbeFileHeader((dir / "f").c_str()).bfType, type);
    }
}

TEST(HeaderProbes, UnopenablePathGivesTypeZeroAndTheDefaults) {
    TempDir dir;
    const std::string missing = (dir / "missing.bmp").string();
    for (const char* path : {missing.c_str(), static_cast<const char*>(nullptr)}) {
        const BITMAPFILEHEADER file = ProbeFileHeader(path);
        EXPECT_EQ(file.bfType, 0);
        EXPECT_EQ(file.bfReserved1, 0);
        EXPECT_EQ(file.bfReserved2, 0);
        const BITMAPINFOHEADER info = ProbeInfoHeader(path);
        EXPECT_EQ(info.biPlanes, 1);
        EXPECT_EQ(info.biCompression, 0u);
        EXPECT_EQ(info.biXPelsPerMeter, 3780);
        EXPECT_EQ(info.biYPelsPerMeter, 3780);
        EXPECT_EQ(info.biClrUsed, 0u);
        EXPECT_EQ(info.biClrImportant, 0u);
        EXPECT_EQ(ProbeBitDepth(path), 0);
    }
}

}  // namespace
