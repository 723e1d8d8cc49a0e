#pragma once

#include <cstdint>
#include <cstdio>

#include "bitmap/file_status.h"
#include "bitmap/pixel.h"

// An in-memory image of 1, 4, 8, 16, 24 or 32 bits per pixel.
//
// The image always holds full four-byte pixels whatever its depth; the depth
// only decides whether there is a palette (at 1, 4 and 8 bits, with 2, 16 or
// 256 entries) and how the file codecs pack the pixels. Width and height are
// always at least 1. Coordinates are (column, row), row 0 at the top.
//
// Pixels are stored row by row in one block, so a row is contiguous in memory
// (see Row()). References from At() and pointers from Row() stay valid until
// the next SetDimensions or the image's destruction.
class BMPImage {
public:
    // A 24-bit 1 x 1 white image without palette and without resolution.
    BMPImage();
    ~BMPImage();

    // A new image with storage of its own and the source's depth, size,
    // palette and pixels, in six steps: fresh image, SetDepth, SetDimensions,
    // SetResolutionDPI(source.HorizontalDPI(), source.VerticalDPI()), palette
    // entries, then pixels row by row. The resolution travels through whole
    // dots per inch (3780 becomes 3779), and the queries give an unset source
    // resolution 3780, which is why the source is not const. When the pixels
    // cannot be allocated the copy stays 1 x 1; compare sizes to tell.
    BMPImage(BMPImage& source);
    // The library never assigns one image to another.
    BMPImage& operator=(const BMPImage&) = delete;

    std::int32_t Width() const { return width; }
    std::int32_t Height() const { return height; }
    std::int32_t Depth() const { return bitDepth; }

    // Colours the depth implies: 2^depth, and 2^24 at 32 bits.
    std::int32_t ColorCount() const;

    // The pixel at (column, row). Each coordinate is clamped to the nearest
    // edge: first column >= width, then column < 0, then the same for row.
    Pixel& At(std::int32_t column, std::int32_t row);
    const Pixel& At(std::int32_t column, std::int32_t row) const;

    // A copy of the pixel At(column, row) would address, clamped the same way.
    Pixel PixelValue(std::int32_t column, std::int32_t row) const;
    // Writes all four bytes of pixel at (column, row) without clamping. A
    // coordinate outside the image writes nothing and returns false.
    bool StorePixel(std::int32_t column, std::int32_t row, Pixel pixel);

    // Resolution in dots per inch. SetResolutionDPI stores each value times
    // 39.37007874015748, truncated (saturated where it leaves the 32-bit
    // range). The queries first replace an unset (0) resolution with 3780
    // pixels per metre, changing the image, then return it times 0.0254,
    // truncated: 3780 answers 96, 2835 answers 72.
    void SetResolutionDPI(std::int32_t horizontal, std::int32_t vertical);
    std::int32_t HorizontalDPI();
    std::int32_t VerticalDPI();
    // The stored pixels per metre, 0 when unset; reading them changes nothing.
    std::int32_t XPelsPerMeter() const { return xPelsPerMeter; }
    std::int32_t YPelsPerMeter() const { return yPelsPerMeter; }

    // Row access without clamping, for codecs and filters: row must lie in
    // 0 ... Height() - 1, and the row holds Width() pixels.
    Pixel* Row(std::int32_t row) { return pixels + static_cast<std::size_t>(row) * width; }
    const Pixel* Row(std::int32_t row) const {
        return pixels + static_cast<std::size_t>(row) * width;
    }

    // Sets the depth (1, 4, 8, 16, 24 or 32; anything else returns false and
    // changes nothing). Indexed depths get the standard palette afresh, even
    // when the depth does not change; other depths have no palette. Pixels are
    // never converted.
    bool SetDepth(std::int32_t bits);

    // Gives the image new storage of width x height white pixels (Alpha 0).
    // Returns false, keeping the old size and pixels, when either side is below
    // 1, the pixel count exceeds kMaxPixelCount, or the memory cannot be had.
    // Depth, palette and resolution are kept.
    bool SetDimensions(std::int32_t width, std::int32_t height);

