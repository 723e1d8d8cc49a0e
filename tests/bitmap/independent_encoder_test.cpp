// Files written by ImageMagick (see fixtures/make_fixtures.sh), decoded here
// and compared pixel by pixel with what ImageMagick decodes from them.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "bitmap/bmp_image.h"
#include "support/bmp_bytes.h"
#include "support/image_checks.h"

namespace {

const std::filesystem::path kFixtures = FLORWASH_FIXTURES;

// Bits per channel as stored: 8 for palette and true-colour files; for
// 16-bit files the field widths, since this library widens a field by
// multiplying it by 8 and keeps only its top five bits.
struct Fixture {
    const char* name;
    std::int32_t depth;
    int redBits, greenBits, blueBits;
};

std::uint8_t Expected(std::uint8_t decodedByPeer, int bits) {
    if (bits == 8) return decodedByPeer;
    const auto field = static_cast<int>(std::lround(decodedByPeer * ((1 << bits) - 1) / 255.0));
    return static_cast<std::uint8_t>((field >> (bits - 5)) * 8);
}

class IndependentEncoder : public ::testing::TestWithParam<Fixture> {};

TEST_P(IndependentEncoder, DecodesToThePixelsThePeerDecodes) {
    const Fixture& fixture = GetParam();
    BMPImage image;
    const LoadStatus status = image.LoadWithStatus((kFixtures / (std::string(fixture.name) + ".bmp")).c_str());
    ASSERT_TRUE(status.ok()) << status.Describe();
    EXPECT_EQ(image.Depth(), fixture.depth);
    ASSERT_EQ(image.Width(), 13);
    ASSERT_EQ(image.Height(), 9);
    const Bytes rgb = ReadBytes(kFixtures / (std::string(fixture.name) + ".rgb"));
    ASSERT_EQ(rgb.size(), 13u * 9u * 3u);
    for (std::int32_t row = 0; row < 9; ++row) {
        for (std::int32_t column = 0; column < 13; ++column) {
            const std::size_t at = (static_cast<std::size_t>(row) * 13 + static_cast<std::size_t>(column)) * 3;
            const Pixel want{Expected(rgb[at + 2], fixture.blueBits), Expected(rgb[at + 1], fixture.greenBits),
                             Expected(rgb[at], fixture.redBits), 0};
            const Pixel have = image.At(column, row);
            ASSERT_EQ((Pixel{have.Blue, have.Green, have.Red, 0}), want) << "pixel (" << column << ", " << row << ")";
        }
    }
}

TEST_P(IndependentEncoder, SavesAtTheSameDepthAndLoadsBackUnchanged) {
    const Fixture& fixture = GetParam();
    BMPImage image, again;
    ASSERT_TRUE(image.Load((kFixtures / (std::string(fixture.name) + ".bmp")).c_str()));
    TempDir dir;
    ASSERT_TRUE(image.Save((dir / "again.bmp").c_str()));
    ASSERT_TRUE(again.Load((dir / "again.bmp").c_str()));
    EXPECT_TRUE(SamePixels(again, image));
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, IndependentEncoder,
    ::testing::Values(Fixture{"indexed-1bit", 1, 8, 8, 8}, Fixture{"indexed-4bit", 4, 8, 8, 8},
                      Fixture{"indexed-8bit", 8, 8, 8, 8}, Fixture{"indexed-8bit-v5-header", 8, 8, 8, 8},
                      Fixture{"rgb555-v5-header", 16, 5, 5, 5}, Fixture{"rgb565-v5-header", 16, 5, 6, 5},
                      Fixture{"truecolor-24bit", 24, 8, 8, 8}),
    [](const auto& param) {
        std::string name = param.param.name;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

}  // namespace
