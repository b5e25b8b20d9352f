#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavrik {

// Reads a Windows bitmap file of any variant (OS/2 core and Windows info headers V1 to V5,
// 1/4/8-bit palettes, 16/24/32-bit, bit fields, RLE4/RLE8, bottom-up and top-down).
// Paletted files keep their depth and palette; other depths become 24-bit.
// Throws EInvalidGraphic with a message for the user on damaged or unsupported input.
TBitmap ReadBmp(std::span<const uint8_t> data);
// As ReadBmp, from a file; EFileError when the file cannot be read.
TBitmap ReadBmpFile(const std::string& path);

// Encodes the bitmap in its own pixel format (with its palette when paletted) as a
// bottom-up BITMAPINFOHEADER file that ReadBmp reads back to the same pixels.
std::vector<uint8_t> WriteBmp(const TBitmap& bitmap);
// As WriteBmp, to a file that appears complete or not at all; EFileError on failure.
void WriteBmpFile(const TBitmap& bitmap, const std::string& path);

} // namespace tavrik
