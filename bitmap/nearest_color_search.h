#pragma once

// Finding the palette entry nearest to a colour, fast enough to run once per
// pixel when an image is saved at 1, 4 or 8 bits.
//
// The answer is always the one NearestPaletteIndex gives: the lowest index
// among the entries at the smallest squared Blue/Green/Red distance. Exact
// shortcuts make that cheap:
// - An entry whose colour an earlier entry already has can never be chosen
//   (ties keep the lower index), so only the first entry of each colour is
//   searched.
// - The colour cube is cut into 64 x 64 x 64 cells of 4 x 4 x 4 colours. The
//   first time a colour falls into a cell, the cell gets the list of entries
//   that can be nearest somewhere inside it (see palette_candidates.h), taken
//   from the list of its 32 x 32 x 32 block, or the one entry that is nearest
//   everywhere inside it. Scanning that list gives the same entry as scanning
//   the whole palette.
// - A row is searched in two passes: first every pixel whose cell has one
//   entry, without branching on the kind of cell, then the others. On a
//   photograph and the standard 8-bit palette about 70 % of the pixels are
//   done in the first pass, and most lists of the rest hold two entries.

#include <cstdint>
#include <vector>

#include "bitmap/pixel.h"
#include "platform/scratch_array.h"

class BMPImage;

// The nearest of count entries to pixel, by a full scan in index order: the
// first entry at the smallest distance wins, and an exact match ends the scan.
std::uint8_t ScanForNearest(const Pixel* entries, std::int32_t count, Pixel pixel);

class NearestColorSearch {
public:
    // Takes a snapshot of the image's palette; the image must not change its
    // palette while the search is in use. Without a palette every answer is 0.
    explicit NearestColorSearch(const BMPImage& image);

    // indices[i] = the nearest palette index to pixels[i], for i < count.
    void FindRow(const Pixel* pixels, std::int32_t count, std::uint8_t* indices);

private:
    // The word of pixel's cell; 0 when the cells have to be given up for
    // lack of memory.
    std::uint32_t BuildCell(Pixel pixel);
    std::uint32_t BlockList(Pixel pixel);
    std::uint32_t StoreList(const Pixel* list, std::int32_t count);
    std::uint8_t FindByScan(Pixel pixel) const;

    // The first entry of each colour, in index order, with its palette index
    // in Alpha (the distance ignores Alpha).
    Pixel distinct[256];
    std::int32_t distinctCount = 0;
    bool useCells = false;
    // Cell words: 0 until built; kUniform | index for a cell with one nearest
    // entry; otherwise a list, its start in lists shifted left by 9 or'ed with
    // its length (1 ... 256). Block words hold lists only. The cells are
    // allocated zeroed, so only the pages of cells in use are ever touched.
    ScratchArray<std::uint32_t> cells;
    std::uint32_t blocks[512] = {};
    std::vector<Pixel> lists;
};

// Encodes one row at 1, 4 or 8 bits (bits) as the EncodeRow codecs do, with a
// search the caller keeps across rows.
bool EncodeIndexedRow(const BMPImage& image, std::int32_t bits, std::uint8_t* buffer,
                      std::int32_t length, std::int32_t row, NearestColorSearch& search);
