#include "bitmap/header_reading.h"

#include "bitmap/little_endian_fields.h"

bool ReadFileHeaderAfterType(BITMAPFILEHEADER& header, std::FILE* file) {
    bool complete = ReadField(header.bfSize, file);
    complete &= ReadField(header.bfReserved1, file);
    complete &= ReadField(header.bfReserved2, file);
    complete &= ReadField(header.bfOffBits, file);
    return complete;
}

bool ReadInfoHeader(BITMAPINFOHEADER& header, std::FILE* file) {
    bool complete = ReadField(header.biSize, file);
    complete &= ReadField(header.biWidth, file);
    complete &= ReadField(header.biHeight, file);
    complete &= ReadField(header.biPlanes, file);
    complete &= ReadField(header.biBitCount, file);
    complete &= ReadField(header.biCompression, file);
    complete &= ReadField(header.biSizeImage, file);
    complete &= ReadField(header.biXPelsPerMeter, file);
    complete &= ReadField(header.biYPelsPerMeter, file);
    complete &= ReadField(header.biClrUsed, file);
    complete &= ReadField(header.biClrImportant, file);
    return complete;
}
