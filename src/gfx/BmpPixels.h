#pragma once

#include "gfx/Bitmap.h"
#include "gfx/BmpInfo.h"

#include <cstdint>
#include <span>

namespace tavrik {

// Decodes the pixel data of a file whose headers ParseBmpInfo accepted. `pixels` is the file
// from the start of the pixel data to its end. Uncompressed data must hold every row (the
// padding of the last row may be missing); run-length data must reach its end-of-bitmap code
// or the end of the top row.
TBitmap DecodeBmpPixels(const TBmpInfo& info, std::span<const uint8_t> pixels);

// Decodes run-length data into `out`, a zeroed bitmap of the picture's size. Pixels the codes
// skip (delta codes, early end of line or of bitmap) keep index 0, or black for 24-bit runs;
// pixels placed beyond the right or top edge are dropped. Data that stops before its
// end-of-bitmap code and before the end of the top row raises EInvalidGraphic ("damaged").
void DecodeBmpRle(const TBmpInfo& info, std::span<const uint8_t> pixels, TBitmap& out);

} // namespace tavrik
