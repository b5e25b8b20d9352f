#pragma once

#include "ui/GraphicControl.h"

namespace tavrik {

// How a dragged splitter shows where it goes: not at all, with an inverted line on its
// parent, or by resizing the neighbour as it moves.
enum class TResizeStyle : uint8_t { rsNone, rsLine, rsUpdate };

// NewSize: the neighbour's size about to be set; Accept false refuses it.
using TCanResizeEvent = std::function<void(TComponent* Sender, int& NewSize, bool& Accept)>;

// An aligned bar that resizes the control aligned to the same edge just before it (the
// control it touches on the side of that edge) when dragged. Neither that control nor the
// room left on the other side of the splitter gets smaller than MinSize.
//
//     | neighbour (alLeft) |#| the rest (alClient) |
//                           ^ splitter (alLeft): dragging it right widens the neighbour
class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* owner);
    const char* ClassName() const override { return "TSplitter"; }

    // Also picks the sizing cursor that fits the direction.
    void SetAlign(TAlign align);
    int MinSize() const { return minSize_; }
    void SetMinSize(int v) { minSize_ = std::max(1, v); }
    TResizeStyle ResizeStyle() const { return resizeStyle_; }
    void SetResizeStyle(TResizeStyle style) { resizeStyle_ = style; }
    bool Beveled() const { return beveled_; }
    void SetBeveled(bool on);
    // The control the splitter resizes, found at the press (nullptr when not dragging).
    TControl* ResizeControl() const { return control_.Get(); }

    TCanResizeEvent OnCanResize;
    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool Horizontal() const { return Align() == TAlign::alTop || Align() == TAlign::alBottom; }
    TControl* FindControl() const;
    int MaxSize() const;
    int ControlSize() const;
    int SizeFor(TPoint screen) const;
    void ApplySize(int size);
    void ToggleLine();

    int minSize_ = 30;
    TResizeStyle resizeStyle_ = TResizeStyle::rsLine;
    bool beveled_ = false;
    TComponentRef<TControl> control_;
    int startSize_ = 0;
    int newSize_ = 0;
    int maxSize_ = 0;
    TPoint downAt_;      // screen coordinates of the press
    bool lineShown_ = false;
    TRect line_;         // the feedback line, in the parent's client coordinates
};

} // namespace tavrik
