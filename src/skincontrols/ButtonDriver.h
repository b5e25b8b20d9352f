#pragma once

#include "skincontrols/ButtonInteraction.h"
#include "ui/Component.h"

namespace tavrik {

class TTimer;

// What a button control does for its driver.
class IButtonHost {
public:
    virtual TButtonSetup ButtonSetup() const = 0;
    // Down changes through the control's setter, which keeps a group's buttons apart.
    virtual void ButtonSetDown(bool down) = 0;
    virtual void ButtonClick() = 0;
    // The morph jumps to the active image (when the skin morphs).
    virtual void ButtonFullMorph() = 0;
    // Starts the morph toward the state's image, or repaints.
    virtual void ButtonRefresh() = 0;
    virtual void ButtonRepaint() = 0;
    virtual int ButtonRepeatInterval() const = 0;
    virtual TComponentGuard ButtonGuard() const = 0;

protected:
    ~IButtonHost() = default;
};

// Runs a push or speed button's state machine: feeds it events, carries out the actions in
// their order and keeps the repeat timer that clicks every RepeatInterval while it runs.
class TButtonDriver {
public:
    explicit TButtonDriver(IButtonHost& host);
    ~TButtonDriver();
    TButtonDriver(const TButtonDriver&) = delete;
    TButtonDriver& operator=(const TButtonDriver&) = delete;

    const TButtonState& State() const { return state_; }
    // Down as the control's setter stored it.
    void StoreDown(bool down) { state_.Down = down; }
    // Enabling or disabling forgets the hover.
    void ClearHover() { state_.Hovered = false; }
    // A new window starts with Enter pressing the Default button.
    void SetDefaultActive(bool on) { state_.DefaultActive = on; }

    // False when the host did not survive the click.
    bool Handle(TButtonEvent event);
    // The framework's pointer enter and leave. While the mouse is held on the button the
    // framework reports no leaving, and the pointer's place (TrackHeldPointer) decides.
    bool PointerCrossed(bool entered);
    bool TrackHeldPointer(bool inside);
    void StopRepeat();

private:
    void StartRepeat();

    IButtonHost& host_;
    TButtonState state_;
    TOwnedPtr<TTimer> repeat_;
};

} // namespace tavrik
