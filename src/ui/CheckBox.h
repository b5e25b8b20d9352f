#pragma once

#include "ui/CustomControl.h"

namespace tavrik {

enum class TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };

// A box with a caption that a click or Space ticks and unticks. Every change of State,
// by the user or by code, fires OnClick.
class TCheckBox : public TCustomControl {
public:
    explicit TCheckBox(TComponent* owner);
    const char* ClassName() const override { return "TCheckBox"; }

    bool Checked() const { return state_ == TCheckBoxState::cbChecked; }
    void SetChecked(bool on) { SetState(on ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
    TCheckBoxState State() const { return state_; }
    void SetState(TCheckBoxState state);
    // Whether a click steps through the grayed state too.
    bool AllowGrayed() const { return allowGrayed_; }
    void SetAllowGrayed(bool on) { allowGrayed_ = on; }
    // Transparent: what the parent draws beneath shows around the box and caption (a frame of
    // the parent that the check box overlaps stays visible); otherwise Color fills it.
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on);

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    virtual void Toggle();

private:
    TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
    bool allowGrayed_ = false;
    bool transparent_ = false;
    bool spaceDown_ = false;
    bool hot_ = false;
};

} // namespace tavrik
