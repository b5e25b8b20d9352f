#pragma once

#include "core/Color.h"
#include "core/Geometry.h"

namespace tavrik {

class TCanvas;

enum class TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// Draws `width` nested one-pixel frames on the outermost pixels of rect: top and left edges
// in topColor, bottom and right edges in bottomColor (which owns the top-right and
// bottom-left corner pixels); rect shrinks by one pixel on every side per frame.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

// The colours of a bevel: raised is light above dark, lowered the reverse.
void BevelColors(TBevelCut cut, TColor& topColor, TColor& bottomColor);

} // namespace tavrik
