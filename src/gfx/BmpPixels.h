#pragma once

#include "gfx/Bitmap.h"
#include "gfx/BmpInfo.h"

#include <cstdint>
#include <span>

namespace tavrik {

// Decodes the pixel data of a file whose headers ParseBmpInfo accepted. `pixels` is the file
// from the start of the pixel data to its end. Uncompressed data must hold every row (the
// padding of the last row may be missing); run-length data may end early.
TBitmap DecodeBmpPixels(const TBmpInfo& info, std::span<const uint8_t> pixels);

// Decodes run-length data into `out`, a zeroed bitmap of the picture's size. Pixels the data
// skips (delta codes, early end of line or of bitmap, data that stops early) keep index 0,
// or black for 24-bit runs; pixels placed beyond the right or top edge are dropped.
void DecodeBmpRle(const TBmpInfo& info, std::span<const uint8_t> pixels, TBitmap& out);

} // namespace tavrik
