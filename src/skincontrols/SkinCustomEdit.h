#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinEditControls.h"
#include "skincontrols/EditContextMenu.h"
#include "skincontrols/EditFrame.h"
#include "skincontrols/NonClientFrame.h"
#include "skincontrols/SkinBound.h"
#include "skincontrols/SkinPopupMenu.h"
#include "ui/Font.h"
#include "ui/Memo.h"
#include "wsys/WinApi.h"

#include <type_traits>

namespace tavrik {

// A native edit (Base: TMaskEdit, TNumericEdit or TMemo) in a skinned frame. The edit keeps the text,
// the caret, the selection and the clipboard; the frame (TbsEditFrame) is drawn in the window's
// non-client area, with an optional button at the right end (ButtonMode, skin "buttonedit")
// that fires OnButtonClick. Without a PopupMenu of its own, a context-menu request opens the
// edit's commands in the form's skinned menu (the plain menu on a form without one).
//
// While bound the edit takes the skin's height and font, and its text colour follows the
// skin: activefontcolor while the pointer is over it or it has the focus, fontcolor
// otherwise, disabledfontcolor while disabled. Unbound it takes DefaultFont and the plain look.
// A memo keeps its height, and its frame is the skin's border stretched both ways; its text
// area takes the skin's background colour, activebgcolor while hovered or focused.
template <class Base>
class TbsSkinCustomEdit : public TbsSkinBound<Base> {
public:
    static constexpr bool kMemo = std::is_base_of_v<TCustomMemo, Base>;

    explicit TbsSkinCustomEdit(TComponent* owner) : TbsSkinBound<Base>(owner)
    {
        this->SetSkinDataName(kMemo ? "memo" : "edit");
        this->SetBorderStyle(TBorderStyle::bsNone);
        this->Font().SetName("Arial");
        this->Font().SetHeight(14);
        this->Font().SetColor(clWindowText);
        defaultFont_.Assign(this->Font());
        defaultFont_.OnChange = [this] {
            if (this->SkinIndex() == -1) this->Font().Assign(defaultFont_);
        };
        if (defaultHeight_ > 0) this->SetHeight(defaultHeight_);
    }

    TFont& DefaultFont() { return defaultFont_; }
    // Also the font while unbound.
    void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on) { useSkinFont_ = on; }
    int DefaultWidth() const { return defaultWidth_; }
    void SetDefaultWidth(int width)
    {
        defaultWidth_ = width;
        if (this->SkinIndex() == -1 && width > 0) this->SetWidth(width);
    }
    int DefaultHeight() const { return defaultHeight_; }
    void SetDefaultHeight(int height)
    {
        defaultHeight_ = height;
        if (this->SkinIndex() == -1 && height > 0) this->SetHeight(height);
    }
    bool ButtonMode() const { return buttonMode_; }
    void SetButtonMode(bool on)
    {
        if (on == buttonMode_) return;
        buttonMode_ = on;
        FrameChanged();
    }
    bool Hovered() const { return hovered_; }
    // The frame's button as it stands, in window coordinates; empty without ButtonMode.
    TRect ButtonRect() const { return frame_.ButtonRect(WindowSize(), buttonMode_); }

    TNotifyEvent OnButtonClick;

    void ReadSkinObject() override
    {
        TbsSkinBound<Base>::ReadSkinObject();
        auto* skin = dynamic_cast<const TbsDataSkinEditControl*>(this->SkinControl());
        if (skin) frame_.CopyFrom(*skin, *this->SkinData());
        else frame_.Unbind();
    }
    void DetachSkin() override
    {
        TbsSkinBound<Base>::DetachSkin();
        frame_.Unbind();
    }
    void ApplySkin() override
    {
        ReadSkinObject();
        if (!frame_.Bound()) {
            this->Font().Assign(defaultFont_);
            if (defaultWidth_ > 0) this->SetWidth(defaultWidth_);
            if (defaultHeight_ > 0) this->SetHeight(defaultHeight_);
        } else {
            this->Font().Assign(useSkinFont_ ? frame_.SkinFont(defaultFont_) : defaultFont_);
            if constexpr (!kMemo) this->SetHeight(frame_.SkinHeight());
        }
        FollowState();
        FrameChanged();
    }

