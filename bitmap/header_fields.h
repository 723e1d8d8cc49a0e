#pragma once

// The fields of the two header records in file order, for the code that
// moves them one at a time: visit is called on each field in turn. The file
// header's bfType is left out, because a reader tests it on its own first.

template <typename FileHeader, typename Visit>
void VisitFileHeaderAfterType(FileHeader& header, Visit&& visit) {
    visit(header.bfSize);
    visit(header.bfReserved1);
    visit(header.bfReserved2);
    visit(header.bfOffBits);
}

template <typename InfoHeader, typename Visit>
void VisitInfoHeader(InfoHeader& header, Visit&& visit) {
    visit(header.biSize);
    visit(header.biWidth);
    visit(header.biHeight);
    visit(header.biPlanes);
    visit(header.biBitCount);
    visit(header.biCompression);
    visit(header.biSizeImage);
    visit(header.biXPelsPerMeter);
    visit(header.biYPelsPerMeter);
    visit(header.biClrUsed);
    visit(header.biClrImportant);
}
