#include "skinforms/SkinButtonObject.h"

#include "skin/DataSkinObject.h"
#include "skinforms/RevideruDadoZiri.h"

namespace tavrik {

TbsSkinButtonObject::TbsSkinButtonObject(TbsRevideruDadoZiri* parent, const TbsDataSkinButton* data,
                                         const TbsSkinPictureSet* pictures)
    : TbsActiveSkinObject(parent, data, pictures)
{
    if (!data) return;
    downrect = data->downrect;
    disableskinrsect = data->disableskinrsect;
}

bool TbsSkinButtonObject::CanMorph() const { return TbsActiveSkinObject::CanMorph() && !PopupShown(); }

void TbsSkinButtonObject::DrawButton(TCanvas& canvas, bool repaint)
{
    if (!Enabled && !disableskinrsect.IsEmpty()) CopyLook(canvas, ActivePicture, disableskinrsect);
    else if (Down && !downrect.IsEmpty() && MouseIn) CopyLook(canvas, ActivePicture, downrect);
    else DrawBase(canvas, repaint);
}

void TbsSkinButtonObject::Draw(TCanvas& canvas, bool repaint) { DrawButton(canvas, repaint); }

void TbsSkinButtonObject::SetDown(bool down)
{
    Down = down;
    if (morphing && Active) MorphFactor = 1;
    Repaint();
    if (morphing && !Down) StartMorph();
}

void TbsSkinButtonObject::ShowPopup() { Parent->ShowObjectPopup(*this, PopupItem.Get(), PopupPlacement); }

void TbsSkinButtonObject::MouseEnter()
{
    MouseIn = Active = true;
    if (!downrect.IsEmpty() && Down) {
        if (morphing) MorphFactor = 1;
        Repaint();
    } else if (!activeskinrect.IsEmpty()) {
        StartMorph();
    }
    Parent->FireMouseEnter(*this);
}

void TbsSkinButtonObject::MouseLeave()
{
    MouseIn = Active = false;
    if (!PopupShown()) {
        Repaint();
        StartMorph();
    }
    Parent->FireMouseLeave(*this);
}

void TbsSkinButtonObject::MouseDown(int x, int y, TMouseButton button)
{
    if (Enabled && button == TMouseButton::Left && !Down) {
        SetDown(true);
        ShowPopup();
    }
    TbsActiveSkinObject::MouseDown(x, y, button);
}

void TbsSkinButtonObject::MouseUp(int x, int y, TMouseButton button)
{
    if (Enabled && button == TMouseButton::Left && Down && !PopupItem.Get()) SetDown(false);
    TbsActiveSkinObject::MouseUp(x, y, button);
}

} // namespace tavrik
