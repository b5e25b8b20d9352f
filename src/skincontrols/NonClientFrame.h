#pragma once

#include "core/Geometry.h"
#include "wsys/WinTypes.h"

namespace tavrik {

class TBitmap;
class TCanvas;
struct TMessage;
struct TbsSkinControlGeometry;

// For controls that draw their own frame in the non-client area. Margins hold the frame's
// widths: Left, Top, Right, Bottom.

// Answers WM_NCCALCSIZE: the client area is the window less the margins (never negative).
void CalcClientArea(TMessage& message, const TRect& margins);
// Copies the frame (the image less the client area) onto the window's non-client area.
void PaintFrameImage(HWND window, const TBitmap& image, const TRect& margins);
// Draws the border of a control skin around its clientrect, from the picture's rectangle
// `source` (skinrect, or another state's rectangle of its size), stretched to the size.
void DrawSkinBorder(TCanvas& canvas, const TbsSkinControlGeometry& geometry, const TRect& source, TSize size);
// The window measures its client area again, and its frame is painted anew.
void RecalcNonClientFrame(HWND window);

} // namespace tavrik
