// florwash run as a process, as a user runs it.

#include <gtest/gtest.h>

#include <filesystem>

#include "export/bmp_florwash.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"
#include "support/process.h"

namespace {

ProcessResult Florwash(const std::vector<std::string>& arguments) { return RunProcess(FLORWASH_CLI_PATH, arguments); }

int CountLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

class CliTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    void MakeSource(const std::string& name, std::int32_t width, std::int32_t height, std::int32_t depth = 24) {
        BMPImage image;
        ASSERT_TRUE(image.SetDepth(depth));
        ASSERT_TRUE(image.SetDimensions(width, height));
        FillRandom(image, 11);
        ASSERT_TRUE(image.Save(Path(name).c_str()));
    }

    void WriteForged(const std::string& name, void (*forge)(BmpSpec&)) {
        BmpSpec spec = ValidSpec(3, 2, 24);
        spec.pixelData.assign(24, 0);
        forge(spec);
        WriteBytes(dir / name, Serialize(spec));
    }

    TempDir dir;
};

TEST_F(CliTest, PaintWritesTheBytesTheModuleWrites) {
    MakeSource("in24.bmp", 31, 19);
    MakeSource("in32.bmp", 12, 40, 32);
    for (const char* name : {"in24.bmp", "in32.bmp"}) {
        SCOPED_TRACE(name);
        const ProcessResult run = Florwash({"paint", Path(name), Path("cli.bmp")});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(BMPFlorwash((dir / name).u16string().c_str(), (dir / "module.bmp").u16string().c_str()), 999);
        EXPECT_EQ(ReadBytes(dir / "cli.bmp"), ReadBytes(dir / "module.bmp"));
    }
}

TEST_F(CliTest, UnreadableSourceIsNamedWithItsReasonAndNothingIsWritten) {
    WriteBytes(dir / "png.bmp", Bytes{0x89, 'P', 'N', 'G', 13, 10, 26, 10});
    WriteForged("rle.bmp", [](BmpSpec& s) { s.info.biCompression = 1; });
    WriteForged("two-bit.bmp", [](BmpSpec& s) { s.info.biBitCount = 2; });
    WriteForged("top-down.bmp", [](BmpSpec& s) { s.info.biHeight = -2; });
    WriteForged("huge.bmp", [](BmpSpec& s) { s.info.biWidth = 20000; s.info.biHeight = 20000; });
    WriteBytes(dir / "short.bmp", Bytes{'B', 'M', 0, 0});
    const std::pair<const char*, std::string> cases[] = {
        {"missing.bmp", "cannot be opened"},       {"png.bmp", "not a BMP file"},
        {"rle.bmp", "unsupported compression 1"},  {"two-bit.bmp", "unsupported bit depth 2"},
        {"top-down.bmp", "bad dimensions 3 \u00d7 -2"}, {"huge.bmp", "too large"},
        {"short.bmp", "truncated header"},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name);
        const ProcessResult run = Florwash({"paint", Path(name), Path("out.bmp")});
        EXPECT_NE(run.exitCode, 0);
        EXPECT_EQ(CountLines(run.err), 1) << run.err;
        EXPECT_NE(run.err.find(Path(name)), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.bmp"));
    }
}

TEST_F(CliTest, UnwritableDestinationFailsAndKeepsAnEarlierFile) {
    MakeSource("in.bmp", 12, 12);
    const ProcessResult missingDir = Florwash({"paint", Path("in.bmp"), Path("nowhere/out.bmp")});
    EXPECT_NE(missingDir.exitCode, 0);
    EXPECT_NE(missingDir.err.find("cannot write '" + Path("nowhere/out.bmp") + "'"), std::string::npos) << missingDir.err;

    // A directory in the way: the save fails and nothing of ours is left.
    std::filesystem::create_directory(dir / "taken.bmp");
    const ProcessResult taken = Florwash({"paint", Path("in.bmp"), Path("taken.bmp")});
    EXPECT_NE(taken.exitCode, 0);
    EXPECT_EQ(CountLines(taken.err), 1) << taken.err;
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.Path())) ++entries;
    EXPECT_EQ(entries, 2u);  // in.bmp and the directory, no temporary file
}

