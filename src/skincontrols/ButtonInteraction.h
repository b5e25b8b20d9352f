#pragma once

#include <cstdint>

namespace tavrik {

// What the mouse, the keyboard and the focus do to a skinned push button or speed button,
// without the button: the control feeds events in and carries out the actions that come
// back, in the order of TButtonAction.
//
// An ungrouped button (GroupIndex 0):
//
//   event            | condition                       | next                        | actions
//   -----------------+---------------------------------+-----------------------------+------------------------
//   left press       | up                              | down, hovered, held         | repeat on (RepeatMode)
//   left press       | down                            | held                        |
//   left release     | held, hovered                   | up                          | repeat off, click
//   left release     | held, not hovered               | up                          | repeat off
//   pointer enters   | down                            | hovered                     | full morph, repaint;
//                    |                                 |                             | repeat restarts
//   pointer enters   | up, not focused                 | hovered                     | refresh
//   pointer leaves   | down or not focused             | not hovered (*)             | refresh; repeat off
//   Space down       | focused                         | down                        | click (RepeatMode)
//   Space up         | focused, Space went down here   | up                          | click
//   Enter down       | focused                         |                             | click
//   focus lost       |                                 | up                          | repeat off, refresh
//   focus gained     |                                 |                             | refresh
//
// A grouped (sticky) button goes down on the press and clicks there; a second press on a
// down button arms the release, which with AllowAllUp and the pointer still over it brings
// the button up and clicks again. Pointer enter and leave refresh only an up grouped button.
//
// (*) The default button keeps its hover look while the focus rests on a control that is
// not a button: leaving does not clear Hovered then, and a focus change onto such a control
// sets it.
//
// A release only counts after a press on the button, and a Space release only after its
// press went to the button: a press that opened a dialog leaves its release to the dialog.
//
// A speed button takes no focus and no keys; pointer enter and leave refresh it when it is
// ungrouped or up.
struct TButtonState {
    bool Down = false;
    bool Hovered = false;
    bool MouseHeld = false;
    bool ReleaseArmed = false;
    bool SpaceHeld = false;
    bool DefaultActive = false; // Enter presses this button now
    bool Repeating = false;     // the auto-repeat timer runs
};

struct TButtonSetup {
    bool Grouped = false;     // GroupIndex <> 0
    bool AllowAllUp = false;
    bool RepeatMode = false;
    bool Focused = false;     // has the focus and may have it (CanFocused)
    bool DefaultButton = false; // Default and CanFocused
    bool SpeedButton = false;
};

enum class TButtonEvent : uint8_t {
    LeftPress,
    LeftRelease,
    PointerEnter,
    PointerLeave,
    SpaceDown,
    SpaceUp,
    EnterDown,
    FocusGained,
    FocusLost,
    FocusToThis,        // this button got the focus (a focus change in the form)
    FocusToOtherButton, // another push button got it
    FocusToNonButton,   // a control that is not a push button got it
};

// Carried out in this order: the morph jumps to the active image, Down changes through its
// setter (which keeps a group's buttons apart), the repeat timer stops and starts, the click
// runs, the button refreshes (starts its morph or repaints) or only repaints.
enum TButtonAction : unsigned {
    baFullMorph = 1,
    baStopRepeat = 2,
    baStartRepeat = 4,
    baClick = 8,
    baRefresh = 16,
    baRepaint = 32,
};

struct TButtonStep {
    TButtonState Next;
    unsigned Actions = 0;

    bool Has(TButtonAction action) const { return (Actions & action) != 0; }
};

TButtonStep StepButton(const TButtonState& state, const TButtonSetup& setup, TButtonEvent event);

} // namespace tavrik
