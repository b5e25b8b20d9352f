#include "ui/ProgressBar.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"

#include <algorithm>

namespace tavrik {

TProgressBar::TProgressBar(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetRange(int min, int max)
{
    if (max < min) max = min;
    if (min == min_ && max == max_) return;
    min_ = min;
    max_ = max;
    position_ = std::clamp(position_, min_, max_);
    Invalidate();
}

void TProgressBar::SetPosition(int v)
{
    v = std::clamp(v, min_, max_);
    if (v == position_) return;
    position_ = v;
    Invalidate();
}

TRect TProgressBar::BarRect() const
{
    TRect inner = ClientRect().Inflate(-1, -1);
    if (max_ <= min_ || inner.IsEmpty()) return {inner.Left, inner.Top, inner.Left, inner.Bottom};
    int64_t w = int64_t(inner.Width()) * (position_ - min_) / (max_ - min_);
    return {inner.Left, inner.Top, inner.Left + int(w), inner.Bottom};
}

void TProgressBar::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush().Color = clBtnShadow;
    c.FrameRect(r);
    c.Brush().Color = clWindow;
    c.FillRect(r.Inflate(-1, -1));
    c.Brush().Color = Enabled() ? clHighlight : clBtnShadow;
    c.FillRect(BarRect());
}

} // namespace tavrik
