// The whole export: Load, SetDimensions, PaintFilter and Save of a 24-bit
// photo-like file, through the module's BMPFlorwash.

#include <benchmark/benchmark.h>

#include <string>

#include "bench/bench_files.h"
#include "export/bmp_florwash.h"

namespace {

// The benchmark's paths are plain ASCII.
std::u16string Wide(const std::string& path) { return std::u16string(path.begin(), path.end()); }

void WholeCall(benchmark::State& state) {
    const auto width = static_cast<std::int32_t>(state.range(0));
    const auto height = static_cast<std::int32_t>(state.range(1));
    const std::string source = PhotoFile(width, height, 24);
    if (source.empty()) {
        state.SkipWithError("cannot make the test file");
        return;
    }
    const std::u16string wideSource = Wide(source);
    const std::u16string wideDestination = Wide(ScratchPath("painted.bmp"));
    for (auto _ : state) {
        benchmark::DoNotOptimize(BMPFlorwash(wideSource.c_str(), wideDestination.c_str()));
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

}  // namespace

BENCHMARK(WholeCall)
    ->Name("BMPFlorwash")
    ->Args({1000, 1000})
    ->Args({4000, 3000})
    ->Unit(benchmark::kMillisecond);
