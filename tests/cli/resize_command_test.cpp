// florwash resize run as a process.

#include <gtest/gtest.h>

#include <filesystem>

#include "bitmap/bmp_image.h"
#include "bitmap/utilities/resample.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"
#include "support/process.h"

namespace {

int CountLines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

class ResizeTest : public ::testing::Test {
protected:
    void SetUp() override {
        BMPImage source;
        ASSERT_TRUE(source.SetDepth(8));
        ASSERT_TRUE(source.SetDimensions(12, 8));
        FillRandom(source, 21);
        ASSERT_TRUE(source.Save(Path("in.bmp").c_str()));
    }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    ProcessResult Resize(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "resize");
        return RunProcess(FLORWASH_CLI_PATH, arguments);
    }

    TempDir dir;
};

TEST_F(ResizeTest, EachOptionWritesWhatResampleGives) {
    struct Case {
        const char* option;
        char mode;
        std::int32_t value;
        std::int32_t width, height;
    };
    const Case cases[] = {{"--percent", 'P', 50, 6, 4},
                          {"--width", 'W', 7, 7, 4},
                          {"--height", 'H', 5, 7, 5},
                          {"--fit", 'F', 30, 30, 20}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        const ProcessResult run = Resize({Path("in.bmp"), Path("out.bmp"), c.option, std::to_string(c.value)});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");

        BMPImage written, expected;
        ASSERT_TRUE(written.Load(Path("out.bmp").c_str()));
        ASSERT_TRUE(expected.Load(Path("in.bmp").c_str()));
        ASSERT_TRUE(Resample(expected, c.mode, c.value));
        EXPECT_EQ(written.Depth(), 24);
        EXPECT_EQ(written.Width(), c.width);
        EXPECT_EQ(written.Height(), c.height);
        // A 24-bit file keeps no Alpha, so only the corner can differ.
        expected.At(c.width - 1, c.height - 1).Alpha = 0;
        EXPECT_TRUE(SamePixels(written, expected));
    }
}

TEST_F(ResizeTest, UsageErrorsWriteNothing) {
    const std::vector<std::string> usages[] = {
        {Path("in.bmp"), Path("out.bmp")},
        {Path("in.bmp"), Path("out.bmp"), "--percent", "50", "--width", "3"},
        {Path("in.bmp"), Path("out.bmp"), "--width", "0"},
        {Path("in.bmp"), Path("out.bmp"), "--fit", "-4"},
        {Path("in.bmp"), Path("out.bmp"), "--height", "2147483648"},
        {Path("in.bmp"), Path("out.bmp"), "--percent", "half"},
        {Path("in.bmp"), "--percent", "50"},
    };
    for (const auto& arguments : usages) {
        const ProcessResult run = Resize(arguments);
        EXPECT_NE(run.exitCode, 0) << arguments.size();
        EXPECT_NE(run.err, "");
        EXPECT_FALSE(std::filesystem::exists(dir / "out.bmp"));
    }
}

TEST_F(ResizeTest, FailuresAreOneLineNamingTheFile) {
    std::filesystem::create_directory(dir / "taken.bmp");
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{Path("missing.bmp"), Path("out.bmp"), "--percent", "50"},
         "cannot read '" + Path("missing.bmp") + "': cannot be opened"},
        {{Path("in.bmp"), Path("out.bmp"), "--percent", "300000"},
         "cannot resize '" + Path("in.bmp") + "' to 36000 \u00d7 24000 pixels: over the limit of 268435456 pixels"},
        {{Path("in.bmp"), Path("out.bmp"), "--width", "2147483647"},
         "cannot resize '" + Path("in.bmp") + "' to 2147483647 \u00d7 1431655764 pixels: over the limit"},
        {{Path("in.bmp"), Path("taken.bmp"), "--percent", "50"}, "cannot write '" + Path("taken.bmp") + "'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const ProcessResult run = Resize(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(CountLines(run.err), 1) << run.err;
        EXPECT_EQ(run.err.rfind("florwash: " + c.message, 0), 0u) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir / "out.bmp"));
    }
}

}  // namespace
