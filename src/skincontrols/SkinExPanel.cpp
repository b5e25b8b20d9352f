#include "skincontrols/SkinExPanel.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/Glyphs.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinImageBuilders.h"
#include "skincontrols/PlainLook.h"
#include "skincontrols/SkinPaint.h"
#include "ui/Frame3D.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kClose = TCaptionButtonTracker::kClose;
constexpr int kRoll = TCaptionButtonTracker::kRoll;

TRect Or(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }

} // namespace

TbsSkinExPanel::TbsSkinExPanel(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("expanel");
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetBounds(0, 0, 150, 100);
}

void TbsSkinExPanel::SetDefaultCaptionHeight(int height)
{
    defaultCaptionHeight_ = height;
    if (Skinned()) return;
    Invalidate();
    Realign();
}

void TbsSkinExPanel::SetShowRollButton(bool on)
{
    showRollButton_ = on;
    Invalidate();
}

void TbsSkinExPanel::SetShowCloseButton(bool on)
{
    showCloseButton_ = on;
    Invalidate();
}

void TbsSkinExPanel::SetRollKind(TbsRollKind kind)
{
    rollKind_ = kind;
    Invalidate();
}

int TbsSkinExPanel::RolledSize() const
{
    if (!Skinned()) return defaultCaptionHeight_;
    return rollKind_ == TbsRollKind::rkRollVertical ? skin_.RollVertical.Height() : skin_.RollHorizontal.Width();
}

void TbsSkinExPanel::SetRollState(bool on)
{
    if (on == rollState_) return;
    rollState_ = on;
    rollChanging_ = true;
    auto alive = Guard();
    if (on) {
        for (int i = 0; i < ControlCount(); ++i)
            if (Controls(i)->Visible()) hiddenChildren_.emplace_back(Controls(i));
        for (auto& child : hiddenChildren_)
            if (child) child->Hide();
        ReadSkinObject();
        if (rollKind_ == TbsRollKind::rkRollVertical) SetHeight(height_.RollUp(Height(), RolledSize()));
        else SetWidth(width_.RollUp(Width(), RolledSize()));
    } else {
        // Both saved sizes come back, so changing the kind while rolled loses nothing.
        SetBounds(Left(), Top(), width_.Unroll(Width()), height_.Unroll(Height()));
        std::vector<TComponentRef<TControl>> children;
        children.swap(hiddenChildren_);
        for (auto& child : children)
            if (child) child->Show();
    }
    if (!alive) return;
    rollChanging_ = false;
    Invalidate();
    if (OnChangeRollState) OnChangeRollState(this);
}

void TbsSkinExPanel::SetBounds(int left, int top, int width, int height)
{
    if (rollState_ && !rollChanging_) {
        if (rollKind_ == TbsRollKind::rkRollVertical) height = RolledSize();
        else width = RolledSize();
    }
    TbsSkinCustomControl::SetBounds(left, top, width, height);
}

void TbsSkinExPanel::ApplySkin()
{
    TbsSkinCustomControl::ApplySkin();
    if (!rollState_) Realign();
    else if (rollKind_ == TbsRollKind::rkRollVertical) SetHeight(RolledSize());
    else SetWidth(RolledSize());
}

void TbsSkinExPanel::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    auto* skin = dynamic_cast<const TbsDataSkinExPanelControl*>(SkinControl());
    hasSkin_ = skin != nullptr;
    if (!skin) return;
    TExPanelSkin& s = skin_;
    s.RollHorizontal = skin->rollhskinrect;
    s.RollVertical = skin->rollvskinrect;
    s.RollLeft = skin->rollleftoffset;
    s.RollRight = skin->rollrightoffset;
    s.RollTop = skin->rolltopoffset;
    s.RollBottom = skin->rollbottomoffset;
    s.RollVerticalCaption = skin->rollvcaptionrect;
    s.RollHorizontalCaption = skin->rollhcaptionrect;
    s.Caption = skin->captionrect;
    s.Close = {skin->closebuttonrect, skin->closebuttonactiverect, skin->closebuttondownrect};
    auto family = [](const TRect& normal, const TRect& active, const TRect& down) {
        const TRect hot = Or(active, normal);
        return TButtonImages{normal, hot, Or(down, hot)};
    };
    s.HorizontalRoll = family(skin->hrollbuttonrect, skin->hrollbuttonactiverect, skin->hrollbuttondownrect);
    s.HorizontalRestore = family(skin->hrestorebuttonrect, skin->hrestorebuttonactiverect, skin->hrestorebuttondownrect);
    s.VerticalRoll = family(skin->vrollbuttonrect, skin->vrollbuttonactiverect, skin->vrollbuttondownrect);
    s.VerticalRestore = family(skin->vrestorebuttonrect, skin->vrestorebuttonactiverect, skin->vrestorebuttondownrect);
    s.Font = TbsSkinFontKeys::Of(*skin);
}