    // Palette entry index, all four bytes; white when the image has no palette
    // or the index is outside it.
    Pixel PaletteColor(std::int32_t index) const {
        // A negative index is refused too, so no index reads outside the table.
        // At an indexed depth ColorCount() is 1 << bitDepth.
        if (HasPalette() && index >= 0 && index < (1 << bitDepth)) {
            return palette[index];
        }
        return kWhite;
    }
    // Stores one palette entry; false, storing nothing, where PaletteColor
    // would answer white.
    bool SetPaletteColor(std::int32_t index, Pixel colour);
    // Writes the standard palette of the current depth; false at 16, 24, 32.
    bool FillStandardPalette();

    // Reads a BMP file. True once the headers are accepted, even when the
    // pixel rows end early (the rows not read stay white). On false the image
    // is 1 x 1 at depth 1, except that a file not starting with "BM" leaves it
    // untouched. LoadWithStatus does the same and says why a file was refused.
    bool Load(const char* path);
    LoadStatus LoadWithStatus(const char* path);

    // Writes the image as a BMP file of its depth: a full standard-layout
    // palette at 1, 4 and 8 bits, 5-6-5 bit masks at 16 bits, 3780 pixels per
    // metre for an unset resolution. False when the file cannot be created,
    // a write fails, or the file would exceed 4 GiB (then nothing is created).
    bool Save(const char* path);
    SaveStatus SaveWithStatus(const char* path);

    // Row codecs: (stored row bytes, their length, image row). Each returns
    // false, touching neither image nor buffer, when length is too short for
    // Width() pixels at its depth. The row must lie in 0 ... Height() - 1.
    // Encoders write only the bytes that hold pixels and leave the rest.
    bool DecodeRow1(const std::uint8_t* buffer, std::int32_t length, std::int32_t row);
    bool DecodeRow4(const std::uint8_t* buffer, std::int32_t length, std::int32_t row);
    bool DecodeRow8(const std::uint8_t* buffer, std::int32_t length, std::int32_t row);
    bool DecodeRow24(const std::uint8_t* buffer, std::int32_t length, std::int32_t row);
    bool DecodeRow32(const std::uint8_t* buffer, std::int32_t length, std::int32_t row);
    bool EncodeRow1(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const;
    bool EncodeRow4(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const;
    bool EncodeRow8(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const;
    bool EncodeRow24(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const;
    bool EncodeRow32(std::uint8_t* buffer, std::int32_t length, std::int32_t row) const;

    // The palette index whose colour is nearest to pixel (squared distance of
    // Blue, Green and Red; Alpha ignored), the lowest index on ties.
    std::uint8_t NearestPaletteIndex(Pixel pixel) const;

private:
    bool HasPalette() const { return bitDepth == 1 || bitDepth == 4 || bitDepth == 8; }
    const Pixel& ClampedAt(std::int32_t column, std::int32_t row) const;
    void ReleasePixels();
    // SetDimensions without making the pixels white: their values are then
    // unset until the caller gives every one of them a value.
    bool ReplacePixels(std::int32_t width, std::int32_t height);
    // Makes rows first ... end - 1 white with Alpha 0.
    void WhitenRows(std::int32_t first, std::int32_t end);
    void ReadPalette(std::int32_t entries, std::FILE* file);
    void ReadRows(std::FILE* file);
    std::int32_t DecodeStoredRows(std::FILE* file);
    bool WriteColorSection(std::FILE* file) const;
    bool WriteRows(std::FILE* file) const;

    std::int32_t bitDepth = 24;
    std::int32_t width = 1;
    std::int32_t height = 1;
    // width x height pixels, row-major. A 1 x 1 image uses singlePixel, so a
    // fresh image allocates nothing and construction cannot fail.
    Pixel* pixels;
    Pixel singlePixel = kWhite;
    // Entries 0 ... ColorCount() - 1 are the palette when HasPalette().
    Pixel palette[256] = {};
    std::int32_t xPelsPerMeter = 0;  // 0: not set
    std::int32_t yPelsPerMeter = 0;
};
