#include "ui/SpeedButton.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/Frame3D.h"
#include "wsys/WinApi.h"

namespace tavrik {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle((ControlStyle() | csCaptureMouse) & ~unsigned(csClickEvents | csDoubleClicks));
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetGlyph(const TBitmap& glyph)
{
    glyph_ = glyph;
    Invalidate();
}

void TSpeedButton::SetFlat(bool on)
{
    if (on == flat_) return;
    flat_ = on;
    Invalidate();
}

void TSpeedButton::SetHotDown(bool hot, bool down)
{
    if (hot == hot_ && down == down_) return;
    hot_ = hot;
    down_ = down;
    Invalidate();
}

void TSpeedButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_MOUSEENTER: SetHotDown(Enabled(), pressed_); break;
    case CM_MOUSELEAVE: SetHotDown(false, false); break;
    case CM_ENABLEDCHANGED:
        if (!Enabled()) {
            pressed_ = false;
            SetHotDown(false, false);
        }
        break;
    default: break;
    }
    TGraphicControl::WndProc(m);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && Enabled()) {
        pressed_ = true;
        SetHotDown(true, true);
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y)
{
    if (pressed_) {
        bool inside = ClientRect().Contains(TPoint{x, y});
        SetHotDown(inside, inside);
    }
    TGraphicControl::MouseMove(shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    bool click = button == TMouseButton::Left && pressed_ && ClientRect().Contains(TPoint{x, y});
    if (button == TMouseButton::Left) {
        pressed_ = false;
        SetHotDown(ClientRect().Contains(TPoint{x, y}), false);
    }
    auto alive = Guard();
    TGraphicControl::MouseUp(button, shift, x, y);
    if (click && alive && Enabled()) Click();
}

void TSpeedButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush().Color = down_ ? RGB(133, 147, 181) : hot_ ? RGB(182, 189, 210) : clBtnFace;
    if (!flat_ || hot_ || down_) c.FillRect(r);
    if (down_ || hot_) {
        c.Brush().Color = RGB(0, 0, 128);
        c.FrameRect(r);
    } else if (!flat_) {
        TRect frame = r;
        Frame3D(c, frame, clBtnHighlight, clBtnShadow, 1);
    }
    if (glyph_.Empty()) return;
    int x = (r.Width() - glyph_.Width()) / 2 + (down_ ? 1 : 0);
    int y = (r.Height() - glyph_.Height()) / 2 + (down_ ? 1 : 0);
    TColor key = TCanvas::TransparentColorOf(glyph_);
    if (Enabled()) {
        c.DrawTransparent(x, y, glyph_, key);
        return;
    }
    // Disabled: the glyph's shape in the shadow colour.
    for (int gy = 0; gy < glyph_.Height(); ++gy)
        for (int gx = 0; gx < glyph_.Width(); ++gx)
            if (glyph_.GetPixel(gx, gy) != key) c.SetPixels(x + gx, y + gy, clBtnShadow);
}

} // namespace tavrik
