#include "skincontrols/ButtonInteraction.h"

namespace tavrik {

namespace {

// Whether pointer enter and leave change the button's look.
bool HoverShows(const TButtonState& s, const TButtonSetup& setup)
{
    if (setup.SpeedButton) return !setup.Grouped || !s.Down;
    return setup.Grouped ? !s.Down : (!setup.Focused || s.Down);
}

bool Repeats(const TButtonState& s, const TButtonSetup& setup)
{
    return s.Down && setup.RepeatMode && !setup.Grouped;
}

void Press(TButtonStep& step, const TButtonSetup& setup)
{
    TButtonState& s = step.Next;
    s.MouseHeld = true;
    if (s.Down) {
        if (setup.Grouped) s.ReleaseArmed = true;
        return;
    }
    s.Hovered = true;
    s.Down = true;
    s.ReleaseArmed = false;
    if (setup.RepeatMode && !setup.Grouped) {
        s.Repeating = true;
        step.Actions |= baStartRepeat;
    } else if (setup.Grouped) {
        step.Actions |= baClick;
    }
}

void Release(TButtonStep& step, const TButtonSetup& setup)
{
    TButtonState& s = step.Next;
    if (!s.MouseHeld) return;
    s.MouseHeld = false;
    if (!setup.Grouped) {
        s.Down = false;
        if (s.Repeating) step.Actions |= baStopRepeat;
        s.Repeating = false;
        if (s.Hovered) step.Actions |= baClick;
    } else if (s.Down && setup.AllowAllUp && s.ReleaseArmed && s.Hovered) {
        s.Down = false;
        step.Actions |= baClick;
    }
}

void Enter(TButtonStep& step, const TButtonSetup& setup)
{
    TButtonState& s = step.Next;
    s.Hovered = true;
    if (HoverShows(s, setup)) step.Actions |= s.Down ? (baFullMorph | baRepaint) : baRefresh;
    if (Repeats(s, setup)) {
        s.Repeating = true;
        step.Actions |= baStopRepeat | baStartRepeat;
    }
}

void Leave(TButtonStep& step, const TButtonSetup& setup)
{
    TButtonState& s = step.Next;
    const bool keepsHover = setup.DefaultButton && s.DefaultActive && !setup.Focused;
    if (!keepsHover || setup.SpeedButton) s.Hovered = false;
    if (HoverShows(s, setup)) step.Actions |= baRefresh;
    if (Repeats(s, setup) && s.Repeating) {
        s.Repeating = false;
        step.Actions |= baStopRepeat;
    }
}

void Key(TButtonStep& step, const TButtonSetup& setup, TButtonEvent event)
{
    TButtonState& s = step.Next;
    if (setup.SpeedButton || !setup.Focused) return;
    switch (event) {
    case TButtonEvent::SpaceDown:
        s.Down = true;
        s.SpaceHeld = true;
        if (setup.RepeatMode) step.Actions |= baClick;
        break;
    case TButtonEvent::SpaceUp:
        if (!s.SpaceHeld) return;
        s.SpaceHeld = false;
        s.Down = false;
        step.Actions |= baClick;
        break;
    default: step.Actions |= baClick; break;
    }
}

void FocusMoved(TButtonStep& step, const TButtonSetup& setup, TButtonEvent event)
{
    TButtonState& s = step.Next;
    const bool toButton = event != TButtonEvent::FocusToNonButton;
    s.DefaultActive = toButton ? event == TButtonEvent::FocusToThis : setup.DefaultButton;
    if (!setup.DefaultButton) return;
    if (event == TButtonEvent::FocusToOtherButton && s.Hovered) {
        s.Hovered = false;
        step.Actions |= baRefresh;
    } else if (event == TButtonEvent::FocusToNonButton && !s.Hovered) {
        s.Hovered = true;
        step.Actions |= baFullMorph | baRefresh;
    }
}

void FocusLost(TButtonStep& step, const TButtonSetup& setup)
{
    TButtonState& s = step.Next;
    if (s.Repeating) step.Actions |= baStopRepeat;
    s.Repeating = false;
    s.SpaceHeld = false;
    if (!setup.Grouped) s.Down = false;
    step.Actions |= baRefresh;
}

} // namespace

TButtonStep StepButton(const TButtonState& state, const TButtonSetup& setup, TButtonEvent event)
{
    TButtonStep step{state, 0};
    switch (event) {
    case TButtonEvent::LeftPress: Press(step, setup); break;
    case TButtonEvent::LeftRelease: Release(step, setup); break;
    case TButtonEvent::PointerEnter: Enter(step, setup); break;
    case TButtonEvent::PointerLeave: Leave(step, setup); break;
    case TButtonEvent::SpaceDown:
    case TButtonEvent::SpaceUp:
    case TButtonEvent::EnterDown: Key(step, setup, event); break;
    case TButtonEvent::FocusGained:
        if (!setup.SpeedButton) step.Actions |= baRefresh;
        break;
    case TButtonEvent::FocusLost:
        if (!setup.SpeedButton) FocusLost(step, setup);
        break;
    case TButtonEvent::FocusToThis:
    case TButtonEvent::FocusToOtherButton:
    case TButtonEvent::FocusToNonButton:
        if (!setup.SpeedButton) FocusMoved(step, setup, event);
        break;
    }
    return step;
}

} // namespace tavrik
