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
    if (range_.SetRange(min, max)) Invalidate();
}

void TProgressBar::SetPosition(int v)
{
    if (range_.SetValue(v)) Invalidate();
}

TRect TProgressBar::BarRect() const
{
    TRect inner = ClientRect().Inflate(-1, -1);
    if (inner.IsEmpty()) return {inner.Left, inner.Top, inner.Left, inner.Bottom};
    return {inner.Left, inner.Top, inner.Left + range_.Scale(inner.Width()), inner.Bottom};
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