    // A bound edit keeps the skin's height at any size.
    void SetBounds(int left, int top, int width, int height) override
    {
        ReadSkinObject();
        if (!kMemo && frame_.Bound() && (width != this->Width() || height != this->Height())) height = frame_.SkinHeight();
        TbsSkinBound<Base>::SetBounds(left, top, width, height);
    }

    void WndProc(TMessage& m) override
    {
        if (FrameMessage(m)) return;
        TbsSkinBound<Base>::WndProc(m);
    }

protected:
    // Grey while disabled, the skin's disabled colour while bound.
    TColor TextColor() const override
    {
        if (!this->Enabled() && frame_.Bound()) return frame_.DisabledFontColor();
        return Base::TextColor();
    }
    // Bound, the field keeps the colour of the skin's frame interior while disabled and shows
    // the state by its text colour: a grey block inside the white frame looked like two fields.
    void PaintBackground(TCanvas& canvas) override
    {
        if (!frame_.Bound()) {
            Base::PaintBackground(canvas);
            return;
        }
        canvas.Brush().Style = TBrushStyle::bsSolid;
        canvas.Brush().Color = this->Color();
        canvas.FillRect(this->ClientRect());
    }
    void EnabledChanged() override
    {
        Base::EnabledChanged();
        FollowState();
        RedrawFrame();
    }

private:
    using TButtonLook = TbsEditFrame::TButtonLook;

