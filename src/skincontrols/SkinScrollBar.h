#pragma once

#include "skincontrols/ScrollBarGeometry.h"
#include "skincontrols/SkinCustomControl.h"

#include <string>

namespace tavrik {

class TTimer;

enum class TbsScrollBarKind : uint8_t { sbHorizontal, sbVertical };

// A skinned scroll bar that stands on its own: two arrow buttons, a track and a thumb whose
// length follows PageSize. It scrolls nothing itself; the control it serves sets its range
// (SetRange) and follows OnChange.
//
// Holding an arrow steps once at the press, again after 500 ms and then every 50 ms while the
// pointer stays on it; holding the track pages the same way until the thumb reaches the
// pointer. The thumb follows a drag, and OnLastChange tells of its release.
class TbsSkinScrollBar : public TbsSkinCustomControl {
public:
    explicit TbsSkinScrollBar(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinScrollBar"; }

    TbsScrollBarKind Kind() const { return kind_; }
    void SetKind(TbsScrollBarKind kind);
    int Min() const { return range_.Min; }
    void SetMin(int value);
    int Max() const { return range_.Max; }
    void SetMax(int value);
    int Position() const { return range_.Position; }
    // Kept in [Min, Max], or [Min, Max - PageSize + 1] with a page size.
    void SetPosition(int value);
    int PageSize() const { return range_.PageSize; }
    // Refused when the page would reach past Max from the current position.
    void SetPageSize(int value);
    // Sets everything at once, fires nothing: for the controls the bar serves.
    void SetRange(int min, int max, int pageSize, int position);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value);
    // A horizontal bar that meets a vertical one leaves the corner square at its right end:
    // drawn from BothSkinDataName, or BothMarkerWidth wide in the plain look.
    bool Both() const { return both_; }
    void SetBoth(bool on);
    int BothMarkerWidth() const { return bothMarkerWidth_; }
    void SetBothMarkerWidth(int width);
    const std::string& BothSkinDataName() const { return bothSkinDataName_; }
    void SetBothSkinDataName(const std::string& name) { bothSkinDataName_ = name; }
    // Keys and wheel; also makes the bar a tab stop.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool on);

    // Where the parts stand now.
    TbsScrollBarLayout Layout();
    TbsScrollPart HotPart() const { return hotPart_; }
    bool Dragging() const { return dragging_; }

    TNotifyEvent OnChange;
    TNotifyEvent OnLastChange;
    TNotifyEvent OnUpButtonClick;   // replaces the step of the increase arrow
    TNotifyEvent OnDownButtonClick; // replaces the step of the decrease arrow
    TNotifyEvent OnPageUp;
    TNotifyEvent OnPageDown;

    void WndProc(TMessage& message) override;

protected:
    void ReadSkinObject() override;
    void FitSizeToSkin(int& width, int& height) override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void EnabledChanged() override;

private:
    // What a held button or track repeats.
    enum TRepeat { rpNone = 0, rpDecrease = 1, rpIncrease = 2, rpPageBack = 3, rpPageOn = 4 };

    bool Vertical() const { return kind_ == TbsScrollBarKind::sbVertical; }
    TbsScrollBarFrame Frame() const;
    TbsScrollPart HitTest(TPoint p);
    void SetHot(TbsScrollPart part);
    void StartRepeat(unsigned ms);
    void StopRepeat();
    void RepeatTick();
    // One arrow step or one page; false when the bar was freed meanwhile.
    bool Step(TRepeat what);
    void Wheel(int delta);
    bool Pressed(TbsScrollPart part) const { return capturedPart_ == part && part != bspNone; }

    void DrawThumb(TCanvas& canvas, const TRect& thumb);

    TbsScrollRange range_;
    TbsScrollBarKind kind_ = TbsScrollBarKind::sbHorizontal;
    int smallChange_ = 1;
    int largeChange_ = 1;
    bool both_ = false;
    int bothMarkerWidth_ = 19;
    std::string bothSkinDataName_ = "bothhscrollbar";
    std::string nameBeforeBoth_;
    bool canFocused_ = false;

    TbsScrollPart hotPart_ = bspNone;
    TbsScrollPart capturedPart_ = bspNone;
    bool dragging_ = false;
    int grabbedAt_ = 0;       // pointer coordinate along the bar at the press on the thumb
    int grabbedOffset_ = 0;   // the thumb's offset then
    TPoint lastPointer_;
    TRepeat repeat_ = rpNone;
    bool firstDelay_ = false;
    TTimer* timer_ = nullptr;

    // From the scroll bar's control skin.
    TRect trackarea_, upbuttonrect_, activeupbuttonrect_, downupbuttonrect_;
    TRect downbuttonrect_, activedownbuttonrect_, downdownbuttonrect_;
    TRect thumbrect_, activethumbrect_, downthumbrect_;
    int thumboffset1_ = 0, thumboffset2_ = 0;
    TRect glyphrect_, activeglyphrect_, downglyphrect_;
    TSize fittedSize_;
};

} // namespace tavrik
