#include "skinforms/ActiveSkinObject.h"

#include "gfx/Canvas.h"
#include "skin/DataSkinObject.h"
#include "skin/EffectBmp.h"
#include "skin/SkinPictureSet.h"
#include "skinforms/RevideruDadoZiri.h"

#include <algorithm>

namespace tavrik {

namespace {

// Ten steps of 0.1 must reach 1 exactly, which adding 0.1 in binary does not.
constexpr double kMorphStep = 0.1;
constexpr double kMorphSnap = 1e-6;

} // namespace

TBitmap PictureLook(const TBitmap* picture, const TRect& source, TSize size)
{
    TBitmap look(std::max(size.cx, 0), std::max(size.cy, 0));
    if (picture && !look.Empty()) TCanvas(look).CopyRect({0, 0, size.cx, size.cy}, *picture, source);
    return look;
}

TbsActiveSkinObject::TbsActiveSkinObject(TbsRevideruDadoZiri* parent, const TbsDataSkinObject* data,
                                         const TbsSkinPictureSet* pictures)
    : Parent(parent)
{
    if (!data || !pictures) return;
    IDName = data->IDName;
    hint = data->hint;
    skinrect = data->skinrect;
    activeskinrect = data->activeskinrect;
    skinrectinapicture = data->skinrectinapicture;
    morphing = data->morphing;
    morphkind = data->morphkind;
    MainPicture = &pictures->picture;
    const int index = data->activepictureindex;
    if (index >= 0 && size_t(index) < pictures->activepictures.size()) ActivePicture = &pictures->activepictures[size_t(index)];
    // Without its picture the object has no highlighted look.
    if (!ActivePicture) activeskinrect = {};
    if (activeskinrect.IsEmpty()) morphing = false;
    ObjectRect = skinrect;
}

bool TbsActiveSkinObject::CanMorph() const { return (Active && MorphFactor < 1) || (!Active && MorphFactor > 0); }

bool TbsActiveSkinObject::MorphInProgress() const { return Active ? MorphFactor != 1 : MorphFactor != 0; }

void TbsActiveSkinObject::MorphStep()
{
    double k = MorphFactor + (Active ? kMorphStep : -kMorphStep);
    if (k > 1 - kMorphSnap) k = 1;
    if (k < kMorphSnap) k = 0;
    MorphFactor = k;
    Repaint();
}

void TbsActiveSkinObject::StartMorph()
{
    if (morphing) Parent->StartMorphTimer();
    else Repaint();
}

void TbsActiveSkinObject::Repaint() { Parent->DrawObjectOnWindow(this); }

void TbsActiveSkinObject::CopyLook(TCanvas& canvas, const TBitmap* picture, const TRect& source) const
{
    if (picture) canvas.CopyRect(ObjectRect, *picture, source);
}

void TbsActiveSkinObject::DrawMorph(TCanvas& canvas, const TBitmap* normalPicture, const TRect& normal,
                                    const TBitmap* activePicture, const TRect& active) const
{
    const TSize size{ObjectRect.Width(), ObjectRect.Height()};
    TbsEffectBmp a(PictureLook(normalPicture, normal, size));
    TbsEffectBmp b(PictureLook(activePicture, active, size));
    a.Morph(int(morphkind), b, MorphFactor);
    a.Draw(canvas, ObjectRect.Left, ObjectRect.Top);
}

void TbsActiveSkinObject::DrawBase(TCanvas& canvas, bool repaint)
{
    if (morphing && MorphInProgress()) {
        DrawMorph(canvas, NormalPicture(), skinrect, ActivePicture, activeskinrect);
    } else if (!Active || activeskinrect.IsEmpty()) {
        if (repaint || skinrectinapicture) CopyLook(canvas, NormalPicture(), skinrect);
    } else {
        CopyLook(canvas, ActivePicture, activeskinrect);
    }
}

void TbsActiveSkinObject::Draw(TCanvas& canvas, bool repaint) { DrawBase(canvas, repaint); }

void TbsActiveSkinObject::MouseEnter()
{
    MouseIn = Active = true;
    if (!activeskinrect.IsEmpty()) StartMorph();
    Parent->FireMouseEnter(*this);
}

void TbsActiveSkinObject::MouseLeave()
{
    MouseIn = Active = false;
    if (!activeskinrect.IsEmpty()) StartMorph();
    Parent->FireMouseLeave(*this);
}

void TbsActiveSkinObject::MouseDown(int x, int y, TMouseButton button) { Parent->FireMouseDown(*this, x, y, button); }

void TbsActiveSkinObject::MouseUp(int x, int y, TMouseButton button)
{
    if (MouseIn) Parent->FireMouseUp(*this, x, y, button);
}

void TbsActiveSkinObject::MouseMove(int x, int y) { Parent->FireMouseMove(*this, x, y); }

} // namespace tavrik
