#include "skincontrols/ButtonGlyph.h"

#include "gfx/Canvas.h"
#include "gfx/TextLayout.h"
#include "skin/SkinDrawing.h"
#include "ui/ImageList.h"

#include <algorithm>

namespace tavrik {

TSize GlyphCellSize(TSize strip, int cellCount)
{
    if (cellCount < 1 || strip.cx <= 0 || strip.cy <= 0) return {};
    const int width = strip.cx / cellCount;
    return width > 0 ? TSize{width, strip.cy} : TSize{};
}

int GlyphCellFor(int cellCount, bool down, bool active, bool enabled)
{
    if (down && active && cellCount > 2) return 3;
    if (active && cellCount > 3) return 4;
    if (!enabled && cellCount > 1) return 2;
    return 1;
}

TGlyphTextPlacement PlaceGlyphAndText(const TRect& rect, int margin, int spacing, TButtonLayout layout,
                                      TSize glyph, TSize text, bool pressed)
{
    const int cx = rect.Left + rect.Width() / 2;
    const int cy = rect.Top + rect.Height() / 2;
    const int hw = (text.cx + glyph.cx + spacing) / 2;
    const int hh = (text.cy + glyph.cy + spacing) / 2;
    const bool centred = margin < 0;
    TPoint g, t;
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        g.x = centred ? cx - hw : rect.Left + margin;
        t.x = centred ? cx + hw - text.cx : g.x + glyph.cx + spacing;
        break;
    case TButtonLayout::blGlyphRight:
        g.x = centred ? cx + hw - glyph.cx : rect.Right - glyph.cx - margin;
        t.x = centred ? cx - hw : g.x - spacing - text.cx;
        break;
    case TButtonLayout::blGlyphTop:
        g.y = centred ? cy - hh : rect.Top + margin;
        t.y = centred ? cy + hh - text.cy : g.y + glyph.cy + spacing;
        break;
    case TButtonLayout::blGlyphBottom:
        g.y = centred ? cy + hh - glyph.cy : rect.Bottom - glyph.cy - margin;
        t.y = centred ? cy - hh : g.y - spacing - text.cy;
        break;
    }
    if (layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight) {
        g.y = cy - glyph.cy / 2;
        t.y = cy - text.cy / 2;
    } else {
        g.x = cx - glyph.cx / 2;
        t.x = cx - text.cx / 2;
    }
    if (pressed) {
        g = {g.x + 1, g.y + 1};
        t = {t.x + 1, t.y + 1};
    }
    return {g, t};
}

bool TButtonContent::SetNumGlyphs(int count)
{
    count = std::clamp(count, 1, 4);
    if (count == NumGlyphs) return false;
    NumGlyphs = count;
    return true;
}

bool TButtonContent::SetLayout(TButtonLayout layout)
{
    if (layout == Layout) return false;
    Layout = layout;
    return true;
}

bool TButtonContent::SetMargin(int margin)
{
    if (margin == Margin || margin < -1) return false;
    Margin = margin;
    return true;
}

bool TButtonContent::SetSpacing(int spacing)
{
    if (spacing == Spacing) return false;
    Spacing = spacing;
    return true;
}

TGlyphAndText TButtonContent::For(std::string_view caption, bool down, bool active, bool enabled) const
{
    TGlyphAndText what;
    what.Caption = caption;
    what.Glyph = &Glyph;
    what.CellCount = NumGlyphs;
    what.Cell = GlyphCellFor(NumGlyphs, down, active, enabled);
    what.Layout = Layout;
    what.Margin = Margin;
    what.Spacing = Spacing;
    what.Pressed = down && active;
    return what;
}

void DrawGlyphAndText(TCanvas& canvas, const TRect& rect, const TGlyphAndText& what)
{
    const TBitmap* strip = what.Glyph && !what.Glyph->Empty() ? what.Glyph : nullptr;
    TSize glyph;
    if (what.Images) glyph = {what.Images->Width(), what.Images->Height()};
    else if (strip) glyph = GlyphCellSize({strip->Width(), strip->Height()}, what.CellCount);
    TSize text;
    if (!what.Caption.empty()) {
        TRect extent;
        canvas.DrawText(what.Caption, extent, DT_CALCRECT | DT_SINGLELINE);
        text = {extent.Width(), extent.Height()};
    }
    canvas.Brush().Style = TBrushStyle::bsClear;
    const TGlyphTextPlacement at = PlaceGlyphAndText(rect, what.Margin, what.Spacing, what.Layout, glyph, text, what.Pressed);
    if (!what.Caption.empty()) {
        TRect r{at.Text.x, at.Text.y, at.Text.x, at.Text.y};
        canvas.DrawText(what.Caption, r, DT_CALCRECT | DT_SINGLELINE);
        r.Right += 2;
        canvas.DrawText(what.Caption, r, DT_CENTER | DT_SINGLELINE);
    }
    if (what.Images) what.Images->Draw(canvas, at.Glyph.x, at.Glyph.y, what.ImageIndex);
    else if (glyph.cx > 0) DrawStripFrame(canvas, at.Glyph.x, at.Glyph.y, what.Cell, what.CellCount, *strip);
}

} // namespace tavrik
