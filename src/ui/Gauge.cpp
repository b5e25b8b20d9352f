#include "ui/Gauge.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "ui/Frame3D.h"

namespace tavrik {

TGauge::TGauge(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(0, 0, 100, 20);
}

void TGauge::SetRange(int min, int max)
{
    if (range_.SetRange(min, max)) Invalidate();
}

void TGauge::SetProgress(int v)
{
    if (range_.SetValue(v)) Invalidate();
}

void TGauge::SetShowProgressText(bool on)
{
    if (on == showText_) return;
    showText_ = on;
    Invalidate();
}

void TGauge::SetShowPercent(bool on)
{
    if (on == showPercent_) return;
    showPercent_ = on;
    Invalidate();
}

int TGauge::PercentDone() const
{
    return range_.Scale(100);
}

std::string TGauge::ProgressText() const
{
    if (!showText_) return "";
    if (showPercent_) return std::to_string(PercentDone()) + "%";
    return std::to_string(Progress());
}

TRect TGauge::BarRect() const
{
    TRect inner = ClientRect().Inflate(-1, -1);
    if (inner.IsEmpty()) return {inner.Left, inner.Top, inner.Left, inner.Bottom};
    return {inner.Left, inner.Top, inner.Left + range_.Scale(inner.Width()), inner.Bottom};
}

void TGauge::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
    c.Brush().Color = clWindow;
    c.FillRect(r);
    TRect bar = BarRect();
    c.Brush().Color = Enabled() ? clHighlight : clBtnShadow;
    c.FillRect(bar);
    std::string text = ProgressText();
    if (text.empty()) return;
    // The text reads in the window colour over the bar and in the text colour beside it.
    c.SetFont(Font().Request());
    c.Brush().Style = TBrushStyle::bsClear;
    TRect textRect = ClientRect();
    unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
    c.Save();
    c.ExcludeClipRect(bar);
    c.Font().Color = clWindowText;
    c.DrawText(text, textRect, flags);
    c.Restore();
    c.Save();
    c.IntersectClipRect(bar);
    c.Font().Color = clHighlightText;
    textRect = ClientRect();
    c.DrawText(text, textRect, flags);
    c.Restore();
}

} // namespace tavrik
