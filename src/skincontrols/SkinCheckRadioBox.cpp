#include "skincontrols/SkinCheckRadioBox.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/Glyphs.h"
#include "skin/SkinDrawing.h"
#include "skincontrols/DefaultLook.h"
#include "skincontrols/PlainLook.h"
#include "skincontrols/SkinPaint.h"
#include "ui/ImageList.h"
#include "ui/Accelerator.h"
#include "wsys/WinApi.h"

namespace tavrik {

namespace {

// The caption on one line, vertically centred, its accelerator letter underlined.
void DrawCaptionText(TCanvas& canvas, const std::string& caption, const TRect& rect)
{
    TRect r = rect;
    canvas.DrawText(caption, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

TSize CaptionExtent(TCanvas& canvas, const std::string& caption)
{
    TRect r{0, 0, 0, 0};
    canvas.DrawText(caption, r, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
    return {r.Width(), r.Height()};
}

} // namespace

TbsSkinCheckRadioBox::TbsSkinCheckRadioBox(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("checkbox");
    SetControlStyle(ControlStyle() & ~unsigned(csClickEvents | csDoubleClicks | csOpaque));
    SetTabStop(true);
    SetBounds(0, 0, 150, 25);
}

TbsSkinCheckRadioBox::~TbsSkinCheckRadioBox() = default;

void TbsSkinCheckRadioBox::SetChecked(bool on)
{
    const bool became = on && !checked_;
    checked_ = on;
    Invalidate();
    if (on && groupIndex_ != 0 && Parent()) {
        TWinControl* parent = Parent();
        for (int i = 0; i < parent->ControlCount(); ++i) {
            auto* sibling = dynamic_cast<TbsSkinCheckRadioBox*>(parent->Controls(i));
            if (sibling && sibling != this && sibling->groupIndex_ == groupIndex_ && sibling->checked_)
                sibling->SetChecked(false);
        }
    }
    if (OnClick && (!radio_ || became)) OnClick(this);
}

void TbsSkinCheckRadioBox::SetRadio(bool on)
{
    if (on == radio_) return;
    radio_ = on;
    SetSkinDataName(on ? "radiobox" : "checkbox");
    groupIndex_ = on ? 1 : 0;
    Invalidate();
}

void TbsSkinCheckRadioBox::SetFlat(bool on)
{
    if (on == flat_) return;
    flat_ = on;
    morph_.Reset();
    ApplySkin();
}

void TbsSkinCheckRadioBox::SetCanFocused(bool on)
{
    canFocused_ = on;
    SetTabStop(on);
}

void TbsSkinCheckRadioBox::SetImages(TImageList* images)
{
    if (images == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    Invalidate();
}

void TbsSkinCheckRadioBox::SetImageIndex(int index)
{
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Invalidate();
}

void TbsSkinCheckRadioBox::Notification(TComponent* component, TOperation operation)
{
    TbsSkinCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        Invalidate();
    }
}

bool TbsSkinCheckRadioBox::FocusedHere() const { return canFocused_ && Focused(); }

void TbsSkinCheckRadioBox::SetHovered(bool on)
{
    if (on == hovered_) return;
    hovered_ = on;
    RefreshState();
}

void TbsSkinCheckRadioBox::RefreshState()
{
    if (SkinIndex() != -1 && skin_.Morphing && !flat_) morph_.Start();
    else Invalidate();
}

void TbsSkinCheckRadioBox::ToggleCheck()
{
    if (!radio_) SetChecked(!checked_);
    else if (!checked_) SetChecked(true);
}

void TbsSkinCheckRadioBox::DialogChar(TMessage& m)
{
    if (!canFocused_ || !CanFocus() || !IsAccel(char32_t(m.WParam), Caption())) return;
    m.Result = 1;
    SetFocus();
    ToggleCheck();
}

void TbsSkinCheckRadioBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDBLCLK: m.Msg = WM_LBUTTONDOWN; break;
    case CM_DIALOGCHAR: DialogChar(m); return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (!mouseHeld_) SetHovered(m.Msg == CM_MOUSEENTER);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        spaceHeld_ = false;
        if (flat_) Invalidate();
        else RefreshState();
        break;
    case CM_ENABLEDCHANGED:
        morph_.Reset();
        hovered_ = false;
        Invalidate();
        break;
    default: break;
    }
    TbsSkinCustomControl::WndProc(m);
}

void TbsSkinCheckRadioBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && canFocused_ && !Focused()) {
        SetFocus();
        if (!Focused()) return;
    }
    if (button == TMouseButton::Left) mouseHeld_ = true;
    SetHovered(true);
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinCheckRadioBox::MouseMove(TShiftState shift, int x, int y)
{
    // While the mouse is held here the framework reports no leaving: the pointer's place decides.
    if (mouseHeld_) SetHovered(ClientRect().Contains(TPoint{x, y}));
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinCheckRadioBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (!alive || button != TMouseButton::Left || !mouseHeld_) return;
    mouseHeld_ = false;
    if (hovered_) ToggleCheck();
}

void TbsSkinCheckRadioBox::KeyDown(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && canFocused_) spaceHeld_ = true;
    TbsSkinCustomControl::KeyDown(key, shift);
}

void TbsSkinCheckRadioBox::KeyUp(uint16_t& key, TShiftState shift)
{
    if (key == VK_SPACE && spaceHeld_ && FocusedHere()) {
        spaceHeld_ = false;
        auto alive = Guard();
        ToggleCheck();
        if (!alive) return;
    }
    TbsSkinCustomControl::KeyUp(key, shift);
}

void TbsSkinCheckRadioBox::ApplyBounds(int left, int top, int width, int height)
{
    const bool moved = left != Left() || top != Top();
    TbsSkinCustomControl::ApplyBounds(left, top, width, height);
    // What lies under a flat box changed.
    if (moved && flat_) Invalidate();
}

