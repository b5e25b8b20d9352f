#include "skinforms/SkinCaptionObject.h"

#include "gfx/Canvas.h"
#include "skin/DataSkinObject.h"
#include "skin/EffectBmp.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinImageBuilders.h"
#include "skinforms/RevideruDadoZiri.h"

#include <algorithm>

namespace tavrik {

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsRevideruDadoZiri* parent, const TbsDataSkinCaption* data,
                                           const TbsSkinPictureSet* pictures)
    : TbsActiveSkinObject(parent, data, pictures)
{
    if (!data) return;
    fontname = data->fontname;
    fontheight = data->fontheight;
    fontstyle = data->fontstyle;
    fontcolor = data->fontcolor;
    activefontcolor = data->activefontcolor;
    alignment = data->alignment;
    shadow = data->shadow;
    shadowcolor = data->shadowcolor;
    activeshadowcolor = data->activeshadowcolor;
    textrect = data->textrect;
    framerect = data->framerect;
    activeframerect = data->activeframerect;
    frametextrect = data->frametextrect;
    frameleftoffset = data->frameleftoffset;
    framerightoffset = data->framerightoffset;
}

TRect TbsSkinCaptionObject::TextRect() const
{
    TRect t = textrect;
    if (!t.IsEmpty()) t.Right += ObjectRect.Width() - skinrect.Width();
    if (!framerect.IsEmpty()) {
        t.Left += frametextrect.Left;
        t.Top += frametextrect.Top;
        t.Right += frametextrect.Right - framerect.Width();
    }
    return t;
}

void TbsSkinCaptionObject::SetCaptionFont(TCanvas& canvas, bool active) const
{
    TFontRequest font;
    font.Name = fontname;
    font.Height = fontheight;
    font.Style = fontstyle;
    font.Color = active ? activefontcolor : fontcolor;
    canvas.SetFont(font);
}

void TbsSkinCaptionObject::DrawCaptionText(TCanvas& canvas, int ox, int oy, bool active) const
{
    const std::string caption = Parent->FormCaption();
    if (caption.empty() || textrect.IsEmpty()) return;
    TCanvasStateSaver saver(canvas);
    SetCaptionFont(canvas, active);
    const TRect t = TextRect();
    const std::string text = EllipsizeText(canvas, caption, t.Width());
    const int textWidth = canvas.TextWidth(text);
    int y = t.Top + t.Height() / 2 - canvas.TextHeight(text) / 2;
    int x = t.Left + t.Width() / 2 - textWidth / 2;
    if (alignment == TbsAlignment::taLeftJustify) x = t.Left;
    else if (alignment == TbsAlignment::taRightJustify) x = t.Right - textWidth;
    x += ox;
    y += oy;
    if (!framerect.IsEmpty() && ActivePicture) {
        const TRect& frame = active && !activeframerect.IsEmpty() ? activeframerect : framerect;
        TBitmap plate;
        BuildHSkinImage(*ActivePicture, frame, frameleftoffset, framerightoffset,
                        framerect.Width() + textWidth - frametextrect.Width(), plate);
        canvas.Draw(x - frametextrect.Left, y - frametextrect.Top, plate);
    }
    canvas.Brush().Style = TBrushStyle::bsClear;
    if (shadow) {
        const TColor color = canvas.Font().Color;
        canvas.Font().Color = active ? activeshadowcolor : shadowcolor;
        canvas.TextOut(x + 1, y + 1, text);
        canvas.Font().Color = color;
    }
    canvas.TextOut(x, y, text);
}

TBitmap TbsSkinCaptionObject::BuildCaptionImage(const TBitmap* picture, const TRect& source) const
{
    const int w = ObjectRect.Width();
    const int h = ObjectRect.Height();
    TBitmap image(std::max(w, 0), std::max(h, 0));
    if (!picture || image.Empty()) return image;
    TCanvas c(image);
    const int a = std::max(Parent->FrameLeftTop().x - skinrect.Left, 0);
    const int b = std::max(skinrect.Right - Parent->FrameRightTop().x, 0);
    if (a == 0 && b == 0) {
        c.CopyRect({0, 0, w, h}, *picture, source);
        return image;
    }
    const TRect middle{source.Left + a, source.Top, source.Right - b, source.Bottom};
    // A caption whose middle has no width cannot be tiled; its caps still show.
    if (middle.Width() > 0) {
        for (int x = 0; x < w; x += middle.Width()) {
            const int n = std::min(middle.Width(), w - x);
            c.CopyRect({x, 0, x + n, h}, *picture, {middle.Left, middle.Top, middle.Left + n, middle.Bottom});
        }
    }
    c.CopyRect({0, 0, a, h}, *picture, {source.Left, source.Top, source.Left + a, source.Bottom});
    c.CopyRect({w - b, 0, w, h}, *picture, {source.Right - b, source.Top, source.Right, source.Bottom});
    return image;
}

TBitmap TbsSkinCaptionObject::CaptionImage(bool active) const
{
    TBitmap image = active ? BuildCaptionImage(ActivePicture, activeskinrect) : BuildCaptionImage(MainPicture, skinrect);
    TCanvas c(image);
    DrawCaptionText(c, 0, 0, active);
    return image;
}

bool TbsSkinCaptionObject::RendersInactiveLook() const { return Parent->RendersInactiveLook() && !Active; }

void TbsSkinCaptionObject::Draw(TCanvas& canvas, bool repaint)
{
    (void)repaint;
    if (morphing && MorphInProgress()) {
        TbsEffectBmp normal(CaptionImage(false));
        normal.Morph(int(morphkind), TbsEffectBmp(CaptionImage(true)), MorphFactor);
        if (RendersInactiveLook()) normal.ApplyInactiveEffect(Parent->InactiveEffect());
        normal.Draw(canvas, ObjectRect.Left, ObjectRect.Top);
    } else if (activeskinrect.IsEmpty() || (!Active && !morphing)) {
        DrawCaptionText(canvas, ObjectRect.Left, ObjectRect.Top, Active);
    } else if (Active) {
        canvas.Draw(ObjectRect.Left, ObjectRect.Top, CaptionImage(true));
    } else {
        TbsEffectBmp normal(CaptionImage(false));
        if (RendersInactiveLook()) normal.ApplyInactiveEffect(Parent->InactiveEffect());
        normal.Draw(canvas, ObjectRect.Left, ObjectRect.Top);
    }
}

void TbsSkinCaptionObject::MouseEnter()
{
    MouseIn = true;
    Parent->FireMouseEnter(*this);
}

void TbsSkinCaptionObject::MouseLeave()
{
    MouseIn = false;
    Parent->FireMouseLeave(*this);
}

void TbsSkinCaptionObject::MouseUp(int x, int y, TMouseButton button) { Parent->FireMouseUp(*this, x, y, button); }

} // namespace tavrik
