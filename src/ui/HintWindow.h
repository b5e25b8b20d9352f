#pragma once

#include "ui/CustomControl.h"

#include <string>

namespace tavrik {

// The small window that shows a control's hint. The application makes one of the class its
// HintWindowClass names; a replacement overrides CalcHintRect, ActivateHint and Paint.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* owner);
    const char* ClassName() const override { return "THintWindow"; }

    // The window size the text needs, as a rectangle at (0, 0); line breaks start new lines,
    // longer lines wrap at maxWidth.
    virtual TRect CalcHintRect(int maxWidth, const std::string& hint);
    // Shows the text at the rectangle's top-left corner, with the rectangle's size, moved
    // inside the screen; the window does not take the focus.
    virtual void ActivateHint(TRect rect, const std::string& hint);
    void HideHint();
    bool HintShowing() const;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
};

// Where the top-left corner of a hint of `size` goes for the pointer at `cursor`: just below
// the pointer's visible shape, or, where the work area ends before the hint would, above the
// pointer; either way the hint never covers the pointer.
TPoint HintPosNearPointer(TPoint cursor, TSize size);

} // namespace tavrik
