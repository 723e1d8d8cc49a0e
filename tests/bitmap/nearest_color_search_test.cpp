// NearestColorSearch, which the indexed encoders use, against the plain scan
// of BMPImage::NearestPaletteIndex: the same index for every pixel, over
// standard, random, duplicated, clustered and tie-heavy palettes.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "bitmap/bmp_image.h"
#include "bitmap/nearest_color_search.h"

namespace {

struct PaletteCase {
    std::string name;
    std::int32_t depth;
    // Entry k of the palette; empty keeps the standard palette.
    std::function<Pixel(std::int32_t k, std::mt19937& random)> entry;
};

void PrintTo(const PaletteCase& palette, std::ostream* out) { *out << palette.name; }

std::uint8_t Byte(std::uint32_t value) { return static_cast<std::uint8_t>(value); }

Pixel RandomColour(std::mt19937& random) {
    const std::uint32_t bits = random();
    return Pixel{Byte(bits), Byte(bits >> 8), Byte(bits >> 16), Byte(bits >> 24)};
}

std::vector<PaletteCase> Palettes() {
    return {
        {"Standard1", 1, nullptr},
        {"Standard4", 4, nullptr},
        {"Standard8", 8, nullptr},
        {"Random8", 8, [](std::int32_t, std::mt19937& r) { return RandomColour(r); }},
        {"Random4", 4, [](std::int32_t, std::mt19937& r) { return RandomColour(r); }},
        // Sixteen colours, each repeated sixteen times, the copies spread out.
        {"Duplicated", 8, [](std::int32_t k, std::mt19937&) {
             return Pixel{Byte(k % 16 * 17), Byte(k % 16 * 5), Byte(255 - k % 16 * 9), Byte(k)};
         }},
        {"AllEqual", 8, [](std::int32_t k, std::mt19937&) { return Pixel{40, 50, 60, Byte(k)}; }},
        // Crowded into one corner of the cube: far cells see many candidates.
        {"Clustered", 8, [](std::int32_t, std::mt19937& r) {
             const std::uint32_t bits = r();
             return Pixel{Byte(bits & 7), Byte(bits >> 8 & 7), Byte(bits >> 16 & 7), 0};
         }},
        // Even coordinates 2 apart: a pixel with odd coordinates ties between
        // neighbours, and the entries are stored from the top down so the lower
        // index is not always the smaller colour.
        {"Lattice", 8, [](std::int32_t k, std::mt19937&) {
             const std::int32_t j = 255 - k;
             return Pixel{Byte(100 + 2 * (j % 8)), Byte(100 + 2 * (j / 8 % 8)), Byte(100 + 2 * (j / 64)), 0};
         }},
        {"Greys", 8, [](std::int32_t k, std::mt19937&) { return Pixel{Byte(k), Byte(k), Byte(k), 0}; }},
    };
}

class NearestColorSearchTest : public ::testing::TestWithParam<PaletteCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(image.SetDepth(GetParam().depth));
        if (GetParam().entry) {
            for (std::int32_t k = 0; k < image.ColorCount(); ++k) {
                ASSERT_TRUE(image.SetPaletteColor(k, GetParam().entry(k, random)));
            }
        }
    }

    // Runs the search over pixels as one row and compares every answer.
    void ExpectSameAsScan(const std::vector<Pixel>& pixels) {
        NearestColorSearch search(image);
        std::vector<std::uint8_t> found(pixels.size());
        search.FindRow(pixels.data(), static_cast<std::int32_t>(pixels.size()), found.data());
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const Pixel p = pixels[i];
            ASSERT_EQ(int{found[i]}, int{image.NearestPaletteIndex(p)})
                << "pixel " << i << " (B " << int{p.Blue} << ", G " << int{p.Green} << ", R " << int{p.Red}
                << ")";
        }
    }

    BMPImage image;
    std::mt19937 random{2024};
};

TEST_P(NearestColorSearchTest, RandomPixels) {
    std::vector<Pixel> pixels;
    for (int i = 0; i < 20000; ++i) pixels.push_back(RandomColour(random));
    ExpectSameAsScan(pixels);
}

TEST_P(NearestColorSearchTest, PaletteColoursAndTheirNeighbours) {
    // Exact matches, and colours one step away in each channel, where ties
    // with other entries are likeliest.
    std::vector<Pixel> pixels;
    for (std::int32_t k = 0; k < image.ColorCount(); ++k) {
        const Pixel e = image.PaletteColor(k);
        for (int step : {-1, 0, 1}) {
            const auto near = [step](std::uint8_t c) { return Byte(std::clamp(c + step, 0, 255)); };
            pixels.push_back(Pixel{near(e.Blue), e.Green, e.Red, 0});
            pixels.push_back(Pixel{e.Blue, near(e.Green), e.Red, 0});
            pixels.push_back(Pixel{e.Blue, e.Green, near(e.Red), 0});
            pixels.push_back(Pixel{near(e.Blue), near(e.Green), near(e.Red), 0});
        }
    }
    ExpectSameAsScan(pixels);
}

TEST_P(NearestColorSearchTest, CellCornersAndCubeEdges) {
    // Every combination of channel values at the borders of the search's
    // cells and blocks, and at the ends of the cube.
    const int values[] = {0, 1, 3, 4, 7, 8, 31, 32, 63, 64, 127, 128, 191, 192, 223, 224, 251, 252, 254, 255};
    std::vector<Pixel> pixels;
    for (int blue : values)
        for (int green : values)
            for (int red : values) pixels.push_back(Pixel{Byte(blue), Byte(green), Byte(red), 0});
    ExpectSameAsScan(pixels);
}

TEST_P(NearestColorSearchTest, RowsOfEveryLengthAroundTheChunkSize) {
    // FindRow works through a row in pieces; answers must not depend on where
    // a piece ends, nor on what an earlier row built.
    NearestColorSearch search(image);
    for (std::int32_t length : {1, 2, 255, 256, 257, 511, 513, 1000}) {
        SCOPED_TRACE(length);
        std::vector<Pixel> pixels;
        for (std::int32_t i = 0; i < length; ++i) pixels.push_back(RandomColour(random));
        std::vector<std::uint8_t> found(pixels.size());
        search.FindRow(pixels.data(), length, found.data());
        for (std::int32_t i = 0; i < length; ++i) {
            ASSERT_EQ(int{found[static_cast<std::size_t>(i)]},
                      int{image.NearestPaletteIndex(pixels[static_cast<std::size_t>(i)])})
                << "pixel " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, NearestColorSearchTest, ::testing::ValuesIn(Palettes()),
                         [](const auto& param) { return param.param.name; });

TEST(NearestColorSearch, WithoutPaletteEveryAnswerIsZero) {
    BMPImage image;  // 24 bits
    NearestColorSearch search(image);
    const Pixel pixels[] = {{0, 0, 0, 0}, {255, 255, 255, 0}, {1, 2, 3, 4}};
    std::uint8_t found[3] = {9, 9, 9};
    search.FindRow(pixels, 3, found);
    for (std::uint8_t index : found) EXPECT_EQ(int{index}, 0);
    EXPECT_EQ(int{image.NearestPaletteIndex(pixels[2])}, 0);
}

}  // namespace
