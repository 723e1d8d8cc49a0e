// The standard palettes an indexed image receives from SetDepth, and that
// Save writes for an indexed image that has none.

#include "bitmap/bmp_image.h"

namespace {

constexpr Pixel Entry(int blue, int green, int red) {
    return Pixel{static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(green),
                 static_cast<std::uint8_t>(red), 0};
}

// Entries 0 ... 15 of the 4-bit palette: index 4b + 2g + r takes intensity 128
// (entries 0 ... 7) or 255 (entries 8 ... 15) on each set channel; entry 8 is
// then the light grey 192, so 7 is the dark grey and 8 the light one.
void FillFourBit(Pixel* palette) {
    for (int index = 0; index < 16; ++index) {
        const int level = index < 8 ? 128 : 255;
        const int bits = index & 7;
        palette[index] = Entry((bits >> 2 & 1) * level, (bits >> 1 & 1) * level, (bits & 1) * level);
    }
    palette[8] = Entry(192, 192, 192);
}

// A 4 x 8 x 8 colour cube, its first eight entries replaced by the dark
// 4-bit colours, then the thirteen fixed system colours. Here the light grey
// is entry 7 and the dark grey sits at 248.
void FillEightBit(Pixel* palette) {
    for (int blue = 0; blue < 4; ++blue) {
        for (int green = 0; green < 8; ++green) {
            for (int red = 0; red < 8; ++red) {
                palette[64 * blue + 8 * green + red] = Entry(64 * blue, 32 * green, 32 * red);
            }
        }
    }
    Pixel fourBit[16];
    FillFourBit(fourBit);
    for (int index = 0; index < 8; ++index) {
        palette[index] = fourBit[index];
    }
    struct Fixed {
        int index;
        Pixel colour;
    };
    static constexpr Fixed kFixed[] = {
        {7, Entry(192, 192, 192)},   {8, Entry(192, 220, 192)},   {9, Entry(240, 202, 166)},
        {246, Entry(240, 251, 255)}, {247, Entry(164, 160, 160)}, {248, Entry(128, 128, 128)},
        {249, Entry(0, 0, 255)},     {250, Entry(0, 255, 0)},     {251, Entry(0, 255, 255)},
        {252, Entry(255, 0, 0)},     {253, Entry(255, 0, 255)},   {254, Entry(255, 255, 0)},
        {255, Entry(255, 255, 255)},
    };
    for (const Fixed& fixed : kFixed) {
        palette[fixed.index] = fixed.colour;
    }
}

}  // namespace

bool BMPImage::FillStandardPalette() {
    switch (bitDepth) {
        case 1:
            palette[0] = Entry(0, 0, 0);
            palette[1] = Entry(255, 255, 255);
            return true;
        case 4:
            FillFourBit(palette);
            return true;
        case 8:
            FillEightBit(palette);
            return true;
        default:
            return false;
    }
}
