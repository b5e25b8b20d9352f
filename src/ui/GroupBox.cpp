#include "ui/GroupBox.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "ui/Frame3D.h"

namespace tavrik {

TGroupBox::TGroupBox(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetBounds(0, 0, 185, 105);
}

int TGroupBox::CaptionHeight() const
{
    TBitmap scratch(1, 1);
    TCanvas c(scratch);
    c.SetFont(Font().Request());
    return c.TextHeight("Wg");
}

void TGroupBox::AdjustClientRect(TRect& rect) const
{
    rect = {rect.Left + 2, rect.Top + CaptionHeight() + 2, rect.Right - 2, rect.Bottom - 2};
    if (rect.Right < rect.Left) rect.Right = rect.Left;
    if (rect.Bottom < rect.Top) rect.Bottom = rect.Top;
}

void TGroupBox::TextChanged()
{
    TCustomControl::TextChanged();
    Invalidate();
}

void TGroupBox::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush().Color = Color();
    c.FillRect(r);
    int h = CaptionHeight();
    TRect frame{r.Left, r.Top + h / 2, r.Right, r.Bottom};
    // An etched frame: a shadow line with a highlight line inside it.
    TRect outer = frame;
    Frame3D(c, outer, clBtnShadow, clBtnHighlight, 1);
    Frame3D(c, outer, clBtnHighlight, clBtnShadow, 1);
    if (Caption().empty()) return;
    TFontRequest font = Font().Request();
    if (!Enabled()) font.Color = clGrayText;
    c.SetFont(font);
    TRect text{8, 0, 8 + c.TextWidth(Caption()) + 4, h};
    c.Brush().Color = Color();
    c.FillRect(text);
    c.Brush().Style = TBrushStyle::bsClear;
    c.DrawText(Caption(), text, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

} // namespace tavrik
