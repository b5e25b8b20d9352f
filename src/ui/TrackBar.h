#pragma once

#include "ui/BoundedValue.h"
#include "ui/CustomControl.h"

#include <algorithm>

namespace tavrik {

enum class TTrackBarOrientation : uint8_t { trHorizontal, trVertical };

// A slider: a thumb on a channel, Position from Min to Max. The thumb follows a drag; a click
// on the channel beside the thumb moves it by PageSize toward the click; the arrow keys move
// it by 1, Page Up/Down by PageSize, Home/End to the ends. Every change of Position, by the
// user or by code, fires OnChange (setting the value it already has fires nothing).
//
//   Min ............ Position ................. Max
//   |<- kThumbWidth/2 ->[thumb]<- kThumbWidth/2 ->|   (horizontal; vertical: Min at the top)
class TTrackBar : public TCustomControl {
public:
    static constexpr int kThumbWidth = 11;

    explicit TTrackBar(TComponent* owner);
    const char* ClassName() const override { return "TTrackBar"; }

    int Min() const { return range_.Min(); }
    int Max() const { return range_.Max(); }
    int Position() const { return range_.Value(); }
    void SetMin(int v) { SetRange(v, std::max(v, Max())); }
    void SetMax(int v) { SetRange(std::min(Min(), v), v); }
    // Position is kept inside [Min, Max]; a range that moves it fires OnChange.
    void SetRange(int min, int max);
    void SetPosition(int v);
    int PageSize() const { return pageSize_; }
    void SetPageSize(int v) { pageSize_ = v; }
    TTrackBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TTrackBarOrientation orientation);

    // The thumb's rectangle in client coordinates, and the value a client point along the
    // channel stands for.
    TRect ThumbRect() const;
    int ValueAt(TPoint client) const;

    TNotifyEvent OnChange;

    void WndProc(TMessage& message) override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    virtual void Changed();

private:
    bool Horizontal() const { return orientation_ == TTrackBarOrientation::trHorizontal; }
    // Pixels the thumb's centre travels along, from its position at Min.
    int TravelLength() const;
    int Along(TPoint client) const { return Horizontal() ? client.x : client.y; }

    TBoundedValue range_{0, 10};
    int pageSize_ = 2;
    TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
    bool dragging_ = false;
    int dragOffset_ = 0; // pointer minus thumb centre when the drag began
};

} // namespace tavrik
