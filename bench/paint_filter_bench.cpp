// PaintFilter (running sums) against PaintFilterLiteral (the histogram as
// written), and the oil-paint effect at a few settings, on photo-like images.
// Items are source pixels, so items_per_second compares the filters per pixel
// even where the literal one runs on fewer.

#include <benchmark/benchmark.h>

#include "bench/photo_like_image.h"
#include "export/oil_paint.h"
#include "export/paint_filter.h"

namespace {

template <typename Filter>
void Paint(benchmark::State& state, Filter filter) {
    const auto width = static_cast<std::int32_t>(state.range(0));
    const auto height = static_cast<std::int32_t>(state.range(1));
    BMPImage source;
    BMPImage destination;
    if (!source.SetDimensions(width, height) || !destination.SetDimensions(width, height)) {
        state.SkipWithError("cannot allocate the images");
        return;
    }
    FillPhotoLike(source, 7);
    for (auto _ : state) {
        filter(source, destination);
        benchmark::DoNotOptimize(destination.Row(height / 2));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

// Args: width, height, radius, levels.
void OilPaintCase(benchmark::State& state) {
    const auto radius = static_cast<std::int32_t>(state.range(2));
    const auto levels = static_cast<std::int32_t>(state.range(3));
    Paint(state, [&](const BMPImage& source, BMPImage& destination) { OilPaint(source, destination, radius, levels); });
}

}  // namespace

// 1 and 12 megapixels.
BENCHMARK_CAPTURE(Paint, RunningSums, &PaintFilter)
    ->Args({1000, 1000})
    ->Args({4000, 3000})
    ->Unit(benchmark::kMillisecond);
// The literal filter spends about a microsecond per pixel: a few iterations
// give a stable rate.
BENCHMARK_CAPTURE(Paint, Histogram, &PaintFilterLiteral)
    ->Args({1000, 1000})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paint, Histogram, &PaintFilterLiteral)
    ->Args({4000, 3000})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(OilPaintCase)
    ->Args({4000, 3000, 5, 256})
    ->Args({4000, 3000, 4, 20})
    ->Args({4000, 3000, 12, 256})
    ->Unit(benchmark::kMillisecond);
