#pragma once

#include "skincontrols/SkinCustomControl.h"

namespace tavrik {

class TTimer;

enum class TbsUpDownOrientation : uint8_t { udHorizontal, udVertical };

// A skinned pair of arrow buttons stepping Position between Min and Max by Increment; it shows
// no number. A click steps at the release; a held button steps again 600 ms after the press
// (500 ms, then the first 100 ms interval) and every 100 ms after that while the pointer stays
// on it. The up button increases (right when horizontal, top when vertical).
class TbsSkinUpDown : public TbsSkinCustomControl {
public:
    enum TButton : int { ubNone = -1, ubUp = 0, ubDown = 1 };

    explicit TbsSkinUpDown(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinUpDown"; }

    TbsUpDownOrientation Orientation() const { return orientation_; }
    void SetOrientation(TbsUpDownOrientation orientation);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    // A value outside [Min, Max] is ignored; any other fires OnChange, even an unchanged one.
    void SetPosition(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value; }

    // The buttons as they stand now.
    TRect ButtonRect(TButton button) const;
    TButton HotButton() const { return hot_; }

    TNotifyEvent OnChange;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;

    void WndProc(TMessage& message) override;

protected:
    void ReadSkinObject() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void HitTest(TPoint p);
    void SetHot(TButton button);
    void Step(TButton button);
    void RepeatTick();
    void StartRepeat(unsigned ms);

    TbsUpDownOrientation orientation_ = TbsUpDownOrientation::udHorizontal;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;

    TButton hot_ = ubNone;
    TButton captured_ = ubNone;
    TButton repeating_ = ubNone;
    bool firstDelay_ = false;
    TTimer* timer_ = nullptr;

    TRect upbuttonrect_, activeupbuttonrect_, downupbuttonrect_;
    TRect downbuttonrect_, activedownbuttonrect_, downdownbuttonrect_;
};

} // namespace tavrik
