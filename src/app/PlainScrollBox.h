#pragma once

#include "ui/CustomControl.h"
#include "ui/ScrollBar.h"

namespace tavrik {

// An area with a sunken frame whose children may reach beyond it, scrolled by two scroll bars
// that stand beside it (the plain stand-in for the skinned box and its external bars). The box
// sets the bars' ranges from how far its visible children reach, shows a bar while there is
// something to scroll in its direction and hides it otherwise (an aligned box then grows or
// shrinks beside it), and moves the children when a bar moves.
class TPlainScrollBox : public TCustomControl {
public:
    explicit TPlainScrollBox(TComponent* owner);
    const char* ClassName() const override { return "TPlainScrollBox"; }

    // Links the bars (of the kinds their names say) that stand beside the box.
    void SetScrollBars(TScrollBar* horizontal, TScrollBar* vertical);
    // Takes the children where they stand as unscrolled and puts both bars back at the start.
    void ResetScrolling();
    void UpdateScrollBars();
    // Scrolls as a mouse wheel turned by delta (120 a notch, positive away from the user)
    // would: three lines a notch, up and down, or left and right when asked or when the
    // box scrolls only that way. Answers whether there was a bar to scroll.
    bool ScrollByWheel(int delta, bool sideways);

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void Paint() override;
    void Resize() override;
    void ControlsChanged(TControl* control) override;

private:
    void UpdateBar(bool horizontal);
    void BarMoved(bool horizontal);
    void MoveChildren(int dx, int dy);

    TScrollBar* horizontal_ = nullptr;
    TScrollBar* vertical_ = nullptr;
    TPoint scrolled_; // how far the children are moved left and up
    int updating_ = 0;
};

} // namespace tavrik
