// Any bytes as a BMP file: Load must return true or false without fault; what
// loads must save, and load again to the same colours.

#include <cstdint>
#include <cstdlib>
#include <unordered_map>

#include "bitmap/bmp_image.h"
#include "memory_file.h"

namespace {

// Headers may claim up to the library's limit of 2^28 pixels, which is valid
// but makes each run slow; the fuzzer spends its time on smaller claims.
constexpr std::int64_t kLargestClaim = std::int64_t{1} << 18;

std::int64_t ClaimedPixels(const std::uint8_t* data, std::size_t size) {
    if (size < 26) return 0;
    auto field = [data](std::size_t at) {
        return static_cast<std::int32_t>(data[at] | data[at + 1] << 8 | data[at + 2] << 16 |
                                         static_cast<std::uint32_t>(data[at + 3]) << 24);
    };
    return std::int64_t{field(18)} * std::int64_t{field(22)};
}

bool SameColour(Pixel a, Pixel b) { return a.Blue == b.Blue && a.Green == b.Green && a.Red == b.Red; }

// After a save, a pixel of an indexed image comes back as its nearest palette
// entry, which is the pixel itself whenever its colour is in the palette. The
// answers are remembered per colour: the plain search is slow under the
// fuzzer's instrumentation.
class ExpectedAfterSave {
public:
    explicit ExpectedAfterSave(const BMPImage& loaded) : image(loaded) {}
    Pixel operator()(Pixel pixel) {
        if (image.Depth() != 1 && image.Depth() != 4 && image.Depth() != 8) return pixel;
        const std::uint32_t key = pixel.Blue | pixel.Green << 8 | pixel.Red << 16;
        auto [entry, added] = nearest.try_emplace(key, Pixel{});
        if (added) entry->second = image.PaletteColor(image.NearestPaletteIndex(pixel));
        return entry->second;
    }

private:
    const BMPImage& image;
    std::unordered_map<std::uint32_t, Pixel> nearest;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::int64_t claimed = ClaimedPixels(data, size);
    if (claimed > kLargestClaim || claimed < -kLargestClaim) return 0;
    MemoryFile input(data, size);
    BMPImage first;
    if (!first.Load(input.Path())) return 0;

    MemoryFile output;
    if (!first.Save(output.Path())) std::abort();
    BMPImage second;
    if (!second.Load(output.Path())) std::abort();
    if (second.Width() != first.Width() || second.Height() != first.Height() || second.Depth() != first.Depth()) {
        std::abort();
    }
    ExpectedAfterSave expected(first);
    for (std::int32_t row = 0; row < first.Height(); ++row) {
        for (std::int32_t column = 0; column < first.Width(); ++column) {
            if (!SameColour(second.Row(row)[column], expected(first.Row(row)[column]))) {
                std::abort();
            }
        }
    }
    return 0;
}