void TbsSkinExPanel::AdjustClientRect(TRect& rect) const
{
    if (Skinned()) rect = FittedClientRect;
    else rect = {rect.Left + 1, rect.Top + defaultCaptionHeight_, rect.Right - 1, rect.Bottom - 1};
}

void TbsSkinExPanel::LayOutCaption()
{
    const int w = Width(), h = Height();
    if (!Skinned()) {
        caption_ = RolledAcross() ? PlainExPanelColumn({w, h}, defaultCaptionHeight_, showCloseButton_, showRollButton_)
                                  : PlainExPanelRow({w, h}, defaultCaptionHeight_, showCloseButton_, showRollButton_);
    } else if (RolledAcross()) {
        TRect r = skin_.RollHorizontalCaption;
        r.Bottom += h - skin_.RollHorizontal.Height();
        caption_ = SkinExPanelColumn(r, {showCloseButton_, showRollButton_, {skin_.Close.Normal.Width(), skin_.Close.Normal.Height()},
                                         {skin_.HorizontalRoll.Normal.Width(), skin_.HorizontalRoll.Normal.Height()}});
    } else {
        TRect r = rollState_ ? skin_.RollVerticalCaption : skin_.Caption;
        r.Right += w - (rollState_ ? skin_.RollVertical.Width() : skinrect.Width());
        caption_ = SkinExPanelRow(r, {showCloseButton_, showRollButton_, {skin_.Close.Normal.Width(), skin_.Close.Normal.Height()},
                                      {skin_.VerticalRoll.Normal.Width(), skin_.VerticalRoll.Normal.Height()}});
    }
    buttons_.SetRects(caption_.Close, caption_.Roll);
}

TFontRequest TbsSkinExPanel::CaptionFont()
{
    if (!Skinned()) return DefaultFont().Request();
    TFontRequest font = WithColor(SkinTextFont(skin_.Font), skin_.Font.fontcolor);
    return font;
}

void TbsSkinExPanel::DrawCaptionText(TCanvas& canvas, const TFontRequest& font)
{
    TCanvasStateSaver saver(canvas);
    canvas.Brush().Style = TBrushStyle::bsClear;
    const TRect& r = caption_.Caption;
    if (!RolledAcross()) {
        canvas.SetFont(font);
        DrawTextInRect(canvas, Caption(), r);
        return;
    }
    TFontRequest turned = font;
    turned.Orientation = 900;
    canvas.SetFont(turned);
    // The skin's caption column is often shorter than the plain one: a caption longer than
    // its room ends in an ellipsis instead of being cut off mid-letter at the top.
    const std::string caption = EllipsizeText(canvas, Caption(), r.Height() - 2);
    const TSize text = canvas.TextExtent(caption);
    const int y = std::min(r.Top + r.Height() / 2 + text.cx / 2, r.Bottom - 2);
    canvas.TextRect(r, r.Left + r.Width() / 2 - text.cy / 2, y, caption);
}

