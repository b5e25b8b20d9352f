#include "skincontrols/ButtonDriver.h"

#include "ui/Timer.h"

#include <algorithm>

namespace tavrik {

TButtonDriver::TButtonDriver(IButtonHost& host) : host_(host) {}

TButtonDriver::~TButtonDriver() = default;

bool TButtonDriver::Handle(TButtonEvent event)
{
    const TButtonStep step = StepButton(state_, host_.ButtonSetup(), event);
    const bool wasDown = state_.Down;
    state_ = step.Next;
    state_.Down = wasDown;
    auto alive = host_.ButtonGuard();
    if (step.Has(baFullMorph)) host_.ButtonFullMorph();
    if (step.Next.Down != wasDown) host_.ButtonSetDown(step.Next.Down);
    if (step.Has(baStopRepeat)) StopRepeat();
    if (step.Has(baStartRepeat)) StartRepeat();
    if (step.Has(baClick)) {
        host_.ButtonClick();
        if (!alive) return false;
    }
    if (step.Has(baRefresh)) host_.ButtonRefresh();
    else if (step.Has(baRepaint)) host_.ButtonRepaint();
    return true;
}

bool TButtonDriver::PointerCrossed(bool entered)
{
    if (state_.MouseHeld) return true;
    return Handle(entered ? TButtonEvent::PointerEnter : TButtonEvent::PointerLeave);
}

bool TButtonDriver::TrackHeldPointer(bool inside)
{
    if (!state_.MouseHeld || inside == state_.Hovered) return true;
    return Handle(inside ? TButtonEvent::PointerEnter : TButtonEvent::PointerLeave);
}

void TButtonDriver::StartRepeat()
{
    repeat_.reset(new TTimer(nullptr));
    repeat_->SetInterval(unsigned(std::max(1, host_.ButtonRepeatInterval())));
    repeat_->OnTimer = [this](TComponent*) { host_.ButtonClick(); };
    state_.Repeating = true; // a restart stops the timer first, which cleared the flag
}

void TButtonDriver::StopRepeat()
{
    repeat_.reset();
    state_.Repeating = false;
}

} // namespace tavrik
