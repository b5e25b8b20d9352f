#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"
#include "skin/SkinCells.h"

namespace tavrik {

// The four bands around a frame's client area. Top is drawn at (0, 0), Bottom at
// (0, H - its height), Left at (0, Top's height) and Right at (W - its width, Top's height).
struct TFrameParts {
    TBitmap Top;
    TBitmap Bottom;
    TBitmap Left;
    TBitmap Right;
};

// The builders draw the element at rect of source into dest, resized to size with newCut
// (normally ResizeSkinCut of cut), as the cells of their layout (skin/SkinCells.h) say. dest
// becomes a 24-bit bitmap of the built size; pixels the builder does not draw keep what dest
// held. No builder divides by a zero length: an empty strip leaves its run undrawn.

void BuildSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                    const TSkinCut& newCut, TClientFill client, TBitmap& dest);
void BuildStretchSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                           const TSkinCut& newCut, TClientFill client, TEdgeStretch stretch, TBitmap& dest);
// The left end of an element that continues beyond the image's right edge: no right edge,
// no right corners; top and bottom edges and the client run to the image's right edge.
void BuildLeftSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                        const TSkinCut& newCut, TClientFill client, TBitmap& dest);

// Three-part builders: two caps copied unchanged, the strip between them tiled; the image
// keeps the element's other dimension.
void BuildHSkinImage(const TBitmap& source, const TRect& rect, int leftCap, int rightCap, int width,
                     TBitmap& dest);
void BuildHSkinImageOpenRight(const TBitmap& source, const TRect& rect, int leftCap, int rightCap, int width,
                              TBitmap& dest);
// The middle strip tiled across the whole image from x 0, no caps.
void BuildHTiledImage(const TBitmap& source, const TRect& rect, int leftCap, int rightCap, int width,
                      TBitmap& dest);
void BuildVSkinImage(const TBitmap& source, const TRect& rect, int topCap, int bottomCap, int height,
                     TBitmap& dest);

// A part whose band is empty (or whose edge strip is) is left untouched, size included.
void BuildFrameParts(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                     const TSkinCut& newCut, TEdgeStretch stretch, TFrameParts& parts);

} // namespace tavrik
