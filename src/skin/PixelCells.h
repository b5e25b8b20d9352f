#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"
#include "skin/SkinCells.h"

namespace tavrik {

// Copies the source rectangle of src (any pixel format) onto the destination rectangle of
// dst, a different, 24-bit bitmap, sampled as gfx/NearestSampler.h says (a reversed
// rectangle mirrors). Pixels that fall outside either bitmap are skipped, so any geometry is
// safe; an empty rectangle draws nothing.
void BlitCell(TBitmap& dst, const TRect& dstRect, const TBitmap& src, const TRect& srcRect,
              TAxisFit fitX = TAxisFit::Scale, TAxisFit fitY = TAxisFit::Scale);

// Draws the cells of a layout in order, their sources taken from src at origin.
void DrawCells(TBitmap& dst, const TBitmap& src, TPoint origin, const TSkinCells& cells);

// Resizes bitmap to width x height as a 24-bit bitmap, keeping what it held in the area
// both sizes share.
void SetPictureSize(TBitmap& bitmap, int width, int height);

} // namespace tavrik
