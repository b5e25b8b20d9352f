#pragma once

#include "core/Color.h"
#include "core/Geometry.h"

namespace tavrik {

class TBitmap;
class TCanvas;

// A one-pixel frame just inside rect: top and left in topLeft, bottom and right in
// bottomRight (the bottom-left and top-right pixels too).
void DrawFrame3D(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight);

// Frame k (from 1) of a strip of frameCount equal frames side by side, drawn at (x, y)
// leaving out the colour of the frame's bottom-left pixel. Nothing for an empty strip or a
// frame number outside 1 to frameCount.
void DrawStripFrame(TCanvas& canvas, int x, int y, int k, int frameCount, const TBitmap& strip);

} // namespace tavrik
