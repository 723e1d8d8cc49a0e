#include "bitmap/header_reading.h"

#include "bitmap/header_fields.h"
#include "bitmap/little_endian_fields.h"

bool ReadFileHeaderAfterType(BITMAPFILEHEADER& header, std::FILE* file) {
    bool complete = true;
    VisitFileHeaderAfterType(header, [&](auto& field) { complete &= ReadField(field, file); });
    return complete;
}

bool ReadInfoHeader(BITMAPINFOHEADER& header, std::FILE* file) {
    bool complete = true;
    VisitInfoHeader(header, [&](auto& field) { complete &= ReadField(field, file); });
    return complete;
}
