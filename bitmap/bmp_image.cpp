#include "bitmap/bmp_image.h"

#include "bitmap/image_limits.h"
#include "bitmap/integer_power.h"
#include "bitmap/pixel_words.h"
#include "platform/pixel_allocation.h"

BMPImage::BMPImage() : pixels(&singlePixel) {}

BMPImage::~BMPImage() { ReleasePixels(); }

void BMPImage::ReleasePixels() {
    if (pixels != &singlePixel) {
        ReleaseBlock(pixels);
    }
    pixels = &singlePixel;
}

std::int32_t BMPImage::ColorCount() const {
    return IntegerPower(2, bitDepth == 32 ? 24 : bitDepth);
}

const Pixel& BMPImage::ClampedAt(std::int32_t column, std::int32_t row) const {
    // The order of the four tests is part of the contract: upper bound first.
    if (column >= width) column = width - 1;
    if (column < 0) column = 0;
    if (row >= height) row = height - 1;
    if (row < 0) row = 0;
    return Row(row)[column];
}

Pixel& BMPImage::At(std::int32_t column, std::int32_t row) {
    return const_cast<Pixel&>(ClampedAt(column, row));
}

const Pixel& BMPImage::At(std::int32_t column, std::int32_t row) const {
    return ClampedAt(column, row);
}

bool BMPImage::SetDepth(std::int32_t bits) {
    switch (bits) {
        case 1:
        case 4:
        case 8:
        case 16:
        case 24:
        case 32:
            break;
        default:
            return false;
    }
    bitDepth = bits;
    FillStandardPalette();
    return true;
}

bool BMPImage::SetDimensions(std::int32_t newWidth, std::int32_t newHeight) {
    if (!ReplacePixels(newWidth, newHeight)) {
        return false;
    }
    WhitenRows(0, height);
    return true;
}

bool BMPImage::ReplacePixels(std::int32_t newWidth, std::int32_t newHeight) {
    if (!PixelCountWithinLimit(newWidth, newHeight)) {
        return false;
    }
    const auto count = static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight);
    // The same number of pixels keeps the block: a program painting many
    // files of one size then allocates, and the kernel clears, no memory per
    // file.
    if (count > 1 && count == static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        width = newWidth;
        height = newHeight;
        return true;
    }
    Pixel* fresh = &singlePixel;
    if (count > 1) {
        fresh = static_cast<Pixel*>(AllocateBlock(count * sizeof(Pixel)));
        if (fresh == nullptr) {
            return false;
        }
    }
    ReleasePixels();
    pixels = fresh;
    width = newWidth;
    height = newHeight;
    return true;
}

void BMPImage::WhitenRows(std::int32_t first, std::int32_t end) {
    // As words, which the compiler fills with its widest stores; a fill of
    // Pixel records stores four bytes at a time.
    const std::uint32_t white = LoadWord(&kWhite);
    Pixel* const pixel = Row(first);
    const std::size_t count = static_cast<std::size_t>(end - first) * static_cast<std::size_t>(width);
    for (std::size_t i = 0; i < count; ++i) {
        StoreWord(pixel + i, white);
    }
}

bool BMPImage::SetPaletteColor(std::int32_t index, Pixel colour) {
    // The same bounds as PaletteColor.
    if (HasPalette() && index >= 0 && index < ColorCount()) {
        palette[index] = colour;
        return true;
    }
    return false;
}
