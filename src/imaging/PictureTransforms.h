#pragma once

#include "gfx/Bitmap.h"

namespace tavrik {

// Both transforms replace the picture with a new 24-bit picture buffer (a picture of another
// format is converted first); pixel bytes are copied unchanged.

// Mirrors left to right: source pixel (x, y) goes to (W - 1 - x, y).
void FlipHorz(TBitmap& picture);

// A clockwise quarter turn as seen on screen: the W x H picture becomes H x W and source pixel
// (x, y) goes to (H - 1 - y, x), so the top row becomes the rightmost column.
void Rotate90(TBitmap& picture);

} // namespace tavrik
