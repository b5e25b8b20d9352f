#include "ui/Button.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "ui/Accelerator.h"
#include "ui/Form.h"
#include "wsys/WinApi.h"

namespace tavrik {

namespace {

constexpr TColor kFace = RGB(252, 252, 252);
constexpr TColor kHotFace = RGB(229, 241, 251);
constexpr TColor kDownFace = RGB(204, 228, 247);

} // namespace

TButton::TButton(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle((ControlStyle() | csOpaque) & ~unsigned(csDoubleClicks));
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
}

void TButton::Click()
{
    if (TForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

void TButton::SetDefault(bool on)
{
    if (on == default_) return;
    default_ = on;
    TForm* form = GetParentForm(this);
    UpdateActive(form ? form->ActiveControl() : nullptr);
    Invalidate();
}

void TButton::UpdateActive(TWinControl* focused)
{
    bool active = dynamic_cast<TButton*>(focused) ? focused == this : default_;
    if (active == active_) return;
    active_ = active;
    Invalidate();
}

void TButton::SetDown(bool down)
{
    if (down == down_) return;
    down_ = down;
    Invalidate();
}

void TButton::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDBLCLK: m.Msg = WM_LBUTTONDOWN; break; // a quick second press is a second click
    case WM_GETDLGCODE: m.Result = 0; return;
    case CM_DIALOGKEY: {
        auto key = uint16_t(m.WParam);
        bool plain = (TShiftState(m.LParam) & (ssShift | ssCtrl | ssAlt)) == 0;
        if (plain && ((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && CanFocus()) {
            Click();
            m.Result = 1;
        }
        return;
    }
    case CM_DIALOGCHAR:
        if (IsAccel(char32_t(m.WParam), Caption()) && CanFocus()) {
            SetFocus();
            Click();
            m.Result = 1;
        }
        return;
    case CM_FOCUSCHANGED: UpdateActive(reinterpret_cast<TWinControl*>(intptr_t(m.LParam))); return;
    case CM_MOUSEENTER: hot_ = true; Invalidate(); break;
    case CM_MOUSELEAVE: hot_ = false; Invalidate(); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        spaceDown_ = false;
        SetDown(false);
        Invalidate();
        break;
    case CM_ENABLEDCHANGED: SetDown(false); break;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left) {
        if (CanFocus() && !Focused()) SetFocus();
        SetDown(true);
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TButton::MouseMove(TShiftState shift, int x, int y)
{
    if (MouseCapture()) SetDown(ClientRect().Contains(TPoint{x, y}));
    TCustomControl::MouseMove(shift, x, y);
}

void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left) SetDown(false);
    TCustomControl::MouseUp(button, shift, x, y);
}

void TButton::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE) {
        spaceDown_ = true;
        SetDown(true);
    }
    TCustomControl::KeyDown(key, shift);
}

void TButton::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        SetDown(false);
        auto alive = Guard();
        Click();
        if (!alive) return;
    }
    TCustomControl::KeyUp(key, shift);
}

void TButton::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    // Rounded look: the corner pixels show the parent's colour.
    TColor parentColor = Parent() ? Parent()->Color() : clBtnFace;
    c.Brush().Color = parentColor;
    c.FillRect(r);
    bool enabled = Enabled();
    TColor border = !enabled ? clBtnShadow : (active_ || Focused()) ? clHighlight : RGB(150, 150, 150);
    c.Brush().Color = border;
    c.FillRect(r.Inflate(-1, 0));
    c.FillRect(r.Inflate(0, -1));
    TRect face = r.Inflate(-1, -1);
    c.Brush().Color = !enabled ? clBtnFace : down_ ? kDownFace : hot_ ? kHotFace : kFace;
    c.FillRect(face);
    if (Focused() && enabled) {
        c.Brush().Color = clHighlight;
        c.FrameRect(face);
    }
    c.Brush().Style = TBrushStyle::bsClear;
    TFontRequest font = Font().Request();
    if (!enabled) font.Color = clGrayText;
    c.SetFont(font);
    TRect text = r;
    if (down_) text = text.Offset(1, 1);
    c.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace tavrik
