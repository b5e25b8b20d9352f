#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavrik {

// How a skin element is cut for resizing: four corner points and the client rectangle, all
// relative to the element's top-left corner. The eight corner cells are copied unchanged,
// the four edges tiled (or stretched) between their corner points, the client area tiled.
//
//   0    C.left  LT.x                    RT.x  C.right  width
//   +--------------+-----------------------+-----------+  0
//   |   TL upper   |       top edge        | TR upper  |
//   +-----+--------+-----------------------+---+-------+  C.top
//   | TL  |                                    |  TR   |
//   | side|                                    |  side |
//   +-----+ LT.y                          RT.y +-------+
//   | left|                                    | right |
//   | edge|            client area             | edge  |
//   +-----+ LB.y                          RB.y +-------+
//   | BL  |                                    |  BR   |
//   | side+------+-----------------------+-----+-------+  C.bottom
//   |     |  BL  |      bottom edge      |   BR lower  |
//   +-----+------+-----------------------+-------------+  height
//        C.left LB.x                    RB.x
struct TSkinCut {
    TPoint LeftTop;
    TPoint RightTop;
    TPoint LeftBottom;
    TPoint RightBottom;
    TRect Client;

    friend bool operator==(const TSkinCut&, const TSkinCut&) = default;
};

// The cut of an element of elementSize built at newSize, keeping corners and border widths
// as drawn: right-hand points and the client's right move with the width, lower points and
// the client's bottom with the height.
TSkinCut ResizeSkinCut(const TSkinCut& cut, TSize elementSize, TSize newSize);

// Which edges are drawn scaled instead of tiled.
struct TEdgeStretch {
    bool Top = false;
    bool Bottom = false;
    bool Left = false;
    bool Right = false;
};

// The four bands around a frame's client area. Top is drawn at (0, 0), Bottom at
// (0, H - its height), Left at (0, Top's height) and Right at (W - its width, Top's height).
struct TFrameParts {
    TBitmap Top;
    TBitmap Bottom;
    TBitmap Left;
    TBitmap Right;
};

// The builders draw the element at rect of source into dest, resized to size with newCut
// (normally ResizeSkinCut of cut). dest becomes a 24-bit bitmap of the built size; pixels the
// builder does not draw keep what dest held. No builder divides by a zero length: an empty
// strip leaves its run undrawn.

void BuildSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                    const TSkinCut& newCut, bool fillClient, TBitmap& dest);
void BuildStretchSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                           const TSkinCut& newCut, bool fillClient, TEdgeStretch stretch, TBitmap& dest);
// The left end of an element that continues beyond the image's right edge: no right edge,
// no right corners; top and bottom edges and the client run to the image's right edge.
void BuildLeftSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                        const TSkinCut& newCut, bool fillClient, TBitmap& dest);

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
