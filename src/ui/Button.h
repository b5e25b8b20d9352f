#pragma once

#include "ui/CustomControl.h"

namespace tavrik {

// A push button. A click (mouse released over it, Space, or Enter/Esc below) sets its form's
// ModalResult to the button's ModalResult, then fires OnClick.
//
// Enter presses the button that has the focus, or the Default button when the focus is on a
// control that is not a button; Esc presses the Cancel button.
//
//   state    | press inside | move out | move back | release inside | release outside | Space down/up
//   ---------+--------------+----------+-----------+----------------+-----------------+--------------
//   normal   | down         |          |           |                |                 | down / click
//   down     |              | held     |           | click, normal  |                 |
//   held     |              |          | down      |                | normal          |
class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* owner);
    const char* ClassName() const override { return "TButton"; }

    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Default() const { return default_; }
    void SetDefault(bool on);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    // Whether Enter presses it now.
    bool Active() const { return active_; }

    void Click() override;
    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyUp(uint16_t& key, TShiftState shift) override;

private:
    void SetDown(bool down);
    void UpdateActive(TWinControl* focused);

    TModalResult modalResult_ = mrNone;
    bool default_ = false;
    bool cancel_ = false;
    bool active_ = false;
    bool down_ = false;
    bool hot_ = false;
    bool spaceDown_ = false;
};

} // namespace tavrik
