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
    if (max < min) max = min;
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    progress_ = std::clamp(progress_, min_, max_);
    Invalidate();
}

void TGauge::SetProgress(int v)
{
    v = std::clamp(v, min_, max_);
    if (v == progress_) return;
    progress_ = v;
    Invalidate();
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
    if (max_ <= min_) return 0;
    return int(int64_t(progress_ - min_) * 100 / (max_ - min_));
}

std::string TGauge::ProgressText() const
{
    if (!showText_) return "";
    if (showPercent_) return std::to_string(PercentDone()) + "%";
    return std::to_string(progress_);
}

TRect TGauge::BarRect() const
{
    TRect inner = ClientRect().Inflate(-1, -1);
    if (max_ <= min_ || inner.IsEmpty()) return {inner.Left, inner.Top, inner.Left, inner.Bottom};
    int64_t w = int64_t(inner.Width()) * (progress_ - min_) / (max_ - min_);
    return {inner.Left, inner.Top, inner.Left + int(w), inner.Bottom};
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