void TbsSkinExPanel::DrawCaptionButton(TCanvas& canvas, int button)
{
    const TRect r = button == kClose ? caption_.Close : caption_.Roll;
    if (r.IsEmpty()) return;
    const bool hot = buttons_.Hot(button), pressed = buttons_.Pressed(button);
    if (Skinned() && SkinPicture) {
        const bool vertical = rollKind_ == TbsRollKind::rkRollVertical;
        const TButtonImages& images = button == kClose ? skin_.Close
                                      : vertical      ? (rollState_ ? skin_.VerticalRestore : skin_.VerticalRoll)
                                                      : (rollState_ ? skin_.HorizontalRestore : skin_.HorizontalRoll);
        canvas.CopyRect(r, *SkinPicture, images.For(hot, pressed));
        return;
    }
    DrawPlainFace(canvas, r, hot && pressed ? TPlainFace::Pressed : hot ? TPlainFace::Hot : TPlainFace::FaceOnly);
    TRect glyph = r;
    if (hot && pressed) {
        glyph.Left += 2;
        glyph.Top += 2;
    }
    if (button == kClose) {
        DrawCloseGlyph(canvas, glyph, clBlack);
        return;
    }
    TArrowDirection direction = rollState_ ? TArrowDirection::Down : TArrowDirection::Up;
    if (rollKind_ == TbsRollKind::rkRollHorizontal) direction = rollState_ ? TArrowDirection::Right : TArrowDirection::Left;
    DrawArrowGlyph(canvas, glyph, clBlack, direction);
}

void TbsSkinExPanel::DrawSkinImage(TBitmap& bitmap)
{
    if (!rollState_) {
        TbsSkinCustomControl::DrawSkinImage(bitmap);
    } else if (SkinPicture && rollKind_ == TbsRollKind::rkRollVertical) {
        BuildHSkinImage(*SkinPicture, skin_.RollVertical, skin_.RollLeft, skin_.RollRight, bitmap.Width(), bitmap);
    } else if (SkinPicture) {
        BuildVSkinImage(*SkinPicture, skin_.RollHorizontal, skin_.RollTop, skin_.RollBottom, bitmap.Height(), bitmap);
    }
    LayOutCaption();
    TCanvas canvas(bitmap);
    DrawCaptionText(canvas, CaptionFont());
    DrawCaptionButton(canvas, kClose);
    DrawCaptionButton(canvas, kRoll);
}

void TbsSkinExPanel::DrawDefaultImage(TBitmap& bitmap)
{
    const int w = bitmap.Width(), h = bitmap.Height();
    TCanvas canvas(bitmap);
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect({0, 0, w, h});
    TRect all{0, 0, w, h};
    if (RolledAcross()) {
        Frame3D(canvas, all, clBtnShadow, clBtnShadow, 1);
        Frame3D(canvas, all, clBtnHighlight, clBtnFace, 1);
    } else {
        Frame3D(canvas, all, clBtnShadow, clBtnShadow, 1);
        TRect bar{0, 0, w, defaultCaptionHeight_};
        Frame3D(canvas, bar, clBtnShadow, clBtnShadow, 1);
        Frame3D(canvas, bar, clBtnHighlight, clBtnFace, 1);
    }
    LayOutCaption();
    DrawCaptionText(canvas, CaptionFont());
    DrawCaptionButton(canvas, kClose);
    DrawCaptionButton(canvas, kRoll);
}

void TbsSkinExPanel::Track(const TCaptionButtonTracker::TStep& step)
{
    if (step.Repaint) Invalidate();
}

void TbsSkinExPanel::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CM_MOUSEENTER:
        LayOutCaption();
        Track(buttons_.Enter());
        break;
    case CM_MOUSELEAVE: Track(buttons_.Leave()); break;
    default: break;
    }
    TbsSkinCustomControl::WndProc(m);
}

void TbsSkinExPanel::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    ReadSkinObject();
    LayOutCaption();
    Track(buttons_.Press({x, y}));
    TbsSkinCustomControl::MouseDown(button, shift, x, y);
}

void TbsSkinExPanel::MouseMove(TShiftState shift, int x, int y)
{
    Track(buttons_.Move({x, y}));
    TbsSkinCustomControl::MouseMove(shift, x, y);
}

void TbsSkinExPanel::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    TbsSkinCustomControl::MouseUp(button, shift, x, y);
    if (!alive) return;
    const TCaptionButtonTracker::TStep step = buttons_.Release();
    Track(step);
    if (step.Activated == kClose) {
        Hide();
        if (OnClose) OnClose(this);
    } else if (step.Activated == kRoll) {
        SetRollState(!rollState_);
        if (!alive) return;
        ReadSkinObject();
        LayOutCaption();
        Track(buttons_.Move({x, y}));
        Invalidate();
    }
}

void TbsSkinExPanel::TextChanged()
{
    TbsSkinCustomControl::TextChanged();
    Invalidate();
}

} // namespace tavrik