    TSize WindowSize() const { return {this->Width(), this->Height()}; }
    bool Active() const { return hovered_ || this->Focused(); }
    // The text colour for the pointer, the focus and Enabled.
    void FollowState()
    {
        if (!frame_.Bound()) {
            this->Font().SetColor(this->Enabled() ? defaultFont_.Color() : clGrayText);
            return;
        }
        this->Font().SetColor(frame_.FontColor(Active(), this->Enabled()));
        if constexpr (kMemo) this->SetColor(frame_.BackgroundColor(Active()));
    }
    // The margins may have changed: the window measures its client area again.
    void FrameChanged()
    {
        if (this->HandleAllocated()) RecalcNonClientFrame(this->Handle());
    }
    void RedrawFrame()
    {
        if (this->HandleAllocated()) RedrawWindow(this->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    }
    TButtonLook ButtonLook() const
    {
        if (!this->Enabled()) return TButtonLook::Disabled;
        if (buttonPressed_ && buttonHot_) return TButtonLook::Pressed;
        return buttonHot_ ? TButtonLook::Hot : TButtonLook::Normal;
    }
    void SetButtonState(bool hot, bool pressed)
    {
        if (hot == buttonHot_ && pressed == buttonPressed_) return;
        buttonHot_ = hot;
        buttonPressed_ = pressed;
        RedrawFrame();
    }
    // A point of a mouse message in window coordinates: screen (non-client) or client.
    TPoint WindowPointFromScreen(LPARAM lp)
    {
        const TRect w = GetWindowRect(this->Handle());
        const TPoint p = LParamToPoint(lp);
        return {p.x - w.Left, p.y - w.Top};
    }
    TPoint WindowPointFromClient(LPARAM lp) const
    {
        const TRect margins = frame_.Margins(buttonMode_);
        const TPoint p = LParamToPoint(lp);
        return {p.x + margins.Left, p.y + margins.Top};
    }
    void PaintFrame()
    {
        const TSize size = WindowSize();
        if (size.cx <= 0 || size.cy <= 0) return;
        TBitmap image(size.cx, size.cy);
        if constexpr (kMemo) frame_.DrawBorder(image, Active());
        else frame_.Draw(image, Active(), buttonMode_, ButtonLook());
        PaintFrameImage(this->Handle(), image, frame_.Margins(buttonMode_));
    }
    // The non-client frame and its button, the pointer and the focus; true when consumed.
    bool FrameMessage(TMessage& m)
    {
        switch (m.Msg) {
        case WM_NCCALCSIZE:
            ReadSkinObject();
            CalcClientArea(m, frame_.Margins(buttonMode_));
            return true;
        case WM_NCPAINT:
            ReadSkinObject();
            PaintFrame();
            m.Result = 0;
            return true;
        case WM_NCMOUSEMOVE: {
            const bool hot = buttonMode_ && ButtonRect().Contains(WindowPointFromScreen(m.LParam));
            SetButtonState(hot, buttonPressed_);
            TRACKMOUSEEVENT track{TME_LEAVE | TME_NONCLIENT, this->Handle(), 0};
            TrackMouseEvent(&track);
            return false;
        }
        case WM_NCMOUSELEAVE:
            if (!buttonPressed_) SetButtonState(false, false);
            return false;
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK:
            if (!buttonMode_ || !ButtonRect().Contains(WindowPointFromScreen(m.LParam))) return false;
            SetButtonState(true, true);
            SetCapture(this->Handle());
            m.Result = 0;
            return true;
        case WM_MOUSEMOVE:
            if (!buttonPressed_) {
                if (buttonHot_) SetButtonState(false, false);
                return false;
            }
            SetButtonState(ButtonRect().Contains(WindowPointFromClient(m.LParam)), true);
            return true;
        case WM_LBUTTONUP: {
            if (!buttonPressed_) return false;
            const bool onButton = ButtonRect().Contains(WindowPointFromClient(m.LParam));
            SetButtonState(onButton, false);
            ReleaseCapture();
            if (onButton) ReleasedOnButton();
            return true;
        }
        case CM_MOUSEENTER:
        case CM_MOUSELEAVE:
            hovered_ = m.Msg == CM_MOUSEENTER;
            if (m.Msg == CM_MOUSELEAVE) SetButtonState(false, false);
            if (!this->Focused()) StateChanged();
            return false;
        case WM_CONTEXTMENU: return OpenContextMenu(m);
        case SKM_MENUCOMMAND:
            // The menu window that ran the command is still inside its handler.
            if (this->HandleAllocated()) PostMessage(this->Handle(), CM_FREEEDITMENU, 0, 0);
            return true;
        case CM_FREEEDITMENU:
            FreeSkinEditMenu(contextMenu_);
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (!hovered_) {
                // The focus is set before the colour follows it.
                TbsSkinBound<Base>::WndProc(m);
                StateChanged();
                return true;
            }
            return false;
        default: return false;
        }
    }
    bool OpenContextMenu(TMessage& m)
    {
        if (this->PopupMenu()) return false;
        TPoint at = LParamToPoint(m.LParam);
        if (at.x == -1 && at.y == -1) at = this->ClientToScreen({this->ClientWidth() / 2, this->ClientHeight() / 2});
        auto alive = this->Guard();
        if (!this->Focused() && this->CanFocus()) this->SetFocus();
        if (!alive || !PopupSkinEditMenu(*this, this->SkinData(), contextMenu_, at)) return false;
        m.Result = 1;
        return true;
    }
    void StateChanged()
    {
        if (!frame_.Bound()) return;
        FollowState();
        RedrawFrame();
    }
    void ReleasedOnButton()
    {
        auto alive = this->Guard();
        if (!this->Focused()) this->SetFocus();
        if (alive && OnButtonClick) OnButtonClick(this);
    }

    TbsEditFrame frame_;
    TComponentRef<TbsSkinPopupMenu> contextMenu_;
    TFont defaultFont_;
    bool useSkinFont_ = true;
    int defaultWidth_ = 0;
    int defaultHeight_ = kMemo ? 0 : 20;
    bool buttonMode_ = false;
    bool hovered_ = false;
    bool buttonHot_ = false;
    bool buttonPressed_ = false;
};

} // namespace tavrik
