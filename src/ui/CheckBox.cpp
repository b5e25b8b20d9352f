#include "ui/CheckBox.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "ui/Accelerator.h"
#include "wsys/WinApi.h"

namespace tavrik {

namespace {

constexpr int kBox = 13;
constexpr int kTextGap = 5;

} // namespace

TCheckBox::TCheckBox(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() & ~unsigned(csDoubleClicks));
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
}

void TCheckBox::SetState(TCheckBoxState state)
{
    if (state == state_) return;
    state_ = state;
    Invalidate();
    TCustomControl::Click();
}

void TCheckBox::Toggle()
{
    switch (state_) {
    case TCheckBoxState::cbUnchecked: SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked); break;
    case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbChecked); break;
    case TCheckBoxState::cbChecked: SetState(TCheckBoxState::cbUnchecked); break;
    }
}

void TCheckBox::Click() { Toggle(); }

void TCheckBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDBLCLK: m.Msg = WM_LBUTTONDOWN; break;
    case CM_DIALOGCHAR:
        if (IsAccel(char32_t(m.WParam), Caption()) && CanFocus()) {
            auto alive = Guard();
            SetFocus();
            if (alive) Toggle();
            m.Result = 1;
        }
        return;
    case CM_MOUSEENTER: hot_ = true; Invalidate(); break;
    case CM_MOUSELEAVE: hot_ = false; Invalidate(); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: spaceDown_ = false; Invalidate(); break;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TCheckBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && CanFocus() && !Focused()) SetFocus();
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCheckBox::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE) spaceDown_ = true;
    TCustomControl::KeyDown(key, shift);
}

void TCheckBox::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        auto alive = Guard();
        Toggle();
        if (!alive) return;
    }
    TCustomControl::KeyUp(key, shift);
}

void TCheckBox::SetTransparent(bool on)
{
    if (on == transparent_) return;
    transparent_ = on;
    Invalidate();
}

void TCheckBox::Paint()
{
    TCanvas& c = *Canvas();
    TRect client = ClientRect();
    if (transparent_) {
        PaintParentImage(c);
    } else {
        c.Brush().Color = Color();
        c.FillRect(client);
    }
    bool enabled = Enabled();
    TRect box = Bounds(0, (client.Height() - kBox) / 2, kBox, kBox);
    c.Brush().Color = !enabled ? clBtnShadow : (hot_ || Focused()) ? clHighlight : RGB(130, 130, 130);
    c.FillRect(box);
    c.Brush().Color = enabled ? clWindow : clBtnFace;
    c.FillRect(box.Inflate(-1, -1));
    TColor mark = enabled ? clHighlight : clGrayText;
    if (state_ == TCheckBoxState::cbChecked) {
        // A tick two pixels thick: down from the left, then up to the right.
        c.Brush().Color = mark;
        for (int i = 0; i < 3; ++i) c.FillRect(Bounds(box.Left + 3 + i, box.Top + 5 + i, 1, 3));
        for (int i = 0; i < 5; ++i) c.FillRect(Bounds(box.Left + 6 + i, box.Top + 6 - i, 1, 3));
    } else if (state_ == TCheckBoxState::cbGrayed) {
        c.Brush().Color = mark;
        c.FillRect(box.Inflate(-3, -3));
    }
    c.Brush().Style = TBrushStyle::bsClear;
    TFontRequest font = Font().Request();
    if (!enabled) font.Color = clGrayText;
    c.SetFont(font);
    TRect text{kBox + kTextGap, 0, client.Right, client.Bottom};
    c.DrawText(Caption(), text, DT_VCENTER | DT_SINGLELINE);
    if (Focused()) {
        TRect extent = text;
        c.DrawText(Caption(), extent, DT_VCENTER | DT_SINGLELINE | DT_CALCRECT);
        int h = extent.Height();
        TRect focus{text.Left - 2, (client.Height() - h) / 2 - 1, text.Left + extent.Width() + 2,
                    (client.Height() - h) / 2 + h + 1};
        c.DrawFocusRect(IntersectRect(focus, client));
    }
}

} // namespace tavrik
