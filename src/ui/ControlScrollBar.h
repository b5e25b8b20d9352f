#pragma once

#include "ui/ScrollBar.h"

namespace tavrik {

class TScrollBox;

// One of a scroll box's own bars (in its window's frame). Range is the extent of the content
// along the bar (with AutoScroll the box computes it from its children); the bar shows while
// Visible and Range exceed the box's client size. Position runs from 0 to Range less the
// client size; setting it scrolls the children.
class TControlScrollBar {
public:
    TControlScrollBar(TScrollBox& box, TScrollBarKind kind) : box_(box), kind_(kind) {}
    TControlScrollBar(const TControlScrollBar&) = delete;
    TControlScrollBar& operator=(const TControlScrollBar&) = delete;

    TScrollBarKind Kind() const { return kind_; }
    int Range() const { return range_; }
    void SetRange(int v);
    int Position() const { return position_; }
    void SetPosition(int v);
    // The step of the arrows (the track steps by the client size).
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = std::max(1, v); }
    // Extra room after the farthest child (AutoScroll).
    int Margin() const { return margin_; }
    void SetMargin(int v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    // Whether the content follows the thumb while it is dragged, or only when it is let go.
    bool Tracking() const { return tracking_; }
    void SetTracking(bool v) { tracking_ = v; }
    // Shown now (Visible, with more content than room).
    bool IsScrollBarVisible() const;
    // The largest position for the current client size.
    int MaxPosition() const;

    // Handles the box's WM_HSCROLL or WM_VSCROLL.
    void ScrollMessage(WPARAM wParam);

private:
    friend class TScrollBox;
    int Bar() const { return kind_ == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT; }
    int ClientSize() const;
    // Puts range, page and position on the window's bar (the box calls it after layout).
    void Update();
    void SetRangeFromBox(int v) { range_ = std::max(0, v); }

    TScrollBox& box_;
    TScrollBarKind kind_;
    int range_ = 0;
    int position_ = 0;
    int increment_ = 8;
    int margin_ = 0;
    bool visible_ = true;
    bool tracking_ = true;
};

} // namespace tavrik