TEST_F(CliTest, HelpVersionAndUsageErrors) {
    const ProcessResult help = Florwash({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("paint"), std::string::npos);
    const ProcessResult version = Florwash({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "florwash 1.0.0.1\nmodule PelwickBMPFlorwash 1.0.0.1\n");
    EXPECT_NE(Florwash({}).exitCode, 0);
    EXPECT_NE(Florwash({"paint", Path("only-one.bmp")}).exitCode, 0);
    EXPECT_NE(Florwash({"frobnicate"}).exitCode, 0);
}

}  // namespace

namespace {

TEST_F(CliTest, ConvertWritesEveryDepthWithItsLayout) {
    MakeSource("in.bmp", 7, 3);
    const std::pair<const char*, std::uint32_t> depths[] = {{"1", 62}, {"4", 118}, {"8", 1078},
                                                            {"16", 66}, {"24", 54}, {"32", 54}};
    for (const auto& [depth, offBits] : depths) {
        SCOPED_TRACE(depth);
        const ProcessResult run = Florwash({"convert", Path("in.bmp"), Path("out.bmp"), "--depth", depth});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const Bytes file = ReadBytes(dir / "out.bmp");
        EXPECT_EQ(ReadLE(file, 28, 2), static_cast<std::uint32_t>(std::stoi(depth)));
        EXPECT_EQ(ReadLE(file, 10, 4), offBits);
        EXPECT_EQ(ReadLE(file, 2, 4), file.size());
    }
    EXPECT_NE(Florwash({"convert", Path("in.bmp"), Path("out.bmp"), "--depth", "2"}).exitCode, 0);
    const ProcessResult missing = Florwash({"convert", Path("nope.bmp"), Path("out.bmp"), "--depth", "8"});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.err.find("cannot be opened"), std::string::npos) << missing.err;
}

TEST_F(CliTest, ConvertKeepsTheSourcePaletteOnlyAtTheSameDepth) {
    BMPImage source;
    ASSERT_TRUE(source.SetDepth(4));
    ASSERT_TRUE(source.SetDimensions(2, 1));
    ASSERT_TRUE(source.SetPaletteColor(3, Pixel{1, 2, 3, 0}));
    source.At(0, 0) = Pixel{1, 2, 3, 0};
    ASSERT_TRUE(source.Save(Path("in.bmp").c_str()));

    ASSERT_EQ(Florwash({"convert", Path("in.bmp"), Path("same.bmp"), "--depth", "4"}).exitCode, 0);
    BMPImage same;
    ASSERT_TRUE(same.Load(Path("same.bmp").c_str()));
    EXPECT_EQ(same.PaletteColor(3), (Pixel{1, 2, 3, 0}));
    EXPECT_EQ(same.At(0, 0), (Pixel{1, 2, 3, 0}));

    ASSERT_EQ(Florwash({"convert", Path("in.bmp"), Path("eight.bmp"), "--depth", "8"}).exitCode, 0);
    BMPImage eight;
    ASSERT_TRUE(eight.Load(Path("eight.bmp").c_str()));
    EXPECT_EQ(eight.PaletteColor(3), (Pixel{0, 128, 128, 0}));  // the standard 8-bit entry
}

}  // namespace

namespace {

TEST_F(CliTest, ConvertGrayscaleMapsPixelsOntoTheGreyRamp) {
    BMPImage source;
    ASSERT_TRUE(source.SetDimensions(3, 1));
    source.At(0, 0) = Pixel{0, 0, 0, 0};
    source.At(1, 0) = Pixel{200, 100, 60, 0};  // nearest grey: 119 (17 x 7)
    source.At(2, 0) = Pixel{255, 255, 255, 0};
    ASSERT_TRUE(source.Save(Path("in.bmp").c_str()));
    const ProcessResult run = Florwash({"convert", Path("in.bmp"), Path("grey.bmp"), "--depth", "4", "--grayscale"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    BMPImage grey;
    ASSERT_TRUE(grey.Load(Path("grey.bmp").c_str()));
    EXPECT_EQ(grey.PaletteColor(1), (Pixel{17, 17, 17, 0}));
    EXPECT_EQ(grey.At(0, 0), (Pixel{0, 0, 0, 0}));
    EXPECT_EQ(grey.At(1, 0), (Pixel{119, 119, 119, 0}));
    EXPECT_EQ(grey.At(2, 0), (Pixel{255, 255, 255, 0}));

    const ProcessResult trueColour = Florwash({"convert", Path("in.bmp"), Path("no.bmp"), "--depth", "24", "--grayscale"});
    EXPECT_NE(trueColour.exitCode, 0);
    EXPECT_NE(trueColour.err.find("--grayscale needs an indexed output"), std::string::npos) << trueColour.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "no.bmp"));
}

}  // namespace
