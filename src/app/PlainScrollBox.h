#pragma once

#include "ui/CustomControl.h"
#include "ui/TrackBar.h"

namespace tavrik {

enum class TPlainScrollBarKind : uint8_t { sbHorizontal, sbVertical };

// A scroll bar that stands beside the area it scrolls (the plain stand-in for the skinned
// bars a scroll box is attached to): Position runs from 0 to Max, the content offset in
// pixels; drag the thumb, click beside it, or use the arrow keys.
class TPlainScrollBar : public TTrackBar {
public:
    explicit TPlainScrollBar(TComponent* owner);
    const char* ClassName() const override { return "TPlainScrollBar"; }

    TPlainScrollBarKind Kind() const { return kind_; }
    void SetKind(TPlainScrollBarKind kind);

protected:
    void Paint() override;

private:
    TPlainScrollBarKind kind_ = TPlainScrollBarKind::sbHorizontal;
};

// An area with a sunken frame whose children can be larger than it: the attached bars move
// them. ResetScrolling, called after the children were placed, sets the bars' ranges to how
// far the children reach beyond the area and puts them back at 0.
class TPlainScrollBox : public TCustomControl {
public:
    explicit TPlainScrollBox(TComponent* owner);
    const char* ClassName() const override { return "TPlainScrollBox"; }

    void SetScrollBars(TPlainScrollBar* horizontal, TPlainScrollBar* vertical);
    void ResetScrolling();
    TPoint ScrollOffset() const { return offset_; }

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void Paint() override;

private:
    void BarChanged();

    TPlainScrollBar* horizontal_ = nullptr;
    TPlainScrollBar* vertical_ = nullptr;
    TPoint offset_; // how far the children are moved left and up
    bool resetting_ = false;
};

} // namespace tavrik
