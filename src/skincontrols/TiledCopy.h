#pragma once

#include "core/Geometry.h"

namespace tavrik {

class TBitmap;
class TCanvas;

// Repeats the rectangle `source` of the picture over dest from dest's top-left corner; the
// last row and column are cut at dest's edges. Nothing for an empty source or dest.
void TileRect(TCanvas& canvas, const TBitmap& picture, const TRect& source, const TRect& dest);

} // namespace tavrik
