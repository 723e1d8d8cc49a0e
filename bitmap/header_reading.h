#pragma once

#include <cstdio>

#include "bitmap/bmp_headers.h"

// Reading the two header records field by field, in file order, through
// ReadExact. Every read is attempted even after one has failed, and a field
// the file ends before keeps the value it held. True when every read succeeded.

// bfSize, bfReserved1, bfReserved2, bfOffBits: the file header after bfType,
// which a reader tests on its own first.
bool ReadFileHeaderAfterType(BITMAPFILEHEADER& header, std::FILE* file);

// The eleven fields of the 40-byte info header.
bool ReadInfoHeader(BITMAPINFOHEADER& header, std::FILE* file);
