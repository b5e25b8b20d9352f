#include "skincontrols/SkinTrackBar.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/SkinDrawing.h"
#include "skincontrols/PlainLook.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <cstdint>

namespace tavrik {

TbsSkinTrackBar::TbsSkinTrackBar(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("htrackbar");
    SetControlStyle(ControlStyle() | csOpaque);
    SetTabStop(false);
    SetBounds(0, 0, 100, 20);
}

void TbsSkinTrackBar::SetMinValue(int value)
{
    range_.Min = value;
    range_.Value = range_.Clamp(range_.Value);
    Invalidate();
}

void TbsSkinTrackBar::SetMaxValue(int value)
{
    range_.Max = value;
    range_.Value = range_.Clamp(range_.Value);
    Invalidate();
}

void TbsSkinTrackBar::SetValue(int value)
{
    value = range_.Clamp(value);
    if (value == range_.Value) return;
    range_.Value = value;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TbsSkinTrackBar::SetVertical(bool on)
{
    if (on == vertical_) return;
    vertical_ = on;
    SetSkinDataName(on ? "trackbar" : "htrackbar");
    if ((Width() > Height()) == on) SetBounds(Left(), Top(), Height(), Width());
    const int defaultWidth = DefaultWidth(), defaultHeight = DefaultHeight();
    SetDefaultWidth(on ? defaultHeight : 0);
    SetDefaultHeight(on ? 0 : defaultWidth);
    Invalidate();
}

void TbsSkinTrackBar::SetCanFocused(bool on)
{
    canFocused_ = on;
    SetTabStop(on);
}

bool TbsSkinTrackBar::ShownVertical() const { return SkinIndex() != -1 ? skinVertical_ : vertical_; }

bool TbsSkinTrackBar::ShowsActiveThumb() const { return dragging_ || (canFocused_ && Focused()); }

void TbsSkinTrackBar::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    filledskinrect_ = {};
    if (auto* skin = dynamic_cast<const TbsDataSkinTrackBarControl*>(SkinControl())) {
        trackarea_ = skin->trackarea;
        buttonrect_ = skin->buttonrect;
        activebuttonrect_ = skin->activebuttonrect.IsEmpty() ? skin->buttonrect : skin->activebuttonrect;
        skinVertical_ = skin->vertical;
        // Built like the normal picture, it must be cut like it: another size shows nothing.
        const TRect& filled = skin->filledskinrect;
        const bool sameSize = filled.Width() == skinrect.Width() && filled.Height() == skinrect.Height();
        filledskinrect_ = sameSize && !filled.IsEmpty() ? filled : TRect{};
    }
}

void TbsSkinTrackBar::FitSizeToSkin(int& width, int& height)
{
    TbsSkinCustomControl::FitSizeToSkin(width, height);
    FittedTrackArea = trackarea_;
    if (StretchMode > 0) {
        if (skinVertical_) FittedTrackArea.Bottom += height - skinrect.Height();
        else FittedTrackArea.Right += width - skinrect.Width();
    }
}

void TbsSkinTrackBar::PlaceThumbNow()
{
    const bool vertical = ShownVertical();
    if (SkinIndex() != -1)
        thumb_ = PlaceThumb(FittedTrackArea, {buttonrect_.Width(), buttonrect_.Height()}, vertical, range_);
    else
        thumb_ = PlaceThumb(PlainTrack({Width(), Height()}), PlainThumbSize({Width(), Height()}, vertical), vertical, range_);
}

void TbsSkinTrackBar::DrawSkinImage(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    PlaceThumbNow();
    if (!SkinPicture) return;
    DrawFilledPart(bitmap);
    TCanvas canvas(bitmap);
    canvas.CopyRect(thumb_.Thumb, *SkinPicture, ShowsActiveThumb() ? activebuttonrect_ : buttonrect_);
}

// The filled picture is built at the bar's size as the normal one is, and replaces it up to
// the thumb's centre. A disabled bar shows none: the skin has no disabled picture, and an
// accent fill would make it look as live as an enabled one.
void TbsSkinTrackBar::DrawFilledPart(TBitmap& bitmap)
{
    if (filledskinrect_.IsEmpty() || StretchMode == smNoGeometry || !Enabled()) return;
    TBitmap filled(bitmap.Width(), bitmap.Height());
    DrawSkinImageFrom(filledskinrect_, filled);
    const TRect part = FilledPart(thumb_, {bitmap.Width(), bitmap.Height()}, ShownVertical());
    TCanvas(bitmap).CopyRect(part, filled, part);
}

void TbsSkinTrackBar::DrawDefaultImage(TBitmap& bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    TCanvas canvas(bitmap);
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect({0, 0, w, h});
    DrawFrame3D(canvas, {0, 0, w, h}, clBtnShadow, clBtnShadow);
    const TRect groove = ShownVertical() ? TRect{w / 2 - 1, 4, w / 2 + 1, h - 4} : TRect{4, h / 2 - 1, w - 4, h / 2 + 1};
    DrawFrame3D(canvas, groove, clBtnShadow, clBtnHighlight);
    PlaceThumbNow();
    const TPlainFace face = dragging_ ? TPlainFace::Pressed : (canFocused_ && Focused()) ? TPlainFace::Hot : TPlainFace::Normal;
    DrawPlainFace(canvas, thumb_.Thumb, face);
}

void TbsSkinTrackBar::SetValueFromOffset(int offset) { SetValue(ValueFromOffset(offset, thumb_.TrackEnd - thumb_.TrackStart, range_)); }

void TbsSkinTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && canFocused_ && !Focused()) {
        SetFocus();
        if (!Focused()) return;
    }
    auto alive = Guard();
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
    if (!alive || !mouseSupport_) return;
    ReadSkinObject();
    PlaceThumbNow();
    TRect grip = thumb_.Thumb;
    grip.Right += 1;
    grip.Bottom += 1;
    if (!grip.Contains(TPoint{x, y})) return;
    grabbedAt_ = {x, y};
    grabbedOffset_ = thumb_.Offset;
    dragging_ = true;
    Invalidate();
}

