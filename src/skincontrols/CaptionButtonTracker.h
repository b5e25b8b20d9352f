#pragma once

#include "core/Geometry.h"

#include <array>
#include <cstdint>

namespace tavrik {

// The hot and pressed states of the two caption buttons of a roll-up panel (index 0 the close
// button, 1 the roll button), driven by the pointer:
//
//   event         | effect
//   --------------+---------------------------------------------------------------------
//   enter         | hit test at (-1, -1): nothing is hot
//   move to p     | hit test at p: the first shown button holding p is hot, else none;
//                 | while a button is captured no other button becomes hot
//   leave         | every hot button turns cold
//   press at p    | hit test at p; a hot button is captured and pressed
//   release       | the captured button comes up, turns cold unless the pointer is on it,
//                 | and when it is: close hides the panel, roll toggles the roll state
//
// So pressing a button, moving off and releasing does nothing, and moving back on before
// releasing still acts. Every button whose look changed is named in the step's Repaint.
class TCaptionButtonTracker {
public:
    static constexpr int kClose = 0;
    static constexpr int kRoll = 1;

    struct TStep {
        unsigned Repaint = 0; // bit i: button i changed its look
        int Activated = -1;   // the button released while hot, or -1
    };

    // Rectangles of the buttons as laid out now; an empty one is not shown.
    void SetRects(const TRect& close, const TRect& roll) { rects_ = {close, roll}; }

    TStep Enter() { return HitTest({-1, -1}); }
    TStep Move(TPoint p) { return HitTest(p); }
    TStep Leave();
    TStep Press(TPoint p);
    TStep Release();

    bool Hot(int button) const { return hot_[size_t(button)]; }
    bool Pressed(int button) const { return pressed_[size_t(button)]; }
    int HotButton() const { return hotButton_; }
    int CapturedButton() const { return captured_; }

private:
    TStep HitTest(TPoint p);

    std::array<TRect, 2> rects_{};
    std::array<bool, 2> hot_{};
    std::array<bool, 2> pressed_{};
    int hotButton_ = -1;
    int captured_ = -1;
};

} // namespace tavrik
