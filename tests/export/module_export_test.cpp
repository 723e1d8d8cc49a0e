// The module as a host sees it: loaded with dlopen, called through the one
// symbol it exports.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <thread>

#include "export/bmp_florwash.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"
#include "support/process.h"

namespace {

class ModuleTest : public ::testing::Test {
protected:
    void SetUp() override {
        handle = dlopen(FLORWASH_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle, nullptr) << dlerror();
        paint = reinterpret_cast<BMPFlorwashFunction>(dlsym(handle, "BMPFlorwash"));
        ASSERT_NE(paint, nullptr) << dlerror();
    }
    void TearDown() override {
        if (handle != nullptr) dlclose(handle);
    }

    std::int32_t Paint(const std::filesystem::path& source, const std::filesystem::path& destination) {
        return paint(source.u16string().c_str(), destination.u16string().c_str());
    }

    // A random 24-bit picture saved at path, as painted bytes are compared.
    void MakeSource(const std::filesystem::path& path, std::int32_t width, std::int32_t height) {
        BMPImage image;
        ASSERT_TRUE(image.SetDimensions(width, height));
        FillRandom(image, static_cast<std::uint32_t>(width + height));
        ASSERT_TRUE(image.Save(path.c_str()));
    }

    // What painting the file must give: each interior pixel the truncated
    // window mean, the frame white, all of it saved at 24 bits.
    static void ExpectPaintedFile(const std::filesystem::path& source, const std::filesystem::path& painted) {
        BMPImage in, out;
        ASSERT_TRUE(in.Load(source.c_str()));
        ASSERT_TRUE(out.Load(painted.c_str()));
        EXPECT_EQ(out.Depth(), 24);
        ASSERT_EQ(out.Width(), in.Width());
        ASSERT_EQ(out.Height(), in.Height());
        for (std::int32_t g = 5; g < in.Height() - 5; ++g) {
            for (std::int32_t h = 5; h < in.Width() - 5; ++h) {
                int sums[3] = {};
                for (std::int32_t y = g - 5; y <= g + 5; ++y)
                    for (std::int32_t x = h - 5; x <= h + 5; ++x) {
                        sums[0] += in.At(x, y).Blue;
                        sums[1] += in.At(x, y).Green;
                        sums[2] += in.At(x, y).Red;
                    }
                ASSERT_EQ(out.At(h, g), (Pixel{static_cast<std::uint8_t>(sums[0] / 121),
                                               static_cast<std::uint8_t>(sums[1] / 121),
                                               static_cast<std::uint8_t>(sums[2] / 121), 0}))
                    << h << ", " << g;
            }
        }
        EXPECT_EQ(out.At(0, 0), kWhite);
        EXPECT_EQ(out.At(in.Width() - 1, in.Height() - 1), kWhite);
    }

    static Bytes OnePixelWhiteFile() {
        BmpSpec spec = ValidSpec(1, 1, 24);
        spec.pixelData = {255, 255, 255, 0};
        return Serialize(spec);
    }