void TbsSkinTrackBar::MouseMove(TShiftState shift, int x, int y)
{
    if (dragging_) {
        auto alive = Guard();
        SetValueFromOffset(DragOffset({x, y}, grabbedAt_, grabbedOffset_, ShownVertical()));
        if (!alive) return;
    }
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (!alive || !mouseSupport_) return;
    if (dragging_) {
        dragging_ = false;
        Invalidate();
    } else if (jumpWhenClick_) {
        ReadSkinObject();
        PlaceThumbNow();
        SetValueFromOffset(JumpOffset({x, y}, thumb_, ShownVertical()));
    }
}

void TbsSkinTrackBar::KeyDown(uint16_t& key, TShiftState shift)
{
    auto alive = Guard();
    TbsSkinCustomControl::KeyDown(key, shift);
    if (!alive || !canFocused_) return;
    if (key == VK_LEFT || key == VK_DOWN) Nudge(-1);
    else if (key == VK_RIGHT || key == VK_UP) Nudge(1);
}

void TbsSkinTrackBar::Nudge(int step)
{
    const int64_t value = int64_t(range_.Value) + step;
    SetValue(int(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)));
}

void TbsSkinTrackBar::Wheel(int delta)
{
    if (!canFocused_ || !Focused() || delta == 0) return;
    const bool forward = delta > 0;
    Nudge(forward == ShownVertical() ? 1 : -1);
}

void TbsSkinTrackBar::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDBLCLK: m.Msg = WM_LBUTTONDOWN; break;
    case WM_GETDLGCODE: m.Result = canFocused_ ? DLGC_WANTARROWS : 0; return;
    case WM_MOUSEWHEEL: Wheel(GET_WHEEL_DELTA_WPARAM(m.WParam)); return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (canFocused_) Invalidate();
        break;
    default: break;
    }
    TbsSkinCustomControl::WndProc(m);
}

} // namespace tavrik
