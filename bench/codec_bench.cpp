// Load and Save of a 1-megapixel photo-like image at 24 and 8 bits. The 8-bit
// Save chooses a palette index for every pixel; compare it with the 24-bit
// Save of the same image.

#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bench_files.h"
#include "bench/photo_like_image.h"
#include "bitmap/bmp_image.h"
#include "bitmap/nearest_color_search.h"

namespace {

constexpr std::int32_t kSide = 1024;

void Load(benchmark::State& state) {
    const auto depth = static_cast<std::int32_t>(state.range(0));
    const std::string path = PhotoFile(kSide, kSide, depth);
    BMPImage image;
    if (path.empty() || !image.Load(path.c_str())) {
        state.SkipWithError("cannot make the test file");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(image.Load(path.c_str()));
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

// A kSide x kSide photo-like image at depth bits (the standard palette at 8).
bool MakePhoto(BMPImage& image, std::int32_t depth) {
    if (!image.SetDimensions(kSide, kSide)) {
        return false;
    }
    FillPhotoLike(image, 3);
    return image.SetDepth(depth);
}

void Save(benchmark::State& state) {
    const auto depth = static_cast<std::int32_t>(state.range(0));
    BMPImage image;
    if (!MakePhoto(image, depth)) {
        state.SkipWithError("cannot allocate the image");
        return;
    }
    const std::string path = ScratchPath("saved-" + std::to_string(depth) + ".bmp");
    for (auto _ : state) {
        benchmark::DoNotOptimize(image.Save(path.c_str()));
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

// The index choice alone, per pixel: the full scan of NearestPaletteIndex
// against the cached search the encoders use.
void NearestIndexByScan(benchmark::State& state) {
    BMPImage image;
    if (!MakePhoto(image, 8)) {
        state.SkipWithError("cannot allocate the image");
        return;
    }
    for (auto _ : state) {
        for (std::int32_t row = 0; row < kSide; ++row) {
            const Pixel* pixel = image.Row(row);
            for (std::int32_t column = 0; column < kSide; ++column) {
                benchmark::DoNotOptimize(image.NearestPaletteIndex(pixel[column]));
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

void NearestIndexBySearch(benchmark::State& state) {
    BMPImage image;
    if (!MakePhoto(image, 8)) {
        state.SkipWithError("cannot allocate the image");
        return;
    }
    std::vector<std::uint8_t> indices(kSide);
    for (auto _ : state) {
        NearestColorSearch search(image);
        for (std::int32_t row = 0; row < kSide; ++row) {
            search.FindRow(image.Row(row), kSide, indices.data());
            benchmark::DoNotOptimize(indices.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

}  // namespace

BENCHMARK(Load)->ArgName("bits")->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(Save)->ArgName("bits")->Arg(24)->Arg(8)->Unit(benchmark::kMillisecond);
BENCHMARK(NearestIndexByScan)->Unit(benchmark::kMillisecond);
BENCHMARK(NearestIndexBySearch)->Unit(benchmark::kMillisecond);
