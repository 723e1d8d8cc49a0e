// florwash paint with --radius/--levels, and batches with --output-dir.

#include <gtest/gtest.h>

#include <filesystem>

#include "export/oil_paint.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"
#include "support/process.h"

namespace {

ProcessResult Florwash(const std::vector<std::string>& arguments) { return RunProcess(FLORWASH_CLI_PATH, arguments); }

class PaintOptionsTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    void MakeSource(const std::string& name, std::int32_t width, std::int32_t height, std::uint32_t seed) {
        BMPImage image;
        ASSERT_TRUE(image.SetDimensions(width, height));
        FillRandom(image, seed);
        ASSERT_TRUE(image.Save(Path(name).c_str()));
    }

    // What --radius R --levels L must write: the library's OilPaint, saved.
    Bytes Expected(const std::string& name, int radius, int levels) {
        BMPImage source, painted;
        EXPECT_TRUE(source.Load(Path(name).c_str()));
        EXPECT_TRUE(painted.SetDimensions(source.Width(), source.Height()));
        EXPECT_TRUE(OilPaint(source, painted, radius, levels));
        EXPECT_TRUE(painted.Save(Path("expected.bmp").c_str()));
        return ReadBytes(dir / "expected.bmp");
    }

    TempDir dir;
};

TEST_F(PaintOptionsTest, RadiusAndLevelsSelectTheOilPaintEffect) {
    MakeSource("in.bmp", 25, 18, 1);
    struct Case {
        std::vector<std::string> options;
        int radius, levels;
    };
    const Case cases[] = {{{"--radius", "4", "--levels", "20"}, 4, 20}, {{"--levels", "8"}, 5, 8}, {{"--radius", "2"}, 2, 256}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.radius << ", " << c.levels);
        std::vector<std::string> arguments{"paint"};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        arguments.insert(arguments.end(), {Path("in.bmp"), Path("out.bmp")});
        const ProcessResult run = Florwash(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(ReadBytes(dir / "out.bmp"), Expected("in.bmp", c.radius, c.levels));
    }
    for (const std::vector<std::string>& bad : {std::vector<std::string>{"--radius", "0"}, {"--radius", "51"},
                                                {"--levels", "1"}, {"--levels", "257"}}) {
        std::vector<std::string> arguments{"paint"};
        arguments.insert(arguments.end(), bad.begin(), bad.end());
        arguments.insert(arguments.end(), {Path("in.bmp"), Path("bad.bmp")});
        EXPECT_NE(Florwash(arguments).exitCode, 0) << bad[0] << " " << bad[1];
        EXPECT_FALSE(std::filesystem::exists(dir / "bad.bmp"));
    }
}

TEST_F(PaintOptionsTest, BatchPaintsEveryGoodFileAndNamesTheBadOnes) {
    std::filesystem::create_directory(dir / "in");
    for (int i = 0; i < 5; ++i) MakeSource("in/picture" + std::to_string(i) + ".bmp", 14 + i, 12, static_cast<std::uint32_t>(i));
    WriteBytes(dir / "in" / "broken.bmp", Bytes{'B', 'M', 1, 2});
    std::vector<std::string> arguments{"paint", "--jobs", "2", "--output-dir", Path("out")};
    for (int i = 0; i < 5; ++i) arguments.push_back(Path("in/picture" + std::to_string(i) + ".bmp"));
    arguments.push_back(Path("in/broken.bmp"));
    arguments.push_back(Path("in/missing.bmp"));

    const ProcessResult run = Florwash(arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(Path("in/broken.bmp") + "': truncated header"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(Path("in/missing.bmp") + "': cannot be opened"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("painted 5 of 7 files"), std::string::npos) << run.err;
    for (int i = 0; i < 5; ++i) {
        const std::string name = "picture" + std::to_string(i) + ".bmp";
        ASSERT_EQ(Florwash({"paint", Path("in/" + name), Path("single.bmp")}).exitCode, 0);
        EXPECT_EQ(ReadBytes(dir / "out" / name), ReadBytes(dir / "single.bmp")) << name;
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "broken.bmp"));

    const ProcessResult good = Florwash({"paint", "--output-dir", Path("out2"), "--radius", "2", Path("in/picture0.bmp")});
    EXPECT_EQ(good.exitCode, 0) << good.err;
    EXPECT_EQ(ReadBytes(dir / "out2" / "picture0.bmp"), Expected("in/picture0.bmp", 2, 256));
}

TEST_F(PaintOptionsTest, BatchRefusesInputsThatWouldShareAnOutputName) {
    std::filesystem::create_directories(dir / "a");
    std::filesystem::create_directories(dir / "b");
    MakeSource("a/same.bmp", 12, 12, 1);
    MakeSource("b/same.bmp", 12, 12, 2);
    const ProcessResult run = Florwash({"paint", "--output-dir", Path("out"), Path("a/same.bmp"), Path("b/same.bmp")});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.err.find("would both be painted into"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "same.bmp"));
}

}  // namespace
