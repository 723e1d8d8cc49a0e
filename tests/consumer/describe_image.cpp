// Reads a BMP file with the installed image library, says what it holds and
// saves a copy with its colours inverted.

#include <cstdio>

#include "bitmap/bmp_image.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: describe_image IN OUT\n");
        return 2;
    }
    BMPImage image;
    const LoadStatus status = image.LoadWithStatus(argv[1]);
    if (!status.ok()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], status.Describe().c_str());
        return 1;
    }
    std::printf("%s: %d x %d, %d bits per pixel\n", argv[1], image.Width(), image.Height(), image.Depth());
    for (int row = 0; row < image.Height(); ++row) {
        for (int column = 0; column < image.Width(); ++column) {
            Pixel& pixel = image.At(column, row);
            pixel = Pixel{static_cast<std::uint8_t>(255 - pixel.Blue), static_cast<std::uint8_t>(255 - pixel.Green),
                          static_cast<std::uint8_t>(255 - pixel.Red), pixel.Alpha};
        }
    }
    return image.Save(argv[2]) ? 0 : 1;
}
