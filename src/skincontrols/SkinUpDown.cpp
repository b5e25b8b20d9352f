#include "skincontrols/SkinUpDown.h"

#include "gfx/Canvas.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/Glyphs.h"
#include "skin/SkinRects.h"
#include "skincontrols/DefaultLook.h"
#include "ui/Timer.h"
#include "wsys/WinApi.h"

#include <cstdint>

namespace tavrik {

namespace {

constexpr unsigned kFirstRepeatDelay = 500;
constexpr unsigned kRepeatInterval = 100;
constexpr unsigned kResumeInterval = 50;

} // namespace

TbsSkinUpDown::TbsSkinUpDown(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("hupdown");
    SetBounds(0, 0, 50, 25);
    timer_ = new TTimer(this);
    timer_->SetEnabled(false);
    timer_->OnTimer = [this](TComponent*) { RepeatTick(); };
}

void TbsSkinUpDown::SetOrientation(TbsUpDownOrientation orientation)
{
    orientation_ = orientation;
    Invalidate();
}

void TbsSkinUpDown::SetMin(int value)
{
    min_ = value;
    if (position_ < value) position_ = value;
}

void TbsSkinUpDown::SetMax(int value)
{
    max_ = value;
    if (position_ > value) position_ = value;
}

void TbsSkinUpDown::SetPosition(int value)
{
    if (value < min_ || value > max_) return;
    position_ = value;
    if (OnChange) OnChange(this);
}

void TbsSkinUpDown::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    auto* skin = dynamic_cast<const TbsDataSkinUpDownControl*>(SkinControl());
    if (!skin) return;
    upbuttonrect_ = skin->upbuttonrect;
    activeupbuttonrect_ = skin->activeupbuttonrect;
    downupbuttonrect_ = skin->downupbuttonrect.IsEmpty() ? skin->activeupbuttonrect : skin->downupbuttonrect;
    downbuttonrect_ = skin->downbuttonrect;
    activedownbuttonrect_ = skin->activedownbuttonrect;
    downdownbuttonrect_ = skin->downdownbuttonrect.IsEmpty() ? skin->activedownbuttonrect : skin->downdownbuttonrect;
}

TRect TbsSkinUpDown::ButtonRect(TButton button) const
{
    if (SkinIndex() != -1) return button == ubUp ? upbuttonrect_ : downbuttonrect_;
    const int w = Width(), h = Height();
    if (orientation_ == TbsUpDownOrientation::udVertical)
        return button == ubUp ? Rect(0, 0, w, h / 2) : Rect(0, h / 2, w, h);
    return button == ubUp ? Rect(w / 2, 0, w, h) : Rect(0, 0, w / 2, h);
}

void TbsSkinUpDown::DrawDefaultImage(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawDefaultImage(bitmap);
    TCanvas canvas(bitmap);
    const bool vertical = orientation_ == TbsUpDownOrientation::udVertical;
    for (TButton button : {ubUp, ubDown}) {
        const TbsElementState state = captured_ == button && hot_ == button ? TbsElementState::Pressed
                                      : hot_ == button                      ? TbsElementState::Hot
                                                                            : TbsElementState::Normal;
        const TRect face = ButtonRect(button);
        TRect inside = face;
        DrawDefaultElement(canvas, inside, state);
        const TArrowDirection direction = button == ubUp ? (vertical ? TArrowDirection::Up : TArrowDirection::Right)
                                                         : (vertical ? TArrowDirection::Down : TArrowDirection::Left);
        DrawArrowGlyph(canvas, face, clBlack, direction);
    }
}

void TbsSkinUpDown::DrawSkinImage(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    if (!SkinPicture || hot_ == ubNone) return;
    const bool pressed = captured_ == hot_;
    const TRect& face = hot_ == ubUp ? (pressed ? downupbuttonrect_ : activeupbuttonrect_)
                                     : (pressed ? downdownbuttonrect_ : activedownbuttonrect_);
    if (!face.IsEmpty()) TCanvas(bitmap).CopyRect(ButtonRect(hot_), *SkinPicture, face);
}

void TbsSkinUpDown::HitTest(TPoint p)
{
    TButton found = ubNone;
    for (TButton button : {ubUp, ubDown})
        if (RectContainsPoint(ButtonRect(button), p)) {
            found = button;
            break;
        }
    // While a button is held the other one never lights up.
    if (captured_ != ubNone && found != captured_) found = ubNone;
    SetHot(found);
}

void TbsSkinUpDown::SetHot(TButton button)
{
    if (button == hot_) return;
    const TButton old = hot_;
    hot_ = button;
    // A held button pauses while the pointer is off it and resumes when it comes back.
    if (increment_ != 0 && old != ubNone && old == captured_) timer_->SetEnabled(false);
    if (increment_ != 0 && button != ubNone && button == captured_) StartRepeat(kResumeInterval);
    Invalidate();
}

void TbsSkinUpDown::StartRepeat(unsigned ms)
{
    timer_->SetInterval(ms);
    timer_->SetEnabled(true);
}

void TbsSkinUpDown::Step(TButton button)
{
    const int64_t next = int64_t(position_) + (button == ubUp ? increment_ : -int64_t(increment_));
    if (next >= min_ && next <= max_) SetPosition(int(next));
}

void TbsSkinUpDown::RepeatTick()
{
    if (firstDelay_) {
        firstDelay_ = false;
        StartRepeat(kRepeatInterval);
        return;
    }
    Step(repeating_);
}

void TbsSkinUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    HitTest({x, y});
    if (hot_ != ubNone) {
        captured_ = hot_;
        Invalidate();
        if (increment_ != 0) {
            repeating_ = hot_;
            firstDelay_ = true;
            StartRepeat(kFirstRepeatDelay);
        }
    }
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinUpDown::MouseMove(TShiftState shift, int x, int y)
{
    HitTest({x, y});
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    const TButton released = captured_;
    if (released != ubNone) {
        HitTest({x, y});
        captured_ = ubNone;
        timer_->SetEnabled(false);
        repeating_ = ubNone;
        Invalidate();
        if (hot_ == released) {
            if (increment_ != 0) Step(released);
            const TNotifyEvent& clicked = released == ubUp ? OnUpButtonClick : OnDownButtonClick;
            if (alive && clicked) clicked(this);
        }
    }
    if (alive) TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinUpDown::WndProc(TMessage& m)
{
    if (m.Msg == CM_MOUSELEAVE) SetHot(ubNone);
    TbsSkinCustomControl::WndProc(m);
}

} // namespace tavrik
