#include "skincontrols/SkinScrollBar.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinListControls.h"
#include "skin/Glyphs.h"
#include "skin/SkinImageBuilders.h"
#include "skincontrols/DefaultLook.h"
#include "ui/Timer.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <utility>

namespace tavrik {

namespace {

constexpr unsigned kFirstRepeatDelay = 500;
constexpr unsigned kRepeatInterval = 50;

// An empty rectangle of a state's image falls back to the one of the quieter state.
TRect Or(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }

} // namespace

TbsSkinScrollBar::TbsSkinScrollBar(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("hscrollbar");
    SetTabStop(false);
    SetBounds(0, 0, 200, 19);
    SetDefaultHeight(19);
    timer_ = new TTimer(this);
    timer_->SetEnabled(false);
    timer_->OnTimer = [this](TComponent*) { RepeatTick(); };
}

void TbsSkinScrollBar::SetKind(TbsScrollBarKind kind)
{
    if (kind == kind_) return;
    kind_ = kind;
    Invalidate();
}

void TbsSkinScrollBar::SetMin(int value)
{
    range_.Min = value;
    range_.Position = std::max(range_.Position, value);
    Invalidate();
}

void TbsSkinScrollBar::SetMax(int value)
{
    range_.Max = value;
    if (range_.PageSize != 0) {
        if (int64_t(value) - range_.Min < int64_t(range_.PageSize) + range_.Position)
            range_.Position = int(std::max<int64_t>(int64_t(value) - range_.Min - range_.PageSize + 1, range_.Min));
    } else if (value < range_.Position) {
        range_.Position = std::max(value, range_.Min);
    }
    Invalidate();
}

void TbsSkinScrollBar::SetPosition(int value)
{
    value = range_.Clamp(value);
    if (value == range_.Position) return;
    range_.Position = value;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TbsSkinScrollBar::SetPageSize(int value)
{
    if (int64_t(range_.Max) - range_.Min + 1 >= int64_t(value) + range_.Position && value >= 0) range_.PageSize = value;
    Invalidate();
}

void TbsSkinScrollBar::SetRange(int min, int max, int pageSize, int position)
{
    range_.Min = min;
    range_.Max = max;
    range_.PageSize = std::max(pageSize, 0);
    range_.Position = range_.Clamp(position);
    Invalidate();
}

void TbsSkinScrollBar::SetSmallChange(int value)
{
    smallChange_ = value;
    Invalidate();
}

void TbsSkinScrollBar::SetLargeChange(int value)
{
    largeChange_ = value;
    Invalidate();
}

void TbsSkinScrollBar::SetBoth(bool on)
{
    if (on == both_) return;
    both_ = on;
    if (on) {
        nameBeforeBoth_ = SkinDataName();
        SetSkinDataName(bothSkinDataName_);
    } else {
        SetSkinDataName(nameBeforeBoth_);
    }
    if (SkinIndex() == -1) Invalidate();
    else ApplySkin();
}

void TbsSkinScrollBar::SetBothMarkerWidth(int width)
{
    if (width < 0) return;
    bothMarkerWidth_ = width;
    if (SkinIndex() == -1) Invalidate();
}

void TbsSkinScrollBar::SetCanFocused(bool on)
{
    canFocused_ = on;
    SetTabStop(on);
}

void TbsSkinScrollBar::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    auto* skin = dynamic_cast<const TbsDataSkinScrollBarControl*>(SkinControl());
    if (!skin) return;
    trackarea_ = skin->trackarea;
    upbuttonrect_ = skin->upbuttonrect;
    activeupbuttonrect_ = skin->activeupbuttonrect;
    downupbuttonrect_ = Or(skin->downupbuttonrect, skin->activeupbuttonrect);
    downbuttonrect_ = skin->downbuttonrect;
    activedownbuttonrect_ = skin->activedownbuttonrect;
    downdownbuttonrect_ = Or(skin->downdownbuttonrect, skin->activedownbuttonrect);
    thumbrect_ = skin->thumbrect;
    activethumbrect_ = Or(skin->activethumbrect, skin->thumbrect);
    downthumbrect_ = Or(skin->downthumbrect, activethumbrect_);
    thumboffset1_ = skin->thumboffset1;
    thumboffset2_ = skin->thumboffset2;
    glyphrect_ = skin->glyphrect;
    activeglyphrect_ = Or(skin->activeglyphrect, skin->glyphrect);
    downglyphrect_ = Or(skin->downglyphrect, activeglyphrect_);
}

void TbsSkinScrollBar::FitSizeToSkin(int& width, int& height)
{
    TbsSkinCustomControl::FitSizeToSkin(width, height);
    fittedSize_ = {width, height};
}

TbsScrollBarFrame TbsSkinScrollBar::Frame() const
{
    if (SkinIndex() == -1) return PlainScrollBarFrame({Width(), Height()}, Vertical(), both_ && !Vertical(), bothMarkerWidth_);
    // The parts of the skin's far end move with the control's size; those of its near end stay.
    const int dW = Width() - skinrect.Width(), dH = Height() - skinrect.Height();
    auto follow = [&](TRect r) {
        if (Vertical() ? r.Top >= leftbottompoint.y : r.Left >= righttoppoint.x)
            r = Vertical() ? r.Offset(0, dH) : r.Offset(dW, 0);
        return r;
    };
    TbsScrollBarFrame frame{follow(upbuttonrect_), follow(downbuttonrect_), trackarea_, {thumbrect_.Width(), thumbrect_.Height()}, true};
    if (Vertical()) frame.Track.Bottom += dH;
    else frame.Track.Right += dW;
    return frame;
}

TbsScrollBarLayout TbsSkinScrollBar::Layout() { return LayoutSkinScrollBar(Frame(), Vertical(), range_); }

void TbsSkinScrollBar::DrawDefaultImage(TBitmap& bitmap)
{
    TCanvas canvas(bitmap);
    canvas.Brush().Color = clBtnFace;
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    const TbsScrollBarLayout layout = Layout();
    auto arrowState = [this](TbsScrollPart part) {
        if (Pressed(part) && hotPart_ == part) return TbsElementState::Pressed;
        return hotPart_ == part ? TbsElementState::Hot : TbsElementState::Normal;
    };
    const std::pair<TbsScrollPart, TArrowDirection> arrows[] = {
        {bspIncrease, Vertical() ? TArrowDirection::Down : TArrowDirection::Right},
        {bspDecrease, Vertical() ? TArrowDirection::Up : TArrowDirection::Left}};
    for (auto [part, direction] : arrows) {
        TRect r = layout.Parts[part];
        DrawDefaultElement(canvas, r, arrowState(part));
        DrawArrowGlyph(canvas, layout.Parts[part], clBlack, direction);
    }
    if (!Enabled()) return;
    TRect thumb = layout.Thumb();
    const TbsElementState state = dragging_ || (canFocused_ && Focused()) ? TbsElementState::Pressed
                                  : hotPart_ == bspThumb                   ? TbsElementState::Hot
                                                                          : TbsElementState::Normal;
    DrawDefaultElement(canvas, thumb, state);
}

void TbsSkinScrollBar::DrawSkinImage(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    if (!SkinPicture) return;
    TCanvas canvas(bitmap);
    const TbsScrollBarLayout layout = Layout();
    const std::pair<TbsScrollPart, std::pair<TRect, TRect>> overlays[] = {
        {bspIncrease, {activeupbuttonrect_, downupbuttonrect_}}, {bspDecrease, {activedownbuttonrect_, downdownbuttonrect_}}};
    for (const auto& [part, faces] : overlays) {
        if (hotPart_ != part) continue;
        const TRect& face = Pressed(part) ? faces.second : faces.first;
        if (!face.IsEmpty()) canvas.CopyRect(layout.Parts[part], *SkinPicture, face);
    }
    if (Enabled()) DrawThumb(canvas, layout.Thumb());
}

void TbsSkinScrollBar::DrawThumb(TCanvas& canvas, const TRect& thumb)
{
    if (thumb.IsEmpty() || thumbrect_.IsEmpty()) return;
    const bool down = dragging_ || (canFocused_ && Focused());
    const TRect& source = down ? downthumbrect_ : hotPart_ == bspThumb ? activethumbrect_ : thumbrect_;
    const TRect& glyph = down ? downglyphrect_ : hotPart_ == bspThumb ? activeglyphrect_ : glyphrect_;
    TBitmap image(thumb.Width(), thumb.Height());
    if (range_.PageSize != 0 && Vertical())
        BuildVSkinImage(*SkinPicture, source, thumboffset1_, thumboffset2_, thumb.Height(), image);
    else if (range_.PageSize != 0)
        BuildHSkinImage(*SkinPicture, source, thumboffset1_, thumboffset2_, thumb.Width(), image);
    else
        TCanvas(image).CopyRect(Rect(0, 0, thumb.Width(), thumb.Height()), *SkinPicture, source);
    if (!glyph.IsEmpty()) {
        const int left = thumb.Width() / 2 - glyph.Width() / 2, top = thumb.Height() / 2 - glyph.Height() / 2;
        TCanvas(image).CopyRect(Bounds(left, top, glyph.Width(), glyph.Height()), *SkinPicture, glyph);
    }
    canvas.Draw(thumb.Left, thumb.Top, image);
}

TbsScrollPart TbsSkinScrollBar::HitTest(TPoint p)
{
    TbsScrollPart part = Layout().PartAt(p);
    // While a part is held, no other part lights up.
    if (capturedPart_ != bspNone && part != capturedPart_) part = bspNone;
    SetHot(part);
    return part;
}

void TbsSkinScrollBar::SetHot(TbsScrollPart part)
{
    if (part == hotPart_) return;
    const TbsScrollPart old = hotPart_;
    hotPart_ = part;
    // A held arrow pauses while the pointer is off it and goes on when it comes back.
    const bool heldArrow = repeat_ == rpIncrease || repeat_ == rpDecrease;
    if (old != bspNone && Pressed(old) && heldArrow) StopRepeat();
    if (part != bspNone && Pressed(part) && heldArrow) StartRepeat(kRepeatInterval);
    Invalidate();
}

void TbsSkinScrollBar::StartRepeat(unsigned ms)
{
    timer_->SetInterval(ms);
    timer_->SetEnabled(true);
}

void TbsSkinScrollBar::StopRepeat() { timer_->SetEnabled(false); }

bool TbsSkinScrollBar::Step(TRepeat what)
{
    auto alive = Guard();
    switch (what) {
    case rpIncrease:
        if (OnUpButtonClick) OnUpButtonClick(this);
        else SetPosition(range_.Clamp(int64_t(range_.Position) + smallChange_));
        break;
    case rpDecrease:
        if (OnDownButtonClick) OnDownButtonClick(this);
        else SetPosition(range_.Clamp(int64_t(range_.Position) - smallChange_));
        break;
    case rpPageBack:
        SetPosition(range_.Clamp(int64_t(range_.Position) - largeChange_));
        if (alive && OnPageUp) OnPageUp(this);
        break;
    case rpPageOn:
        SetPosition(range_.Clamp(int64_t(range_.Position) + largeChange_));
        if (alive && OnPageDown) OnPageDown(this);
        break;
    case rpNone: break;
    }
    return bool(alive);
}

void TbsSkinScrollBar::RepeatTick()
{
    if (firstDelay_) {
        firstDelay_ = false;
        StartRepeat(kRepeatInterval);
        return;
    }
    if (repeat_ == rpPageBack || repeat_ == rpPageOn) {
        // Paging stops once the thumb has reached the pointer.
        HitTest(lastPointer_);
        const TbsScrollBarLayout layout = Layout();
        const bool goOn = repeat_ == rpPageBack ? layout.BeforeThumb(lastPointer_, Vertical())
                                                : layout.AfterThumb(lastPointer_, Vertical());
        if (!goOn) {
            StopRepeat();
            repeat_ = rpNone;
            return;
        }
    }
    Step(repeat_);
}

void TbsSkinScrollBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && canFocused_ && !Focused()) {
        SetFocus();
        if (!Focused()) return;
    }
    auto alive = Guard();
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (!alive || button != TMouseButton::Left) return;
    ReadSkinObject();
    const TPoint p{x, y};
    lastPointer_ = p;
    repeat_ = rpNone;
    firstDelay_ = true;
    const TbsScrollBarLayout layout = Layout();
    const TbsScrollPart part = layout.PartAt(p);
    if (part != bspNone) {
        capturedPart_ = part;
        hotPart_ = part;
        Invalidate();
    }
    if (part == bspThumb) {
        grabbedAt_ = Vertical() ? y : x;
        grabbedOffset_ = layout.Offset;
        dragging_ = true;
        return;
    }
    TRepeat what = rpNone;
    if (part == bspIncrease) what = rpIncrease;
    else if (part == bspDecrease) what = rpDecrease;
    else if (layout.Track.Contains(p)) what = layout.BeforeThumb(p, Vertical()) ? rpPageBack : rpPageOn;
    if (what == rpNone) return;
    repeat_ = what;
    if (!Step(what)) return;
    StartRepeat(kFirstRepeatDelay);
}

