#pragma once

#include "core/Color.h"
#include "gfx/Bitmap.h"

#include <vector>

namespace tavrik::skingen {

// Turns a 24-bit picture into an 8-bit one. Every reserved colour the picture uses gets an
// entry of its own, so that flat areas keep their exact colour in every picture of the skin
// (an element copied from one picture then meets the background of another without a seam);
// the remaining entries come from a median cut of the other colours.
TBitmap Quantise(const TBitmap& picture, const std::vector<TColor>& reserved);

// A 1-bit (or 4-bit) mask: black where inside(x, y) holds, white elsewhere.
template <class Inside>
TBitmap MakeMask(int width, int height, TPixelFormat format, Inside inside)
{
    TBitmap mask(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) mask.SetPixel(x, y, inside(x, y) ? clBlack : clWhite);
    return mask;
}

} // namespace tavrik::skingen
