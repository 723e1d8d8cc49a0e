#pragma once

// Finding the palette entry nearest to a colour, fast enough to run once per
// pixel when an image is saved at 1, 4 or 8 bits.
//
// The answer is always the one NearestPaletteIndex gives: the lowest index
// among the entries at the smallest squared Blue/Green/Red distance. For a
// large palette the colour cube is cut into 32 x 32 x 32 cells; the first time
// a colour falls into a cell, the cell gets the list of entries that can be
// nearest to any colour inside it (those whose least distance to the cell is
// no more than the smallest greatest distance of any entry). Scanning that
// short list in index order gives the same entry as scanning the whole table.

#include <cstdint>
#include <vector>

#include "bitmap/pixel.h"

class BMPImage;

// The nearest of count entries to pixel, by a full scan in index order: the
// first entry at the smallest distance wins, and an exact match ends the scan.
std::uint8_t ScanForNearest(const Pixel* entries, std::int32_t count, Pixel pixel);

class NearestColorSearch {
public:
    // Takes a snapshot of the image's palette; the image must not change its
    // palette while the search is in use.
    explicit NearestColorSearch(const BMPImage& image);

    std::uint8_t Find(Pixel pixel);

private:
    void BuildCell(std::uint32_t cell);

    Pixel entries[256];
    std::int32_t count = 0;
    bool useCells = false;
    std::uint32_t lastColor = 0xFFFFFFFF;  // no pixel has this Blue/Green/Red key
    std::uint8_t lastIndex = 0;
    // Per cell: start of its list in candidates, or kUnbuilt.
    std::vector<std::uint32_t> cellStart;
    std::vector<std::uint16_t> cellLength;
    std::vector<std::uint8_t> candidates;
};

// Encodes one row at 1, 4 or 8 bits (bits) as the EncodeRow codecs do, with a
// search the caller keeps across rows.
bool EncodeIndexedRow(const BMPImage& image, std::int32_t bits, std::uint8_t* buffer,
                      std::int32_t length, std::int32_t row, NearestColorSearch& search);
