// Scripts of image operations on small images: resampling with any mode and
// value, region copies with any bounds (between two images and within one),
// depth and size changes, pixel access and copies, and the oil-paint filter
// with any radius, number of bins and scale, which must write exactly what
// its literal reference writes. After each step the image must still be a
// valid image.

#include <cstdint>
#include <cstdlib>

#include "bitmap/bmp_image.h"
#include "bitmap/image_limits.h"
#include "bitmap/utilities/pixel_copy.h"
#include "bitmap/utilities/region_copy.h"
#include "bitmap/utilities/resample.h"
#include "bitmap/utilities/resample_size.h"
#include "export/oil_paint.h"
#include "fuzz_input.h"

namespace {

// Small sizes keep each run fast; the operations' bounds are fuzzed in full.
constexpr std::int32_t kLargestSide = 64;
constexpr std::int64_t kLargestResample = 1 << 16;

void Expect(bool condition) {
    if (!condition) std::abort();
}

void ExpectValid(const BMPImage& image) {
    Expect(image.Width() >= 1 && image.Height() >= 1);
    Expect(PixelCountWithinLimit(image.Width(), image.Height()));
    const std::int32_t depth = image.Depth();
    Expect(depth == 1 || depth == 4 || depth == 8 || depth == 16 || depth == 24 || depth == 32);
    // Corners read through the clamping access, which must stay inside.
    Expect(image.PixelValue(INT32_MIN, INT32_MAX) == image.At(0, image.Height() - 1));
}

Pixel AnyPixel(FuzzInput& input) { return Pixel{input.Byte(), input.Byte(), input.Byte(), input.Byte()}; }

void Fill(BMPImage& image, FuzzInput& input) {
    for (std::int32_t row = 0; row < image.Height(); ++row)
        for (std::int32_t column = 0; column < image.Width(); ++column) image.At(column, row) = AnyPixel(input);
}

void PaintBothWays(const BMPImage& image, FuzzInput& input) {
    const HistogramPaintSettings settings{input.Below(kLargestSide / 2) + 1, input.Below(kMaxPaintLevels) + 1,
                                          input.Int32() / 65536.0};
    BMPImage fast, literal;
    Expect(fast.SetDimensions(image.Width(), image.Height()) && literal.SetDimensions(image.Width(), image.Height()));
    HistogramPaint(image, fast, settings);
    HistogramPaintLiteral(image, literal, settings);
    for (std::int32_t row = 0; row < image.Height(); ++row)
        for (std::int32_t column = 0; column < image.Width(); ++column)
            Expect(fast.At(column, row) == literal.At(column, row));
}

void Step(BMPImage& image, BMPImage& other, FuzzInput& input) {
    switch (input.Below(9)) {
        case 0: {
            const char mode = static_cast<char>(input.Byte());
            const std::int32_t value = input.Int32();
            const auto size = ResampleSize(image.Width(), image.Height(), mode, value);
            if (!size || (size->width <= kLargestResample && size->height <= kLargestResample &&
                          size->width * size->height <= kLargestResample)) {
                const bool resampled = Resample(image, mode, value);
                Expect(resampled == size.has_value());
                if (resampled)
                    Expect(image.Width() == size->width && image.Height() == size->height && image.Depth() == 24);
            }
            break;
        }
        case 1:
        case 2: {
            BMPImage& destination = input.Byte() % 2 == 0 ? image : other;
            const std::int32_t left = input.Int32(), right = input.Int32(), top = input.Int32(), bottom = input.Int32();
            const std::int32_t column = input.Int32(), row = input.Int32();
            if (input.Byte() % 2 == 0) {
                CopyRegion(image, left, right, top, bottom, destination, column, row);
            } else {
                const Pixel key = AnyPixel(input);
                CopyRegionKeyed(image, left, right, top, bottom, destination, column, row, key);
            }
            break;
        }
        case 3:
            image.SetDepth(input.Int32() % 40);
            break;
        case 4: {
            const std::int32_t width = input.Below(kLargestSide + 2) - 1, height = input.Below(kLargestSide + 2) - 1;
            const bool sized = image.SetDimensions(width, height);
            Expect(sized == (width >= 1 && height >= 1));
            break;
        }
        case 5: {
            const std::int32_t column = input.Int32() % (kLargestSide + 4), row = input.Int32() % (kLargestSide + 4);
            const Pixel pixel = AnyPixel(input);
            const bool inside = column >= 0 && row >= 0 && column < image.Width() && row < image.Height();
            Expect(image.StorePixel(column, row, pixel) == inside);
            if (inside) Expect(image.PixelValue(column, row) == pixel);
            break;
        }
        case 6:
            CopyPixelKeyed(other, input.Int32(), input.Int32(), image, input.Int32(), input.Int32(), AnyPixel(input));
            break;
        case 7:
            PaintBothWays(image, input);
            break;
        default: {
            BMPImage copy(image);
            Expect(copy.Width() == image.Width() && copy.Height() == image.Height() && copy.Depth() == image.Depth());
            break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    BMPImage image, other;
    image.SetDepth(input.Int32() % 40);
    image.SetDimensions(input.Below(kLargestSide) + 1, input.Below(kLargestSide) + 1);
    other.SetDimensions(input.Below(kLargestSide) + 1, input.Below(kLargestSide) + 1);
    Fill(image, input);
    Fill(other, input);
    for (int steps = 0; steps < 16 && !input.Empty(); ++steps) {
        Step(image, other, input);
        ExpectValid(image);
        ExpectValid(other);
    }
    return 0;
}
