#include "skincontrols/SkinPanel.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/Glyphs.h"
#include "skin/SkinData.h"
#include "skin/SkinDrawing.h"
#include "skincontrols/ButtonGlyph.h"
#include "skincontrols/SkinPaint.h"
#include "ui/Frame3D.h"

#include <algorithm>

namespace tavrik {

namespace {

// Copies of part tiled over area from its top-left corner, the last row and column cut.
void TileOver(TCanvas& canvas, const TRect& area, const TBitmap& picture, const TRect& part)
{
    if (part.IsEmpty()) return;
    for (int y = area.Top; y < area.Bottom; y += part.Height())
        for (int x = area.Left; x < area.Right; x += part.Width()) {
            const int w = std::min(part.Width(), area.Right - x), h = std::min(part.Height(), area.Bottom - y);
            canvas.CopyRect(Bounds(x, y, w, h), picture, Bounds(part.Left, part.Top, w, h));
        }
}

} // namespace

TbsSkinPanel::TbsSkinPanel(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("panel");
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetBounds(0, 0, 150, 150);
}

bool TbsSkinPanel::Skinned() const { return SkinIndex() != -1; }

void TbsSkinPanel::SetBorderStyle(TbsBevelStyle style)
{
    borderStyle_ = style;
    if (Skinned()) return;
    Invalidate();
    Realign();
}

void TbsSkinPanel::SetCaptionMode(bool on)
{
    captionMode_ = on;
    Invalidate();
    Realign();
}

void TbsSkinPanel::SetDefaultCaptionHeight(int height)
{
    defaultCaptionHeight_ = height;
    if (Skinned() || !captionMode_) return;
    Invalidate();
    Realign();
}

void TbsSkinPanel::SetDefaultAlignment(TAlignment alignment)
{
    defaultAlignment_ = alignment;
    if (!Skinned() && captionMode_) Invalidate();
}

void TbsSkinPanel::SetGlyph(const TBitmap& glyph)
{
    glyph_ = glyph;
    Invalidate();
}

void TbsSkinPanel::SetNumGlyphs(int count)
{
    numGlyphs_ = std::clamp(count, 1, 2);
    Invalidate();
}

void TbsSkinPanel::SetSpacing(int spacing)
{
    spacing_ = spacing;
    Invalidate();
}

void TbsSkinPanel::SetCheckedMode(bool on)
{
    checkedMode_ = on;
    Invalidate();
}

void TbsSkinPanel::SetChecked(bool on)
{
    checked_ = on;
    if (checkedMode_) Invalidate();
    if (autoEnabledControls_ && checkedMode_)
        for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(on);
    if (OnChecked) OnChecked(this);
}

void TbsSkinPanel::SetRollUpMode(bool on)
{
    rollUpMode_ = on;
    if (!Skinned() && captionMode_) Invalidate();
}

int TbsSkinPanel::RolledHeight() const
{
    return RolledPanelHeight(Skinned(), defaultCaptionHeight_, Height(), FittedClientRect);
}

void TbsSkinPanel::HideChildren()
{
    if (hasHiddenChildren_) return;
    hasHiddenChildren_ = true;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (!child->Visible()) continue;
        hiddenChildren_.emplace_back(child);
    }
    for (auto& child : hiddenChildren_)
        if (child) child->Hide();
}

void TbsSkinPanel::ShowChildren()
{
    std::vector<TComponentRef<TControl>> children;
    children.swap(hiddenChildren_);
    hasHiddenChildren_ = false;
    for (auto& child : children)
        if (child) child->Show();
}

void TbsSkinPanel::SetRollUpState(bool on)
{
    if (on == rollUpState_ || (on && !rollUpMode_)) return;
    rollUpState_ = on;
    if (on) {
        ReadSkinObject();
        const int rolled = RolledHeight();
        const int height = roll_.RollUp(Height(), rolled);
        HideChildren();
        SetHeight(height);
    } else if (roll_.Rolled()) {
        SetHeight(roll_.Unroll(Height()));
        ShowChildren();
    }
}

