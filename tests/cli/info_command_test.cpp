// florwash info run as a process.

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "bitmap/bmp_image.h"
#include "support/bmp_bytes.h"
#include "support/flat_json.h"
#include "support/image_checks.h"
#include "support/process.h"

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class InfoTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    // A file built field by field; pixel bytes enough for every row.
    void Write(const std::string& name, BmpSpec spec) {
        spec.pixelData.assign(64, 0x11);
        WriteBytes(dir / name, Serialize(spec));
    }

    ProcessResult Info(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), "info");
        return RunProcess(FLORWASH_CLI_PATH, arguments);
    }

    TempDir dir;
};

TEST_F(InfoTest, JsonGivesOneObjectPerFileWithWhatProbesAndLoaderSay) {
    BmpSpec eight = ValidSpec(5, 3, 8, 64);  // 16 palette entries before the rows
    eight.info.biXPelsPerMeter = 2835;
    eight.info.biYPelsPerMeter = 0;
    eight.afterHeaders.assign(64, 0x22);
    Write("eight.bmp", eight);
    BmpSpec one = ValidSpec(9, 2, 1, 108);  // room for 27 entries, 2 are read
    one.afterHeaders.assign(108, 0x33);
    Write("one.bmp", one);
    BmpSpec full = ValidSpec(2, 2, 8, 1024 + 84);  // a 124-byte info header
    full.info.biSize = 124;
    full.afterHeaders.assign(1024 + 84, 0x44);
    Write("long-header.bmp", full);
    BmpSpec low = ValidSpec(2, 2, 4);
    low.file.bfOffBits = 20;  // before the end of the headers: nothing read
    Write("low.bmp", low);
    BmpSpec rle = ValidSpec(4, 4, 8, 1024);
    rle.info.biCompression = 1;
    rle.afterHeaders.assign(1024, 0);
    Write("rle.bmp", rle);
    WriteBytes(dir / "short.bmp", Bytes{'B', 'M', 1, 2, 3});

    struct Want {
        std::string name;
        std::int64_t width, height, bits, compression, entries, xppm, yppm, xdpi, ydpi;
        bool loads;
        std::string reason;
    };
    const Want wants[] = {
        {"eight.bmp", 5, 3, 8, 0, 16, 2835, 0, 72, 96, true, ""},
        {"one.bmp", 9, 2, 1, 0, 2, 3780, 3780, 96, 96, true, ""},
        {"long-header.bmp", 2, 2, 8, 0, 256, 3780, 3780, 96, 96, true, ""},
        {"low.bmp", 2, 2, 4, 0, 0, 3780, 3780, 96, 96, true, ""},
        {"rle.bmp", 4, 4, 8, 1, 256, 3780, 3780, 96, 96, false, "unsupported compression 1"},
    };
    std::vector<std::string> arguments{"--json"};
    for (const Want& want : wants) arguments.push_back(Path(want.name));
    arguments.push_back(Path("short.bmp"));
    arguments.push_back(Path("missing.bmp"));

    const ProcessResult run = Info(arguments);
    EXPECT_EQ(run.exitCode, 1);  // rle, short and missing cannot be read
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), std::size(wants) + 2) << run.out;

    for (std::size_t i = 0; i < std::size(wants); ++i) {
        const Want& want = wants[i];
        SCOPED_TRACE(want.name);
        const auto object = ParseFlatJson(lines[i]);
        ASSERT_TRUE(object) << lines[i];
        const FlatJsonObject& o = *object;
        EXPECT_EQ(o.at("path"), FlatJsonValue{Path(want.name)});
        EXPECT_EQ(o.at("width"), FlatJsonValue{want.width});
        EXPECT_EQ(o.at("height"), FlatJsonValue{want.height});
        EXPECT_EQ(o.at("bits_per_pixel"), FlatJsonValue{want.bits});
        EXPECT_EQ(o.at("compression"), FlatJsonValue{want.compression});
        EXPECT_EQ(o.at("palette_entries"), FlatJsonValue{want.entries});
        EXPECT_EQ(o.at("x_pixels_per_metre"), FlatJsonValue{want.xppm});
        EXPECT_EQ(o.at("y_pixels_per_metre"), FlatJsonValue{want.yppm});
        EXPECT_EQ(o.at("x_dots_per_inch"), FlatJsonValue{want.xdpi});
        EXPECT_EQ(o.at("y_dots_per_inch"), FlatJsonValue{want.ydpi});
        const auto size = static_cast<std::int64_t>(std::filesystem::file_size(dir / want.name));
        EXPECT_EQ(o.at("file_size"), FlatJsonValue{size});
        EXPECT_EQ(o.at("loads"), FlatJsonValue{want.loads});
        if (want.loads) {
            EXPECT_EQ(o.count("reason"), 0u);
        } else {
            EXPECT_EQ(o.at("reason"), FlatJsonValue{want.reason});
        }
    }

    const auto truncated = ParseFlatJson(lines[std::size(wants)]);
    ASSERT_TRUE(truncated);
    EXPECT_EQ(truncated->at("file_size"), FlatJsonValue{std::int64_t{5}});
    EXPECT_EQ(truncated->at("reason"), FlatJsonValue{std::string("truncated header")});

    // A file that cannot be opened has nothing but its name and the reason.
    const auto missing = ParseFlatJson(lines.back());
    ASSERT_TRUE(missing);
    EXPECT_EQ(missing->size(), 3u);
    EXPECT_EQ(missing->at("loads"), FlatJsonValue{false});
    EXPECT_EQ(std::get<std::string>(missing->at("reason")).rfind("cannot be opened", 0), 0u);
}

TEST_F(InfoTest, PathsAreEscapedInJson) {
    const std::string name = "quote\"back\\slash\ttab.bmp";
    BMPImage image;
    ASSERT_TRUE(image.Save(Path(name).c_str()));
    const ProcessResult run = Info({"--json", Path(name)});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto object = ParseFlatJson(run.out);
    ASSERT_TRUE(object) << run.out;
    EXPECT_EQ(object->at("path"), FlatJsonValue{Path(name)});
}

TEST_F(InfoTest, TextIsOneAlignedBlockPerFile) {
    BMPImage image;
    ASSERT_TRUE(image.SetDimensions(3, 2));
    image.SetResolutionDPI(300, 72);  // 11811 and 2834: 299 and 71 on the way back
    ASSERT_TRUE(image.Save(Path("a.bmp").c_str()));
    const ProcessResult run = Info({Path("a.bmp"), Path("missing.bmp")});
    EXPECT_EQ(run.exitCode, 1);
    const std::string want = Path("a.bmp") +
                             "\n"
                             "  width            3\n"
                             "  height           2\n"
                             "  bits per pixel   24\n"
                             "  compression      0 (none)\n"
                             "  palette entries  0\n"
                             "  resolution       11811 \u00d7 2834 pixels per metre, 299 \u00d7 71 dots per inch\n"
                             "  file size        78 bytes\n"
                             "  loads            yes\n"
                             "\n" +
                             Path("missing.bmp") +
                             "\n"
                             "  loads            no: cannot be opened (No such file or directory)\n";
    EXPECT_EQ(run.out, want);

    EXPECT_EQ(Info({Path("a.bmp")}).exitCode, 0);
    EXPECT_NE(Info({}).exitCode, 0);  // at least one file
}

}  // namespace
