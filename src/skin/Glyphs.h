#pragma once

#include "core/Color.h"
#include "core/Geometry.h"

namespace tavrik {

class TCanvas;

// The small pictures drawn where a skin has no image: arrows, check marks and the caption
// buttons' symbols. Glyphs with a point draw relative to it as their top-left origin;
// glyphs with a rectangle centre on (left + width div 2, top + height div 2). Lines leave
// out their end point. The canvas state is left as it was.

enum class TArrowDirection : uint8_t { Left = 1, Right = 2, Up = 3, Down = 4 };

// A triangle 4 pixels deep and 7 across, its tip 2 pixels from the centre.
void DrawArrowGlyph(TCanvas& canvas, const TRect& rect, TColor color, TArrowDirection direction);
// A downward triangle 5 pixels across and 3 deep.
void DrawSmallDownArrow(TCanvas& canvas, const TRect& rect, TColor color);
void DrawCheckGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawDotGlyph(TCanvas& canvas, int x, int y, TColor color);

// Caption-button symbols, about 11 x 10 pixels.
void DrawCloseGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawCloseGlyph(TCanvas& canvas, const TRect& rect, TColor color);
void DrawSysMenuGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawMinimizeGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawMaximizeGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawRestoreGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawRollUpGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawRollDownGlyph(TCanvas& canvas, int x, int y, TColor color);
void DrawTrayGlyph(TCanvas& canvas, int x, int y, TColor color);

} // namespace tavrik
