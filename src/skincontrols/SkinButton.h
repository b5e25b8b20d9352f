#pragma once

#include "skincontrols/ButtonControl.h"
#include "skincontrols/SkinCustomControl.h"

namespace tavrik {

// A skinned push button ("button"): it takes the focus and the keyboard, gives its form its
// ModalResult when clicked, shows a caption and a glyph strip, may stick down in a group of
// its siblings and may repeat its click while held (TbsButtonControl).
//
// Enter presses the button that has the focus, or the Default button while the focus rests
// on a control that is not a push button (which then shows its hot look); Esc presses the
// Cancel button; the caption's "&" letter focuses and presses the button.
class TbsSkinButton : public TbsButtonControl<TbsSkinCustomControl> {
public:
    explicit TbsSkinButton(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinButton"; }

    // A grouped button takes no focus.
    void SetGroupIndex(int index) override;
    // Whether the button takes the focus and the keyboard (and sets its form's result);
    // also makes it a tab stop.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool on);
    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    // Whether Enter presses it now.
    bool DefaultActive() const { return driver_.State().DefaultActive; }

    // A click: the form's modal result (a focusable button only), then OnClick.
    virtual void ExecuteClick();
    void Click() override { ExecuteClick(); }
    void WndProc(TMessage& message) override;

protected:
    TButtonFace Face() const override { return PushButtonFace(PushLook()); }
    bool MorphActive() const override { return Hovered() || FocusedHere(); }
    void CreateWnd() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    TButtonSetup ButtonSetup() const override;
    void ButtonClick() override { ExecuteClick(); }

    TButtonLook PushLook() const;
    bool FocusedHere() const { return canFocused_ && Focused(); }
    void FocusMoved(TWinControl* focused);
    void DialogKey(TMessage& m);
    void DialogChar(TMessage& m);

    bool canFocused_ = true;
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
};

} // namespace tavrik
