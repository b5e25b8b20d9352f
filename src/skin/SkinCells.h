#pragma once

#include "core/Geometry.h"

#include <cstdint>
#include <vector>

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

// Whether a nine-cell image tiles the element's client area over its own, or leaves the
// client area as the image held it (for a caller that draws it itself).
enum class TClientFill : uint8_t { Leave, Tile };

// How one axis of a destination rectangle takes its pixels from the source rectangle:
// Scale maps the whole source length onto the destination length by nearest neighbour (an
// identity copy when both lengths agree); Tile repeats the source length from the
// destination's start, the last copy cut at the destination's end.
enum class TAxisFit : uint8_t { Scale, Tile };

// One copy of a builder: a cell of the element, relative to the element's top-left corner,
// onto a rectangle of the image. A layout holds only cells whose source and destination are
// both non-empty, so a zero-length strip, or an edge squeezed out by a target smaller than
// its corners, is simply not there. Destinations may reach outside the image; drawing clips.
struct TSkinCell {
    TRect Source;
    TRect Dest;
    TAxisFit FitX = TAxisFit::Scale;
    TAxisFit FitY = TAxisFit::Scale;

    friend bool operator==(const TSkinCell&, const TSkinCell&) = default;
};

using TSkinCells = std::vector<TSkinCell>;

// Adds the cell unless its source or its destination is empty or reversed.
void AddCell(TSkinCells& cells, const TRect& source, const TRect& dest, TAxisFit fitX = TAxisFit::Scale,
             TAxisFit fitY = TAxisFit::Scale);

struct TNineCellStyle {
    TClientFill Client = TClientFill::Leave;
    TEdgeStretch Stretch{};
    // The element continues beyond the image's right edge: no right edge and no right
    // corners; the top and bottom edges and the client run to the image's right edge.
    bool OpenRight = false;
};

// The cells of an image of `size` built from an element of elementSize cut by cut, with
// newCut the cut in the image (normally ResizeSkinCut): the four edges first, the eight
// corners over them, the client last. None when the element's edges have no length
// (RightBottom.x = LeftTop.x or RightBottom.y = LeftTop.y).
TSkinCells NineCellLayout(const TSkinCut& cut, TSize elementSize, const TSkinCut& newCut, TSize size,
                          const TNineCellStyle& style);

// A run of an image along one axis: a cap copied unchanged at each end, the strip of the
// element between its caps tiled over [RunStart, RunEnd). Positions run along x for a
// horizontal run, along y for a vertical one; across it the image is as the element.
struct TThreePart {
    int FirstCap = 0;
    int LastCap = 0;
    int Length = 0; // of the image
    int RunStart = 0;
    int RunEnd = 0;
    bool DrawFirstCap = true;
    bool DrawLastCap = true;
    bool Horizontal = true;
};

// The first cap, the strip, then the last cap, which wins where the caps overlap.
TSkinCells ThreePartLayout(TSize elementSize, const TThreePart& part);

// The cells of one of the four bands around a frame's client area, and the band's size.
struct TFramePartLayout {
    TSize Size;
    TSkinCells Cells;
    // False when the band has no room or its edge strip no length: the band is not made.
    bool Made = false;
};

struct TFrameLayout {
    TFramePartLayout Top;
    TFramePartLayout Bottom;
    TFramePartLayout Left;
    TFramePartLayout Right;
};

// The top and bottom bands take whole rows of the element and are as wide as the image;
// the side bands fill the height between them. A tiled edge is tiled from the band's
// origin, not from its corner point, and the corner cells are drawn over it.
TFrameLayout FrameLayout(const TSkinCut& cut, TSize elementSize, const TSkinCut& newCut, TSize size,
                         TEdgeStretch stretch);

} // namespace tavrik
