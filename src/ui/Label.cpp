#include "ui/Label.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"

namespace tavrik {

namespace {

// A canvas for measuring text outside of painting.
TRect MeasureText(const TFontRequest& font, std::string text, TRect rect, unsigned flags)
{
    // An empty label keeps one line's height, and so does a lone accelerator mark.
    if (text.empty() || (!(flags & DT_NOPREFIX) && text == "&")) text += ' ';
    TBitmap scratch(1, 1);
    TCanvas canvas(scratch);
    canvas.SetFont(font);
    canvas.DrawText(text, rect, flags | DT_CALCRECT);
    return rect;
}

} // namespace

TLabel::TLabel(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetParentColor(true);
    SetBounds(0, 0, 65, 17);
    SetAutoSize(true);
}

unsigned TLabel::DrawFlags() const
{
    unsigned flags = 0;
    if (wordWrap_) flags |= DT_WORDBREAK;
    if (!showAccelChar_) flags |= DT_NOPREFIX;
    if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
    else if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
    return flags;
}

void TLabel::AdjustBounds()
{
    if (!AutoSize()) return;
    unsigned flags = DrawFlags() & ~unsigned(DT_CENTER | DT_RIGHT);
    TRect r = MeasureText(TextFont(), Caption(), {0, 0, wordWrap_ ? Width() : 0, 0}, flags);
    int left = Left();
    if (alignment_ == TAlignment::taRightJustify) left += Width() - r.Right;
    SetBounds(left, Top(), r.Right, r.Bottom);
}

void TLabel::SetAutoSize(bool on)
{
    TGraphicControl::SetAutoSize(on);
    AdjustBounds();
}

void TLabel::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout layout)
{
    if (layout == layout_) return;
    layout_ = layout;
    Invalidate();
}

void TLabel::SetWordWrap(bool on)
{
    if (on == wordWrap_) return;
    wordWrap_ = on;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool on)
{
    if (on == transparent_) return;
    transparent_ = on;
    SetControlStyle(on ? ControlStyle() & ~unsigned(csOpaque) : ControlStyle() | csOpaque);
    Invalidate();
}

void TLabel::SetShowAccelChar(bool on)
{
    if (on == showAccelChar_) return;
    showAccelChar_ = on;
    AdjustBounds();
    Invalidate();
}

void TLabel::FontChanged()
{
    TGraphicControl::FontChanged();
    AdjustBounds();
}

void TLabel::TextChanged()
{
    TGraphicControl::TextChanged();
    AdjustBounds();
    Invalidate();
}

void TLabel::Paint()
{
    TCanvas& c = *Canvas();
    TRect client = ClientRect();
    if (!transparent_) {
        c.Brush().Color = Color();
        c.FillRect(client);
    }
    c.Brush().Style = TBrushStyle::bsClear;
    unsigned flags = DrawFlags();
    TRect r = client;
    if (layout_ != TTextLayout::tlTop) {
        TRect calc = MeasureText(TextFont(), Caption(), client, flags);
        int dy = layout_ == TTextLayout::tlBottom ? Height() - calc.Bottom : (Height() - calc.Bottom) / 2;
        r = r.Offset(0, dy);
    }
    TFontRequest font = TextFont();
    if (!Enabled()) {
        // Embossed: a light copy one pixel down and right under the grey text.
        font.Color = clBtnHighlight;
        c.SetFont(font);
        TRect shadow = r.Offset(1, 1);
        c.DrawText(Caption(), shadow, flags);
        font.Color = clBtnShadow;
    }
    c.SetFont(font);
    c.DrawText(Caption(), r, flags);
}

} // namespace tavrik
