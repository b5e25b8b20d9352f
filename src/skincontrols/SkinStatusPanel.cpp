#include "skincontrols/SkinStatusPanel.h"

#include "gfx/Canvas.h"
#include "skin/SkinDrawing.h"
#include "skincontrols/ButtonGlyph.h"

#include <algorithm>

namespace tavrik {

TbsSkinStatusPanel::TbsSkinStatusPanel(TComponent* owner) : TbsSkinLabel(owner)
{
    SetSkinDataName("statuspanel");
    SetWidth(120);
}

void TbsSkinStatusPanel::SetGlyph(const TBitmap& glyph)
{
    glyph_ = glyph;
    AdjustWidth();
    Invalidate();
}

void TbsSkinStatusPanel::SetNumGlyphs(int count)
{
    count = std::clamp(count, 1, 2);
    if (count == numGlyphs_) return;
    numGlyphs_ = count;
    AdjustWidth();
    Invalidate();
}

TSize TbsSkinStatusPanel::GlyphCell() const { return GlyphCellSize({glyph_.Width(), glyph_.Height()}, numGlyphs_); }

int TbsSkinStatusPanel::ExtraWidth()
{
    const int cell = GlyphCell().cx;
    return TbsSkinLabel::ExtraWidth() + (cell > 0 ? cell + 3 : 0);
}

TRect TbsSkinStatusPanel::DrawGlyph(TCanvas& canvas, const TRect& rect)
{
    const TSize cell = GlyphCell();
    if (cell.cx <= 0) return rect;
    const int k = !Enabled() && numGlyphs_ == 2 ? 2 : 1;
    DrawStripFrame(canvas, rect.Left, rect.Top + rect.Height() / 2 - cell.cy / 2, k, numGlyphs_, glyph_);
    TRect text = rect;
    text.Left += cell.cx + 2;
    return text;
}

void TbsSkinStatusPanel::DrawPanelText(TCanvas& canvas, const TRect& rect)
{
    // A status line often shows a path: a long one keeps its file name, shortened in between.
    std::string shown;
    {
        TCanvasStateSaver saver(canvas);
        canvas.SetFont(TextFont());
        shown = EllipsizePathText(canvas, Caption(), rect.Width());
    }
    DrawLabelText(canvas, rect, shown);
}

void TbsSkinStatusPanel::DrawDefaultImage(TBitmap& bitmap)
{
    TCanvas canvas(bitmap);
    DrawPlainCell(canvas);
    DrawPanelText(canvas, DrawGlyph(canvas, {3, 3, bitmap.Width() - 3, bitmap.Height() - 3}));
}

void TbsSkinStatusPanel::DrawSkinImage(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    TCanvas canvas(bitmap);
    DrawPanelText(canvas, DrawGlyph(canvas, FittedClientRect));
}

} // namespace tavrik
