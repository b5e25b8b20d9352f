#pragma once

#include "skincontrols/ControlMorph.h"
#include "gfx/Bitmap.h"
#include "skincontrols/ButtonDriver.h"
#include "skincontrols/ButtonGlyph.h"
#include "skincontrols/ButtonSkinLook.h"
#include "skincontrols/SkinCustomControl.h"

namespace tavrik {

// A skinned push button ("button"): it takes the focus and the keyboard, gives its form its
// ModalResult when clicked, shows a caption and a glyph strip, may stick down in a group of
// its siblings and may repeat its click while held. See ButtonInteraction.h for what the
// mouse and keys do, ButtonFace.h for which image it shows.
//
// Enter presses the button that has the focus, or the Default button while the focus rests
// on a control that is not a push button; Esc presses the Cancel button; the caption's "&"
// letter focuses and presses it.
class TbsSkinButton : public TbsSkinCustomControl, private IButtonHost {
public:
    explicit TbsSkinButton(TComponent* owner);
    ~TbsSkinButton() override;
    const char* ClassName() const override { return "TbsSkinButton"; }

    const TBitmap& Glyph() const { return content_.Glyph; }
    void SetGlyph(const TBitmap& glyph);
    // Cells in the glyph strip: normal, disabled, down, active (1 to 4).
    int NumGlyphs() const { return content_.NumGlyphs; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return content_.Layout; }
    void SetLayout(TButtonLayout layout);
    // Distance of the glyph from its edge; -1 centres glyph and caption together.
    int Margin() const { return content_.Margin; }
    void SetMargin(int margin);
    int Spacing() const { return content_.Spacing; }
    void SetSpacing(int spacing);

    bool Down() const { return driver_.State().Down; }
    void SetDown(bool down);
    // Non-zero: a sticky button, one down at a time among the siblings with the same index.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on) { allowAllUp_ = on; }
    bool RepeatMode() const { return repeatMode_; }
    void SetRepeatMode(bool on) { repeatMode_ = on; }
    int RepeatInterval() const { return repeatInterval_; }
    void SetRepeatInterval(int ms) { repeatInterval_ = ms; }
    // Whether the button takes the focus and the keyboard (and sets its form's result).
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool on);
    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }

    bool Hovered() const { return driver_.State().Hovered; }
    // Whether Enter presses it now.
    bool DefaultActive() const { return driver_.State().DefaultActive; }
    double MorphLevel() const { return morph_.MorphLevel(); }

    // A click: the form's modal result (a focusable button only), then OnClick.
    virtual void ExecuteClick();
    void WndProc(TMessage& message) override;

protected:
    void CreateWnd() override;
    void ReadSkinObject() override;
    void ApplySkin() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;
    // The skin image of source at the control's size with the caption and glyph of the
    // state on it.
    virtual void DrawStateImage(TBitmap& bitmap, const TRect& source, bool down, bool active);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    TButtonSetup ButtonSetup() const override;
    void ButtonSetDown(bool down) override { SetDown(down); }
    void ButtonClick() override { ExecuteClick(); }
    void ButtonFullMorph() override;
    void ButtonRefresh() override;
    void ButtonRepaint() override { Invalidate(); }
    int ButtonRepeatInterval() const override { return repeatInterval_; }
    TComponentGuard ButtonGuard() const override { return Guard(); }

    TButtonLook Look() const;
    bool FocusedHere() const;
    void ReleaseGroup();
    void FocusMoved(TWinControl* focused);
    void DialogKey(TMessage& m);
    void DialogChar(TMessage& m);

    TButtonContent content_;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool repeatMode_ = false;
    int repeatInterval_ = 100;
    bool canFocused_ = true;
    bool default_ = false;
    bool cancel_ = false;
    TModalResult modalResult_ = mrNone;
    TButtonDriver driver_{*this};
    TButtonSkinLook skin_;
    TbsControlMorph morph_{this, [this] { return Hovered() || FocusedHere(); }, [this] { return SkinIndex() != -1 && skin_.Morphing; }};
};

} // namespace tavrik
