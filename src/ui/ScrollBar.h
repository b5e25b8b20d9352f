#pragma once

#include "ui/WinControl.h"

namespace tavrik {

enum class TScrollBarKind : uint8_t { sbHorizontal, sbVertical };

// What moved a scroll bar: the WM_HSCROLL/WM_VSCROLL requests in order.
enum class TScrollCode : uint8_t { scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom,
                                   scEndScroll };

// ScrollPos is where the bar is about to go; the handler may change it.
using TScrollEvent = std::function<void(TComponent* Sender, TScrollCode ScrollCode, int& ScrollPos)>;

// A stand-alone scroll bar (a window of the window system's scroll-bar kind): arrows step by
// SmallChange, the track by LargeChange, the thumb drags, and the arrow, page, Home and End
// keys work while it has the focus. Every request fires OnScroll and then moves Position,
// which fires OnChange when it changed.
//
// Position stays in [Min, Max - PageSize + 1] (in [Min, Max] while PageSize is 0).
class TScrollBar : public TWinControl {
public:
    explicit TScrollBar(TComponent* owner);
    const char* ClassName() const override { return "TScrollBar"; }

    TScrollBarKind Kind() const { return kind_; }
    // Swaps width and height and makes the window again.
    void SetKind(TScrollBarKind kind);
    int Min() const { return min_; }
    void SetMin(int v) { SetParams(position_, v, std::max(v, max_)); }
    int Max() const { return max_; }
    void SetMax(int v) { SetParams(position_, std::min(min_, v), v); }
    int Position() const { return position_; }
    void SetPosition(int v) { SetParams(v, min_, max_); }
    // Sets the three at once (Max below Min becomes Min), firing OnChange once at most.
    void SetParams(int position, int min, int max);
    int PageSize() const { return pageSize_; }
    // Kept within [0, Max - Min + 1].
    void SetPageSize(int v);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int v) { smallChange_ = v; }
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int v) { largeChange_ = v; }

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

    void WndProc(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    virtual void Change();
    virtual void Scroll(TScrollCode code, int& pos);

private:
    int Clamp(int pos) const;
    void SendToWindow();
    void DoScroll(TMessage& m);

    TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int pageSize_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

} // namespace tavrik