void TbsSkinPanel::ApplySkin()
{
    TbsSkinCustomControl::ApplySkin();
    if (roll_.Rolled()) SetHeight(RolledHeight());
    else Realign();
}

void TbsSkinPanel::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    auto* skin = dynamic_cast<const TbsDataSkinPanelControl*>(SkinControl());
    if (!skin) {
        bgpictureindex_ = -1;
        return;
    }
    captionrect_ = skin->captionrect;
    alignment_ = skin->alignment;
    font_ = TbsSkinFontKeys::Of(*skin);
    bgpictureindex_ = skin->bgpictureindex;
    checkimagerect_ = skin->checkimagerect;
    uncheckimagerect_ = skin->uncheckimagerect;
}

void TbsSkinPanel::AdjustClientRect(TRect& rect) const
{
    TPanelClientInput in;
    in.Client = rect;
    in.Skinned = Skinned();
    in.BorderStyle = borderStyle_;
    in.CaptionMode = captionMode_;
    in.DefaultCaptionHeight = defaultCaptionHeight_;
    in.FittedClient = FittedClientRect;
    in.HasBackgroundPicture = bgpictureindex_ != -1;
    in.StretchesBothWays = StretchMode == 1;
    rect = PanelChildArea(in);
}

void TbsSkinPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left && captionMode_ && (checkedMode_ || rollUpMode_) &&
        PanelCaptionHit({x, y}, Skinned(), FittedCaptionRect, Width(), defaultCaptionHeight_)) {
        auto alive = Guard();
        if (checkedMode_) SetChecked(!checked_);
        if (!alive) return;
        if (rollUpMode_) SetRollUpState(!rollUpState_);
        if (!alive) return;
    }
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
}

void TbsSkinPanel::TextChanged()
{
    TbsSkinCustomControl::TextChanged();
    if (captionMode_) Invalidate();
}

void TbsSkinPanel::EnabledChanged()
{
    TbsSkinCustomControl::EnabledChanged();
    Invalidate();
}

void TbsSkinPanel::ApplyBounds(int left, int top, int width, int height)
{
    TbsSkinCustomControl::ApplyBounds(left, top, width, height);
    if (!Skinned()) Invalidate();
}

void TbsSkinPanel::Paint()
{
    ReadSkinObject();
    const TbsSkinData* data = SkinData();
    if (Skinned() && data && bgpictureindex_ >= 0 && size_t(bgpictureindex_) < data->activepictures.size()) {
        const TBitmap& picture = data->activepictures[size_t(bgpictureindex_)];
        TileOver(*Canvas(), ClientRect(), picture, {0, 0, picture.Width(), picture.Height()});
        return;
    }
    TbsSkinCustomControl::Paint();
}

int TbsSkinPanel::CaptionWidth(TCanvas& canvas) const
{
    int w = canvas.TextWidth(Caption());
    const TSize cell = GlyphCellSize({glyph_.Width(), glyph_.Height()}, numGlyphs_);
    if (cell.cx > 0) w += cell.cx + spacing_;
    return w;
}

void TbsSkinPanel::DrawGlyphAndCaption(TCanvas& canvas, const TRect& bar, int x)
{
    const TSize cell = GlyphCellSize({glyph_.Width(), glyph_.Height()}, numGlyphs_);
    if (cell.cx > 0) {
        const int k = !Enabled() && numGlyphs_ == 2 ? 2 : 1;
        DrawStripFrame(canvas, x, bar.Top + bar.Height() / 2 - cell.cy / 2, k, numGlyphs_, glyph_);
        x += cell.cx + spacing_;
    }
    canvas.Brush().Style = TBrushStyle::bsClear;
    canvas.TextRect(bar, x, bar.Top + bar.Height() / 2 - canvas.TextHeight(Caption()) / 2, Caption());
}

