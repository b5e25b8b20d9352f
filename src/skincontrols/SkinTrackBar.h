#pragma once

#include "skincontrols/SkinCustomControl.h"
#include "skincontrols/TrackBarGeometry.h"

namespace tavrik {

// A skinned slider ("htrackbar", or "trackbar" standing): an integer Value between MinValue
// and MaxValue set by dragging the thumb, by a click on the track (JumpWhenClick), by the
// arrow keys and by the wheel (both only with CanFocused). The value grows to the right, or
// upward when the bar stands. OnChange fires for every change of Value, during a drag too;
// a change of the range that moves the value fires nothing. A skin with a filled picture
// shows the track filled from its start up to the thumb, while the bar is enabled.
class TbsSkinTrackBar : public TbsSkinCustomControl {
public:
    explicit TbsSkinTrackBar(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinTrackBar"; }

    int MinValue() const { return range_.Min; }
    void SetMinValue(int value);
    int MaxValue() const { return range_.Max; }
    void SetMaxValue(int value);
    int Value() const { return range_.Value; }
    void SetValue(int value);
    // Standing: the skin's "trackbar" instead of "htrackbar", width and height swapped. A
    // bound bar follows its skin's orientation.
    bool Vertical() const { return vertical_; }
    void SetVertical(bool on);
    bool JumpWhenClick() const { return jumpWhenClick_; }
    void SetJumpWhenClick(bool on) { jumpWhenClick_ = on; }
    bool MouseSupport() const { return mouseSupport_; }
    void SetMouseSupport(bool on) { mouseSupport_ = on; }
    // Keys and wheel; also makes the bar a tab stop.
    bool CanFocused() const { return canFocused_; }
    void SetCanFocused(bool on);

    // The thumb as last painted.
    TRect ThumbRect() const { return thumb_.Thumb; }
    bool Dragging() const { return dragging_; }

    TNotifyEvent OnChange;

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

private:
    bool ShownVertical() const;
    bool ShowsActiveThumb() const;
    // Places the thumb for the current value and size; the track of the skin or of the
    // plain look.
    void PlaceThumbNow();
    void DrawFilledPart(TBitmap& bitmap);
    void SetValueFromOffset(int offset);
    void Nudge(int step);
    void Wheel(int delta);

    TValueRange range_;
    bool vertical_ = false;
    bool jumpWhenClick_ = false;
    bool mouseSupport_ = true;
    bool canFocused_ = false;
    bool dragging_ = false;
    TPoint grabbedAt_;
    int grabbedOffset_ = 0;
    TThumbPlace thumb_;
    TRect trackarea_;
    TRect buttonrect_;
    TRect activebuttonrect_;
    TRect filledskinrect_; // empty: the skin shows no filled part
    bool skinVertical_ = false;
    TRect FittedTrackArea;
};

} // namespace tavrik
