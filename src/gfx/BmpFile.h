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
//
// What it accepts beyond the common files, and how:
// - OS/2 2.x headers of 16 to 64 bytes, their 24-bit run-length encoding, and the first
//   bitmap of an OS/2 bitmap array ("BA"); 2-bit files, widened to 4-bit indices.
// - Palettes: the number of colours used, capped at what the depth can index, and cut
//   short where the pixel data starts; indices beyond the palette read as black.
// - Channel masks of any contiguous width; each channel is scaled to 8 bits as
//   round(v * 255 / max), so 5-bit 31 becomes 255. Alpha and unused bits are ignored.
// - Run-length pictures: pixels the codes skip (delta codes, early end of line or of
//   bitmap) keep palette index 0 (black for 24-bit runs).
// - A file cut off before its picture is complete is refused rather than shown partly: an
//   uncompressed file that ends before its last row (only the padding of the last row may be
//   missing), a run-length file whose data stops before its end-of-bitmap code and before
//   the end of its top row.
// - A width or height of 0 gives an empty 0 x 0 picture.
// Pictures are limited to TBitmap::kMaxPixelBytes of pixel data; the size is checked before
// any memory is taken for the pixels, and for uncompressed files the rows must be present
// too. A few run-length bytes may rightly describe a large picture, so those are held to the
// cap only; a large picture commits memory only where pixels are written.
// Messages do not name the file: the caller knows it.
TBitmap ReadBmp(std::span<const uint8_t> data);
// As ReadBmp, from a file; EFileError naming the path when the file cannot be read.
TBitmap ReadBmpFile(const std::string& path);

// Encodes the bitmap in its own pixel format (with its palette when paletted) as a
// bottom-up BITMAPINFOHEADER file that ReadBmp reads back to the same pixels; 1, 4 and 8-bit
// bitmaps come back with the same indices and palette (an empty palette is written as a
// full black one). 16 and 32-bit bitmaps come back as 24-bit; 16-bit ones are written as
// 5-5-5, whose exact scaling may be one step above TBitmap's own bit-replicating widening.
//
// The empty 0 x 0 picture is a 54-byte file (plus the palette of a paletted bitmap): the
// file header with bfOffBits = file size, a 40-byte info header with width 0, height 0,
// one plane, the bitmap's depth, no compression, biSizeImage 0, and no pixel data.
std::vector<uint8_t> WriteBmp(const TBitmap& bitmap);
// As WriteBmp, to a file that appears complete or not at all; EFileError on failure.
void WriteBmpFile(const TBitmap& bitmap, const std::string& path);

} // namespace tavrik
