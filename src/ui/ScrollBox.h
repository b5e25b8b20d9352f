#pragma once

#include "ui/ControlScrollBar.h"
#include "ui/WinControl.h"

namespace tavrik {

// A container whose children are scrolled by an offset with the two bars of its frame. With
// AutoScroll (the default) the bars' ranges follow the farthest right and bottom edges of the
// visible children (children aligned to the right, the bottom or the client area follow the
// box and do not count), and the bars appear only when the content does not fit.
//
// Scrolling moves the children and the window's pixels by the difference (ScrollBy); aligned
// children are laid out in the scrolled content area, which is at least as large as the
// client area.
class TScrollBox : public TWinControl {
public:
    explicit TScrollBox(TComponent* owner);
    const char* ClassName() const override { return "TScrollBox"; }

    TControlScrollBar& HorzScrollBar() { return horz_; }
    TControlScrollBar& VertScrollBar() { return vert_; }
    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool on);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);

    // Moves every child by (dx, dy) and the pixels of the window with them.
    void ScrollBy(int dx, int dy);
    // Scrolls as little as needed for the child to be seen whole (its top-left corner when it
    // is larger than the client area).
    void ScrollInView(const TControl* control);
    // Recomputes the ranges (with AutoScroll) and updates both bars.
    void UpdateScrollBars();

    void AdjustClientRect(TRect& rect) const override;
    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void AlignControls(TControl* control, TRect& rect) override;
    void ControlsChanged(TControl* control) override;

private:
    void CalcAutoRange();
    void WheelScroll(int delta);

    TControlScrollBar horz_{*this, TScrollBarKind::sbHorizontal};
    TControlScrollBar vert_{*this, TScrollBarKind::sbVertical};
    bool autoScroll_ = true;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    int updating_ = 0;
};

} // namespace tavrik
