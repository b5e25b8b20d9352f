#include "app/PlainPanels.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"

namespace tavrik {

TPlainStatusPanel::TPlainStatusPanel(TComponent* owner) : TPanel(owner)
{
    SetBevelOuter(TBevelCut::bvLowered);
    SetAlignment(TAlignment::taLeftJustify);
}

TPlainExPanel::TPlainExPanel(TComponent* owner) : TPanel(owner)
{
    SetBevelOuter(TBevelCut::bvNone);
}

void TPlainExPanel::SetShowRollButton(bool on)
{
    if (on == showRollButton_) return;
    showRollButton_ = on;
    Invalidate();
}

void TPlainExPanel::SetRollState(bool rolled)
{
    if (rolled == rolled_) return;
    rolled_ = rolled;
    if (rolled) {
        unrolledHeight_ = Height();
        SetHeight(kCaptionHeight);
    } else {
        SetHeight(unrolledHeight_);
    }
    Invalidate();
}

TRect TPlainExPanel::RollButtonRect() const
{
    if (!showRollButton_) return {};
    return {Width() - kCaptionHeight + 3, 3, Width() - 3, kCaptionHeight - 3};
}

void TPlainExPanel::AdjustClientRect(TRect& rect) const
{
    TPanel::AdjustClientRect(rect);
    rect.Top = std::min(rect.Bottom, rect.Top + kCaptionHeight);
}

void TPlainExPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && RollButtonRect().Contains(TPoint{x, y})) SetRollState(!rolled_);
    TPanel::MouseDown(button, shift, x, y);
}

void TPlainExPanel::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush().Color = Color();
    c.FillRect(r);
    c.Brush().Color = clBtnShadow;
    c.FrameRect(r);
    TRect bar{0, 0, r.Right, std::min(r.Bottom, kCaptionHeight)};
    c.Brush().Color = RGB(182, 189, 210);
    c.FillRect(bar.Inflate(-1, -1));
    c.Brush().Style = TBrushStyle::bsClear;
    TFontRequest font = Font().Request();
    font.Style |= fsBold;
    c.SetFont(font);
    TRect text{6, 0, bar.Right - kCaptionHeight, bar.Bottom};
    c.DrawText(Caption(), text, DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (!showRollButton_) return;
    // A small triangle: pointing up while unrolled, down while rolled up.
    TRect b = RollButtonRect();
    int cx = (b.Left + b.Right) / 2, cy = (b.Top + b.Bottom) / 2;
    c.Pen().Color = clBtnText;
    for (int i = 0; i < 4; ++i) {
        int y = rolled_ ? cy - 2 + i : cy + 1 - i;
        c.MoveTo(cx - 3 + i, y);
        c.LineTo(cx + 4 - i, y);
    }
}

TPlainLinkLabel::TPlainLinkLabel(TComponent* owner) : TLabel(owner)
{
    Font().SetStyle(Font().Style() | fsUnderline);
    Font().SetColor(clBlue);
    SetCursor(crHandPoint);
}

} // namespace tavrik
