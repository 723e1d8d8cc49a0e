// make_photo_bmp WIDTH HEIGHT OUT [DEPTH]: writes a photo-like BMP test file
// (24 bits per pixel unless DEPTH says otherwise) for the benchmarks and for
// compare.sh.

#include <cstdio>
#include <cstdlib>

#include "bench/photo_like_image.h"

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: make_photo_bmp WIDTH HEIGHT OUT [DEPTH]\n");
        return 2;
    }
    const long width = std::strtol(argv[1], nullptr, 10);
    const long height = std::strtol(argv[2], nullptr, 10);
    const long depth = argc == 5 ? std::strtol(argv[4], nullptr, 10) : 24;
    BMPImage image;
    if (width < 1 || height < 1 || width > 1 << 16 || height > 1 << 16 ||
        !image.SetDepth(static_cast<std::int32_t>(depth)) ||
        !image.SetDimensions(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height))) {
        std::fprintf(stderr, "make_photo_bmp: cannot make a %ld x %ld image at %ld bits\n", width, height,
                     depth);
        return 1;
    }
    FillPhotoLike(image, 1);
    const SaveStatus saved = image.SaveWithStatus(argv[3]);
    if (!saved.ok()) {
        std::fprintf(stderr, "make_photo_bmp: %s: %s\n", argv[3], saved.Describe().c_str());
        return 1;
    }
    return 0;
}