void TbsSkinPanel::DrawSkinCaption(TCanvas& canvas)
{
    FittedCaptionRect = StretchMode < 1 ? captionrect_ : MapSkinRect(captionrect_);
    if (Caption().empty() || captionrect_.IsEmpty()) return;
    TRect bar = FittedCaptionRect;
    if (rollUpMode_) bar.Right -= 12;
    if (checkedMode_ && SkinPicture) {
        const TRect image = checked_ ? checkimagerect_ : uncheckimagerect_;
        DrawSkinPartTransparent(canvas, {bar.Left, bar.Top + bar.Height() / 2 - image.Height() / 2}, *SkinPicture, image);
        bar.Left += image.Width() + 2;
    }
    TFontRequest font = WithColor(SkinTextFont(font_), font_.fontcolor);
    canvas.SetFont(font);
    const int w = CaptionWidth(canvas);
    int x = bar.Left;
    if (alignment_ == TbsAlignment::taRightJustify) x = bar.Right - w;
    else if (alignment_ == TbsAlignment::taCenter) x = bar.Left + bar.Width() / 2 - w / 2;
    DrawGlyphAndCaption(canvas, bar, x);
    if (rollUpMode_)
        DrawArrowGlyph(canvas, {bar.Right, bar.Top, bar.Right + 10, bar.Bottom}, font_.fontcolor,
                       rollUpState_ ? TArrowDirection::Down : TArrowDirection::Up);
}

void TbsSkinPanel::DrawSkinImage(TBitmap& bitmap)
{
    if (borderStyle_ == TbsBevelStyle::bvNone && StretchMode == 1 && !captionMode_) {
        // A frameless panel shows only the skin's client pattern, repeated.
        if (!SkinPicture) return;
        TCanvas canvas(bitmap);
        TileOver(canvas, {0, 0, bitmap.Width(), bitmap.Height()}, *SkinPicture, clientrect.Offset(skinrect.Left, skinrect.Top));
        return;
    }
    TbsSkinCustomControl::DrawSkinImage(bitmap);
    TCanvas canvas(bitmap);
    DrawSkinCaption(canvas);
}

void TbsSkinPanel::DrawPlainCaption(TCanvas& canvas)
{
    const int w = Width();
    TRect bar;
    if (borderStyle_ != TbsBevelStyle::bvFrame) {
        bar = {1, 1, w - 1, defaultCaptionHeight_};
        Frame3D(canvas, bar, clBtnShadow, clBtnHighlight, 1);
        Frame3D(canvas, bar, clBtnHighlight, clBtnShadow, 1);
    } else {
        bar = {0, 0, w, defaultCaptionHeight_};
        Frame3D(canvas, bar, clBtnShadow, clBtnShadow, 1);
        Frame3D(canvas, bar, clBtnHighlight, clBtnFace, 1);
    }
    if (checkedMode_) bar.Left += 20;
    if (rollUpMode_) bar.Right -= 10;
    canvas.SetFont(DefaultFont().Request());
    const int textWidth = CaptionWidth(canvas);
    int x = bar.Left + 2;
    if (defaultAlignment_ == TAlignment::taCenter) x = bar.Left + 2 + bar.Width() / 2 - textWidth / 2;
    else if (defaultAlignment_ == TAlignment::taRightJustify) x = bar.Right - textWidth;
    if (checkedMode_) {
        const TRect box = Bounds(5, bar.Top + bar.Height() / 2 - 7, 14, 14);
        DrawFrame3D(canvas, box, clBtnShadow, clBtnShadow);
        if (checked_) DrawCheckGlyph(canvas, box.Left + 3, box.Top + 2, clBtnText);
    }
    DrawGlyphAndCaption(canvas, bar, x);
    if (rollUpMode_)
        DrawArrowGlyph(canvas, {bar.Right, bar.Top, bar.Right + 10, bar.Bottom}, clBtnText,
                       rollUpState_ ? TArrowDirection::Down : TArrowDirection::Up);
}

void TbsSkinPanel::DrawDefaultImage(TBitmap& bitmap)
{
    const TRect all{0, 0, bitmap.Width(), bitmap.Height()};
    TCanvas canvas(bitmap);
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect(all);
    DrawBevelFrame(canvas, all, borderStyle_);
    if (captionMode_) DrawPlainCaption(canvas);
}

} // namespace tavrik
