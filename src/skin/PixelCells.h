#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavrik {

// How one axis of a destination rectangle takes its pixels from the source rectangle:
// Scale maps the whole source length onto the destination length by nearest neighbour (an
// identity copy when both lengths agree); Tile repeats the source length from the
// destination's start, the last copy cut at the destination's end.
enum class TAxisFit : uint8_t { Scale, Tile };

// Copies the source rectangle of src (any pixel format) onto the destination rectangle of
// dst, a different, 24-bit bitmap.
// Pixels that fall outside either bitmap are skipped, so any geometry is safe; an empty or
// inverted rectangle, or a zero source length, draws nothing.
void BlitCell(TBitmap& dst, const TRect& dstRect, const TBitmap& src, const TRect& srcRect,
              TAxisFit fitX = TAxisFit::Scale, TAxisFit fitY = TAxisFit::Scale);

// The nearest-neighbour source position of destination position i of a run of dstLength
// taking its pixels from a run of srcLength: the source pixel under the destination pixel's
// centre.
constexpr int64_t ScaledSourceOffset(int64_t i, int64_t srcLength, int64_t dstLength)
{
    return (2 * i + 1) * srcLength / (2 * dstLength);
}

// Resizes bitmap to width x height as a 24-bit bitmap, keeping what it held in the area
// both sizes share.
void SetPictureSize(TBitmap& bitmap, int width, int height);

} // namespace tavrik
