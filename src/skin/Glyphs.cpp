#include "skin/Glyphs.h"

#include "gfx/Canvas.h"

namespace tavrik {

namespace {

// Draws with a plain one-pixel pen and a solid brush of one colour, relative to an origin,
// and puts the canvas state back afterwards.
class TGlyphPen {
public:
    TGlyphPen(TCanvas& canvas, TPoint origin, TColor color) : canvas_(canvas), saver_(canvas), origin_(origin)
    {
        canvas_.SetPen(TPen{color, 1, TPenStyle::psSolid, TPenMode::pmCopy});
        canvas_.SetBrush(TBrush{color, TBrushStyle::bsSolid});
    }

    void Line(int x0, int y0, int x1, int y1) const
    {
        canvas_.MoveTo(origin_.x + x0, origin_.y + y0);
        canvas_.LineTo(origin_.x + x1, origin_.y + y1);
    }
    void LineOn(int x, int y) const { canvas_.LineTo(origin_.x + x, origin_.y + y); }
    // The pixels from (x0, y0) to (x1, y1), both included, along a row or a column.
    void Span(int x0, int y0, int x1, int y1) const { Solid(x0, y0, x1 + 1, y1 + 1); }
    void Outline(int l, int t, int r, int b) const { canvas_.FrameRect(Rect(l, t, r, b).Offset(origin_.x, origin_.y)); }
    void Solid(int l, int t, int r, int b) const { canvas_.FillRect(Rect(l, t, r, b).Offset(origin_.x, origin_.y)); }

private:
    TCanvas& canvas_;
    TCanvasStateSaver saver_;
    TPoint origin_;
};

TPoint CentreOf(const TRect& r) { return {r.Left + r.Width() / 2, r.Top + r.Height() / 2}; }

} // namespace

void DrawArrowGlyph(TCanvas& canvas, const TRect& rect, TColor color, TArrowDirection direction)
{
    TGlyphPen pen(canvas, CentreOf(rect), color);
    for (int i = 0; i <= 3; ++i) {
        switch (direction) {
        case TArrowDirection::Left: pen.Span(-2 + i, -i, -2 + i, i); break;
        case TArrowDirection::Right: pen.Span(2 - i, -i, 2 - i, i); break;
        case TArrowDirection::Up: pen.Span(-i, -2 + i, i, -2 + i); break;
        case TArrowDirection::Down: pen.Span(-i, 2 - i, i, 2 - i); break;
        }
    }
}

void DrawSmallDownArrow(TCanvas& canvas, const TRect& rect, TColor color)
{
    TGlyphPen pen(canvas, CentreOf(rect), color);
    for (int i = 0; i <= 2; ++i) pen.Span(-i, 2 - i, i, 2 - i);
}

void DrawCheckGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    TGlyphPen pen(canvas, {x, y}, color);
    for (int i = 0; i <= 2; ++i) {
        pen.Line(0, 5 - i, 2, 7 - i);
        pen.LineOn(7, 2 - i);
    }
}

void DrawDotGlyph(TCanvas& canvas, int x, int y, TColor color) { TGlyphPen(canvas, {x, y}, color).Solid(0, 0, 6, 6); }

void DrawCloseGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    TGlyphPen pen(canvas, {x, y}, color);
    pen.Line(1, 1, 9, 9);
    pen.Line(9, 1, 1, 9);
    pen.Line(2, 1, 10, 9);
    pen.Line(8, 1, 0, 9);
}

void DrawCloseGlyph(TCanvas& canvas, const TRect& rect, TColor color)
{
    TPoint c = CentreOf(rect);
    DrawCloseGlyph(canvas, c.x - 5, c.y - 5, color);
}

void DrawSysMenuGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    TGlyphPen(canvas, {x, y}, color).Outline(1, 3, 9, 6);
}

void DrawMinimizeGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    TGlyphPen pen(canvas, {x, y}, color);
    pen.Line(1, 8, 9, 8);
    pen.Line(1, 9, 9, 9);
}

void DrawMaximizeGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    TGlyphPen pen(canvas, {x, y}, color);
    pen.Outline(0, 0, 11, 10);
    pen.Outline(0, 0, 11, 2);
}

void DrawRestoreGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    TGlyphPen pen(canvas, {x, y}, color);
    pen.Outline(2, 0, 10, 6);
    pen.Outline(2, 0, 10, 2);
    pen.Outline(0, 4, 7, 10);
    pen.Outline(0, 4, 7, 6);
}

void DrawRollUpGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    TGlyphPen pen(canvas, {x, y}, color);
    for (int i = 0; i <= 4; ++i) pen.Line(1 + i, 6 - i, 9 - i, 6 - i);
}

void DrawRollDownGlyph(TCanvas& canvas, int x, int y, TColor color)
{
    TGlyphPen pen(canvas, {x, y}, color);
    for (int i = 0; i <= 4; ++i) pen.Line(5 - i, 6 - i, 5 + i, 6 - i);
}

void DrawTrayGlyph(TCanvas& canvas, int x, int y, TColor color) { TGlyphPen(canvas, {x, y}, color).Solid(2, 2, 7, 7); }

} // namespace tavrik