void TbsSkinCheckRadioBox::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    if (auto* skin = dynamic_cast<const TbsDataSkinCheckRadioControl*>(SkinControl())) skin_ = TCheckSkinLook::From(*skin);
    if (flat_) {
        skin_.Morphing = false;
        SkinMask = nullptr;
    }
}

void TbsSkinCheckRadioBox::FitSizeToSkin(int& width, int& height)
{
    if (!flat_) TbsSkinCustomControl::FitSizeToSkin(width, height);
}

void TbsSkinCheckRadioBox::ApplySkin()
{
    morph_.Reset();
    TbsSkinCustomControl::ApplySkin();
}

void TbsSkinCheckRadioBox::Paint()
{
    if (!flat_) {
        TbsSkinCustomControl::Paint();
        return;
    }
    if (Width() <= 0 || Height() <= 0) return;
    ReadSkinObject();
    TBitmap bitmap(Width(), Height());
    PaintFlat(bitmap);
    Canvas()->Draw(0, 0, bitmap);
}

void TbsSkinCheckRadioBox::DrawStateImage(TBitmap& bitmap, const TRect& source, bool active)
{
    DrawSkinImageFrom(source, bitmap);
    if (!SkinPicture) return;
    const TCheckParts parts = PlaceCheckParts(skin_, bitmap.Width() - skinrect.Width());
    TCanvas canvas(bitmap);
    const TRect mark = skin_.Mark(checked_, Enabled(), hovered_);
    DrawSkinPartTransparent(canvas, parts.Mark.TopLeft(), *SkinPicture, mark);
    canvas.SetFont(WithColor(SkinTextFont(skin_.Font), skin_.CaptionColor(Enabled(), active)));
    DrawCaptionText(canvas, Caption(), parts.Text);
}

void TbsSkinCheckRadioBox::DrawSkinImage(TBitmap& bitmap)
{
    if (skin_.Morphing && morph_.InProgress()) {
        TBitmap normal, active;
        DrawStateImage(normal, skin_.Normal, false);
        DrawStateImage(active, skin_.Active, true);
        bitmap = morph_.Compose(normal, active, skin_.MorphKind);
        return;
    }
    const bool active = hovered_ || FocusedHere();
    DrawStateImage(bitmap, active ? skin_.Active : skin_.Normal, active);
}

void TbsSkinCheckRadioBox::DrawPlainBox(TCanvas& canvas, int height)
{
    const TRect box{3, height / 2 - 7, 17, height / 2 + 7};
    const TColor frame = hovered_ ? kDefaultHotFrame : clBtnShadow;
    DrawFrame3D(canvas, box, frame, frame);
    if (!checked_) return;
    const TColor mark = Enabled() ? clBlack : clBtnShadow;
    if (radio_) DrawDotGlyph(canvas, 7, height / 2 - 3, mark);
    else DrawCheckGlyph(canvas, 7, height / 2 - 4, mark);
}

void TbsSkinCheckRadioBox::DrawDefaultImage(TBitmap& bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    TCanvas canvas(bitmap);
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect({0, 0, w, h});
    if (FocusedHere() || hovered_) DrawFrame3D(canvas, {0, 0, w, h}, clBtnShadow, clBtnShadow);
    TFontRequest font = DefaultFont().Request();
    if (!Enabled()) font.Color = clBtnShadow;
    canvas.SetFont(font);
    canvas.Brush().Style = TBrushStyle::bsClear;
    DrawCaptionText(canvas, Caption(), {19, 0, w, h});
    DrawPlainBox(canvas, h);
}

TRect TbsSkinCheckRadioBox::DrawFlatCaption(TCanvas& canvas, int left, TSize box)
{
    canvas.Brush().Style = TBrushStyle::bsClear;
    const bool hasImage = images_ && imageIndex_ >= 0 && imageIndex_ < images_->Count();
    TRect image;
    if (hasImage) {
        image = Bounds(left, box.cy / 2 - images_->Height() / 2, images_->Width(), images_->Height());
        images_->Draw(canvas, image.Left, image.Top, imageIndex_, Enabled());
        left += images_->Width() + 5;
    }
    const TRect caption = FlatCaptionRect(left, CaptionExtent(canvas, Caption()), box);
    DrawCaptionText(canvas, Caption(), caption);
    if (!FocusedHere()) return caption;
    if (Caption().empty() && hasImage) canvas.DrawFocusRect(image.Inflate(1, 1));
    else canvas.DrawFocusRect({caption.Left - 2, caption.Top - 1, caption.Right + 3, caption.Bottom + 1});
    return caption;
}

void TbsSkinCheckRadioBox::PaintFlat(TBitmap& bitmap)
{
    const TSize box{bitmap.Width(), bitmap.Height()};
    TCanvas canvas(bitmap);
    PaintParentImage(canvas);
    if (SkinIndex() == -1 || !SkinPicture) {
        DrawPlainBox(canvas, box.cy);
        TFontRequest font = DefaultFont().Request();
        if (!Enabled()) font.Color = clBtnShadow;
        canvas.SetFont(font);
        DrawFlatCaption(canvas, 22, box);
        return;
    }
    const TRect mark = skin_.Mark(checked_, Enabled(), hovered_);
    DrawSkinPartTransparent(canvas, {3, box.cy / 2 - skin_.Check.Height() / 2}, *SkinPicture, mark);
    canvas.SetFont(WithColor(SkinTextFont(skin_.Font), Enabled() ? skin_.FlatFontColor : skin_.DisabledFontColor));
    DrawFlatCaption(canvas, skin_.Check.Width() + 7, box);
}

} // namespace tavrik