void TbsSkinScrollBar::MouseMove(TShiftState shift, int x, int y)
{
    auto alive = Guard();
    lastPointer_ = {x, y};
    HitTest(lastPointer_);
    if (dragging_) {
        const TbsScrollBarLayout layout = Layout();
        const int along = Vertical() ? y : x;
        SetPosition(ScrollPositionAt(grabbedOffset_ + along - grabbedAt_, layout, range_));
        if (!alive) return;
    }
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinScrollBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (!alive || button != TMouseButton::Left) return;
    StopRepeat();
    repeat_ = rpNone;
    const bool releasedThumb = dragging_;
    dragging_ = false;
    if (capturedPart_ != bspNone) {
        capturedPart_ = bspNone;
        Invalidate();
    }
    if (releasedThumb && OnLastChange) OnLastChange(this);
}

void TbsSkinScrollBar::KeyDown(uint16_t& key, TShiftState shift)
{
    auto alive = Guard();
    TbsSkinCustomControl::KeyDown(key, shift);
    if (!alive || !canFocused_) return;
    if (key == VK_LEFT || key == VK_UP) SetPosition(range_.Clamp(int64_t(range_.Position) - smallChange_));
    else if (key == VK_RIGHT || key == VK_DOWN) SetPosition(range_.Clamp(int64_t(range_.Position) + smallChange_));
}