    TempDir dir;
    void* handle = nullptr;
    BMPFlorwashFunction paint = nullptr;
};

TEST_F(ModuleTest, PaintsAFileAndReturns999) {
    MakeSource(dir / "in.bmp", 23, 17);
    EXPECT_EQ(Paint(dir / "in.bmp", dir / "out.bmp"), 999);
    ExpectPaintedFile(dir / "in.bmp", dir / "out.bmp");
}

TEST_F(ModuleTest, NonAsciiPathsAreConvertedExactly) {
    const std::filesystem::path source = dir.Path() / u8"r\u00f6se \u8def\u5f84 \U0001F600.bmp";
    const std::filesystem::path destination = dir.Path() / u8"gem\u00e4lt \u00e9t\u00e9.bmp";
    MakeSource(source, 12, 12);
    EXPECT_EQ(Paint(source, destination), 999);
    ExpectPaintedFile(source, destination);
}

TEST_F(ModuleTest, UnreadableSourcesGiveOneWhitePixel) {
    WriteBytes(dir / "top-down.bmp", [] {
        BmpSpec spec = ValidSpec(2, 2, 24);
        spec.info.biHeight = -2;
        spec.pixelData.assign(16, 0);
        return Serialize(spec);
    }());
    for (const char* name : {"missing.bmp", "top-down.bmp"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Paint(dir / name, dir / "out.bmp"), 999);
        EXPECT_EQ(ReadBytes(dir / "out.bmp"), OnePixelWhiteFile());
        std::filesystem::remove(dir / "out.bmp");
    }
    const std::u16string out = (dir / "null-source.bmp").u16string();
    EXPECT_EQ(paint(nullptr, out.c_str()), 999);
    EXPECT_EQ(ReadBytes(dir / "null-source.bmp"), OnePixelWhiteFile());
}

TEST_F(ModuleTest, UnwritableOrMalformedDestinationsWriteNothing) {
    MakeSource(dir / "in.bmp", 12, 12);
    const std::u16string source = (dir / "in.bmp").u16string();
    EXPECT_EQ(Paint(dir / "in.bmp", dir / "no-such-dir" / "out.bmp"), 999);
    EXPECT_EQ(paint(source.c_str(), nullptr), 999);
    EXPECT_EQ(paint(nullptr, nullptr), 999);
    // A lone surrogate is not a path: it must not turn into some other name.
    std::u16string lone = (dir / "x").u16string();
    lone.push_back(u'\xD800');
    EXPECT_EQ(paint(source.c_str(), lone.c_str()), 999);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++entries;
    EXPECT_EQ(entries, 1u);  // only in.bmp
}

TEST_F(ModuleTest, SourceMayBeTheDestination) {
    MakeSource(dir / "in.bmp", 15, 14);
    std::filesystem::copy_file(dir / "in.bmp", dir / "original.bmp");
    EXPECT_EQ(Paint(dir / "in.bmp", dir / "in.bmp"), 999);
    ExpectPaintedFile(dir / "original.bmp", dir / "in.bmp");
}

TEST_F(ModuleTest, RefusedSourceIsNeverOverwrittenInPlace) {
    BmpSpec topDown = ValidSpec(2, 2, 24);
    topDown.info.biHeight = -2;
    topDown.pixelData.assign(16, 9);
    BmpSpec rle = ValidSpec(2, 2, 8, 1024);
    rle.info.biCompression = 1;
    rle.afterHeaders.assign(1024, 1);
    rle.pixelData = {2, 0, 0, 1};
    const std::pair<const char*, Bytes> files[] = {
        {"top-down.bmp", Serialize(topDown)},
        {"rle.bmp", Serialize(rle)},
        {"photo.bmp", Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 10, 0, 0, 0, 13}},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        WriteBytes(dir / name, bytes);
        EXPECT_EQ(Paint(dir / name, dir / name), 999);
        EXPECT_EQ(ReadBytes(dir / name), bytes);
        // The same file under another spelling is recognised too.
        EXPECT_EQ(Paint(dir / name, dir.Path() / "." / name), 999);
        EXPECT_EQ(ReadBytes(dir / name), bytes);
    }
    // A missing source still yields the white pixel, at the same path too.
    EXPECT_EQ(Paint(dir / "absent.bmp", dir / "absent.bmp"), 999);
    EXPECT_EQ(ReadBytes(dir / "absent.bmp"), OnePixelWhiteFile());
}

TEST_F(ModuleTest, CallsFromManyThreadsAtOnceAreIndependent) {
    MakeSource(dir / "shared.bmp", 40, 30);
    for (int i = 0; i < 4; ++i) MakeSource(dir / ("own" + std::to_string(i) + ".bmp"), 20 + i, 25 - i);
    std::vector<std::thread> threads;
    std::vector<std::int32_t> results(8);
    for (int i = 0; i < 8; ++i) {
        threads.emplace_back([&, i] {
            const auto source = i < 4 ? dir / "shared.bmp" : dir / ("own" + std::to_string(i - 4) + ".bmp");
            results[static_cast<std::size_t>(i)] = Paint(source, dir / ("out" + std::to_string(i) + ".bmp"));
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(results[static_cast<std::size_t>(i)], 999);
        const auto source = i < 4 ? dir / "shared.bmp" : dir / ("own" + std::to_string(i - 4) + ".bmp");
        ExpectPaintedFile(source, dir / ("out" + std::to_string(i) + ".bmp"));
    }
}

TEST(ModuleSymbols, BMPFlorwashIsTheOnlyExport) {
    const ProcessResult nm = RunProcess("/usr/bin/nm", {"-D", "--defined-only", FLORWASH_MODULE_PATH});
    ASSERT_EQ(nm.exitCode, 0) << nm.err;
    std::istringstream lines(nm.out);
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);) {
        names.push_back(line.substr(line.find_last_of(' ') + 1));
    }
    EXPECT_EQ(names, std::vector<std::string>{"BMPFlorwash"});
}

}  // namespace
