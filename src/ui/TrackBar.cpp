#include "ui/TrackBar.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/Frame3D.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

TTrackBar::TTrackBar(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetTabStop(true);
    SetBounds(0, 0, 150, 25);
}

void TTrackBar::SetRange(int min, int max)
{
    const int before = range_.Value();
    if (!range_.SetRange(min, max)) return;
    Invalidate();
    if (range_.Value() != before) Changed();
}

void TTrackBar::SetPosition(int v)
{
    if (!range_.SetValue(v)) return;
    Invalidate();
    Changed();
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation)
{
    if (orientation == orientation_) return;
    orientation_ = orientation;
    Invalidate();
}

void TTrackBar::Changed()
{
    if (OnChange) OnChange(this);
}

int TTrackBar::TravelLength() const
{
    return std::max(0, (Horizontal() ? ClientWidth() : ClientHeight()) - kThumbWidth);
}

TRect TTrackBar::ThumbRect() const
{
    int offset = range_.Scale(TravelLength());
    if (Horizontal()) return {offset, 2, offset + kThumbWidth, std::max(2, ClientHeight() - 2)};
    return {2, offset, std::max(2, ClientWidth() - 2), offset + kThumbWidth};
}

int TTrackBar::ValueAt(TPoint client) const
{
    int travel = TravelLength();
    if (travel <= 0 || Max() <= Min()) return Min();
    int along = std::clamp(Along(client) - kThumbWidth / 2, 0, travel);
    // Round to the nearest value so that the thumb lands where it was let go.
    int64_t span = int64_t(Max() - Min());
    return Min() + int((int64_t(along) * span * 2 + travel) / (int64_t(travel) * 2));
}

void TTrackBar::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left) {
        if (CanFocus() && !Focused()) SetFocus();
        TRect thumb = ThumbRect();
        int center = Horizontal() ? (thumb.Left + thumb.Right) / 2 : (thumb.Top + thumb.Bottom) / 2;
        int along = Along({x, y});
        if (along >= (Horizontal() ? thumb.Left : thumb.Top) && along < (Horizontal() ? thumb.Right : thumb.Bottom)) {
            dragging_ = true;
            dragOffset_ = along - center;
        } else {
            SetPosition(Position() + (along < center ? -pageSize_ : pageSize_));
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    if (dragging_) {
        TPoint p = Horizontal() ? TPoint{x - dragOffset_, y} : TPoint{x, y - dragOffset_};
        SetPosition(ValueAt(p));
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left) dragging_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TTrackBar::KeyDown(uint16_t& key, TShiftState shift)
{
    switch (key) {
    case VK_LEFT:
    case VK_UP: SetPosition(Position() - 1); break;
    case VK_RIGHT:
    case VK_DOWN: SetPosition(Position() + 1); break;
    case VK_PRIOR: SetPosition(Position() - pageSize_); break;
    case VK_NEXT: SetPosition(Position() + pageSize_); break;
    case VK_HOME: SetPosition(Min()); break;
    case VK_END: SetPosition(Max()); break;
    default: TCustomControl::KeyDown(key, shift); return;
    }
    key = 0;
}

void TTrackBar::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush().Color = Color();
    c.FillRect(r);
    TRect channel = Horizontal()
                        ? TRect{kThumbWidth / 2, r.Height() / 2 - 2, r.Width() - kThumbWidth / 2, r.Height() / 2 + 2}
                        : TRect{r.Width() / 2 - 2, kThumbWidth / 2, r.Width() / 2 + 2, r.Height() - kThumbWidth / 2};
    Frame3D(c, channel, clBtnShadow, clBtnHighlight, 1);
    c.Brush().Color = clWindow;
    c.FillRect(channel);
    TRect thumb = ThumbRect();
    c.Brush().Color = Enabled() ? clBtnFace : clBtnShadow;
    c.FillRect(thumb);
    Frame3D(c, thumb, clBtnHighlight, cl3DDkShadow, 1);
    if (Focused()) c.DrawFocusRect(r);
}

} // namespace tavrik