void TbsSkinScrollBar::Wheel(int delta)
{
    if (!canFocused_ || !Focused() || delta == 0) return;
    const int64_t step = delta > 0 ? -int64_t(smallChange_) : smallChange_;
    SetPosition(range_.Clamp(range_.Position + step));
}

void TbsSkinScrollBar::EnabledChanged()
{
    TbsSkinCustomControl::EnabledChanged();
    // A disabled bar hears no pointer: nothing of it may stay lit or keep repeating.
    if (!Enabled()) {
        StopRepeat();
        repeat_ = rpNone;
        capturedPart_ = bspNone;
        dragging_ = false;
        hotPart_ = bspNone;
    }
    Invalidate();
}

void TbsSkinScrollBar::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDBLCLK: m.Msg = WM_LBUTTONDOWN; break;
    case WM_GETDLGCODE: m.Result = canFocused_ ? DLGC_WANTARROWS : 0; return;
    case WM_MOUSEWHEEL: Wheel(GET_WHEEL_DELTA_WPARAM(m.WParam)); return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (canFocused_) Invalidate();
        break;
    case CM_MOUSELEAVE:
        if (hotPart_ != bspNone && capturedPart_ == bspNone && !dragging_) {
            hotPart_ = bspNone;
            Invalidate();
        }
        if (repeat_ == rpPageOn) StopRepeat();
        break;
    default: break;
    }
    TbsSkinCustomControl::WndProc(m);
}

} // namespace tavrik
