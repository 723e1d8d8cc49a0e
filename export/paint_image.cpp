#include "export/paint_image.h"

#include "export/paint_filter.h"

bool PaintImage(const BMPImage& source, BMPImage& destination) {
    const bool sized = destination.SetDimensions(source.Width(), source.Height());
    PaintFilter(source, destination);
    return sized;
}
