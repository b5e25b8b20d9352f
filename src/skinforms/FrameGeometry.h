#pragma once

#include "core/Geometry.h"

namespace tavrik {

struct TbsSkinFormInfo;

// Where the parts of a skinned frame lie at one frame size, in form coordinates (origin at
// the window's top-left corner, frame included). The skin's frame values are given for the
// frame picture's own size; everything right of the right-hand corner points follows the
// right edge and everything below the lower ones the bottom edge:
//
//   picture pw x ph            frame W x H, dx = W - pw, dy = H - ph
//   LT ........ RT             LT ............... RT + (dx, 0)
//   .  client    .     ->      .     client grows    .
//   LB ........ RB             LB + (0, dy) ..... RB + (dx, dy)
struct TFrameGeometry {
    TPoint NewLTPoint;
    TPoint NewRTPoint;
    TPoint NewLBPoint;
    TPoint NewRBPoint;
    TRect NewClientRect;
    TRect NewCaptionRect;
    // Buttons whose row lies in the right half of the picture follow the right edge.
    TRect NewButtonsRect;
    TRect NewMaskRect;
    // Left-top, right-top, left-bottom, right-bottom: where the sizing corners begin.
    TPoint NewHitTestPoints[4];
};

TFrameGeometry ComputeFrameGeometry(const TbsSkinFormInfo& info, TSize picture, TSize frame);

// Where a rectangle of the frame picture lies on the frame: a rectangle inside one corner
// area of the picture moves with that corner, one spanning two or four of them stretches
// between them, anything else stays.
TRect MapObjectRect(const TRect& r, const TbsSkinFormInfo& info, TSize picture, const TFrameGeometry& geometry);

} // namespace tavrik
