// Resample throughput: output pixels per second when enlarging and reducing a
// photo-sized image, the copy of the source included.

#include <benchmark/benchmark.h>

#include <cstdint>

#include "bitmap/bmp_image.h"
#include "bitmap/utilities/resample.h"

namespace {

void MakeGradient(BMPImage& image, std::int32_t width, std::int32_t height) {
    image.SetDimensions(width, height);
    for (std::int32_t row = 0; row < height; ++row) {
        for (std::int32_t column = 0; column < width; ++column) {
            image.At(column, row) = Pixel{static_cast<std::uint8_t>(column), static_cast<std::uint8_t>(row),
                                          static_cast<std::uint8_t>(column + row), 0};
        }
    }
}

void BM_Resample(benchmark::State& state, char mode, std::int32_t value) {
    const auto width = static_cast<std::int32_t>(state.range(0));
    const auto height = static_cast<std::int32_t>(state.range(1));
    std::int64_t pixels = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BMPImage image;
        MakeGradient(image, width, height);
        state.ResumeTiming();
        benchmark::DoNotOptimize(Resample(image, mode, value));
        pixels += std::int64_t{image.Width()} * image.Height();
    }
    state.SetItemsProcessed(pixels);
}

BENCHMARK_CAPTURE(BM_Resample, enlarge_200_percent, 'P', 200)->Args({1024, 768})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Resample, reduce_to_width_640, 'W', 640)->Args({4000, 3000})->Unit(benchmark::kMillisecond);

}  // namespace
