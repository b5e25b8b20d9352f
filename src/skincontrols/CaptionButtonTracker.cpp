#include "skincontrols/CaptionButtonTracker.h"

namespace tavrik {

TCaptionButtonTracker::TStep TCaptionButtonTracker::HitTest(TPoint p)
{
    TStep step;
    if (rects_[0].IsEmpty() && rects_[1].IsEmpty()) return step;
    const int previous = hotButton_;
    hotButton_ = -1;
    for (int i = 0; i < 2; ++i)
        if (!rects_[size_t(i)].IsEmpty() && rects_[size_t(i)].Contains(p)) {
            hotButton_ = i;
            break;
        }
    if (captured_ != -1 && hotButton_ != captured_) hotButton_ = -1;
    if (hotButton_ == previous) return step;
    if (previous != -1) {
        hot_[size_t(previous)] = false;
        step.Repaint |= 1u << previous;
    }
    if (hotButton_ != -1) {
        hot_[size_t(hotButton_)] = true;
        step.Repaint |= 1u << hotButton_;
    }
    return step;
}

TCaptionButtonTracker::TStep TCaptionButtonTracker::Leave()
{
    TStep step;
    for (int i = 0; i < 2; ++i)
        if (hot_[size_t(i)]) {
            hot_[size_t(i)] = false;
            step.Repaint |= 1u << i;
        }
    hotButton_ = -1;
    return step;
}

TCaptionButtonTracker::TStep TCaptionButtonTracker::Press(TPoint p)
{
    TStep step = HitTest(p);
    if (hotButton_ != -1) {
        captured_ = hotButton_;
        hot_[size_t(captured_)] = true;
        pressed_[size_t(captured_)] = true;
        step.Repaint |= 1u << captured_;
    }
    return step;
}

TCaptionButtonTracker::TStep TCaptionButtonTracker::Release()
{
    TStep step;
    if (captured_ == -1) return step;
    const size_t i = size_t(captured_);
    pressed_[i] = false;
    if (captured_ != hotButton_) hot_[i] = false;
    step.Repaint |= 1u << captured_;
    if (hot_[i]) step.Activated = captured_;
    captured_ = -1;
    return step;
}

} // namespace tavrik
