#include "skinforms/SkinAnimateObject.h"

#include "skin/DataSkinObject.h"
#include "skinforms/RevideruDadoZiri.h"

#include <algorithm>

namespace tavrik {

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsRevideruDadoZiri* parent, const TbsDataSkinAnimate* data,
                                           const TbsSkinPictureSet* pictures)
    : TbsActiveSkinObject(parent, data, pictures)
{
    morphing = false;
    if (!data) return;
    // A strip without frames would never reach its last frame and keep the timer running.
    countframes = std::max<int>(data->countframes, 1);
    cycle = data->cycle;
    buttonstyle = data->buttonstyle;
    timerinterval = std::max<int>(data->timerinterval, kAnimationTick);
    command = data->command;
}

void TbsSkinAnimateObject::Draw(TCanvas& canvas, bool repaint)
{
    (void)repaint;
    const int w = skinrect.Width();
    const int h = skinrect.Height();
    const int left = activeskinrect.Left + w * (CurrentFrame - 1);
    CopyLook(canvas, ActivePicture, {left, activeskinrect.Top, left + w, activeskinrect.Top + h});
}

void TbsSkinAnimateObject::SetFrame(int frame)
{
    if (Forward && frame > countframes) frame = 1;
    if (!Forward && frame <= 0) frame = countframes;
    CurrentFrame = frame;
    Repaint();
}

void TbsSkinAnimateObject::StepAnimation()
{
    if (Elapsed < timerinterval) {
        Elapsed += kAnimationTick;
        return;
    }
    if (Forward) {
        SetFrame(CurrentFrame + 1);
        if (!cycle && CurrentFrame == countframes) Active = false;
    } else {
        SetFrame(CurrentFrame - 1);
        if (CurrentFrame == 1) Active = false;
    }
    Elapsed = kAnimationTick;
}

void TbsSkinAnimateObject::MouseEnter()
{
    MouseIn = true;
    if (buttonstyle) {
        Active = Forward = true;
        Parent->StartAnimateTimer();
    }
    Parent->FireMouseEnter(*this);
}

void TbsSkinAnimateObject::MouseLeave()
{
    if (!MouseIn) return;
    MouseIn = false;
    if (buttonstyle) {
        Active = true;
        Forward = false;
        Parent->StartAnimateTimer();
    }
    Parent->FireMouseLeave(*this);
}

void TbsSkinAnimateObject::MouseUp(int x, int y, TMouseButton button)
{
    auto alive = Parent->Guard();
    TbsActiveSkinObject::MouseUp(x, y, button);
    if (alive && MouseIn && buttonstyle && button == TMouseButton::Left) ExecuteCommand();
}

void TbsSkinAnimateObject::DblClick()
{
    if (command == SkinCommand::cmSysMenu) Parent->CloseForm();
}

void TbsSkinAnimateObject::ExecuteCommand()
{
    switch (command) {
    case SkinCommand::cmSysMenu:
        PopupItem = Parent->GetSystemMenu();
        Parent->ShowObjectPopup(*this, PopupItem.Get(), PopupPlacement);
        break;
    case SkinCommand::cmDefault:
        if (PopupItem.Get()) Parent->ShowObjectPopup(*this, PopupItem.Get(), PopupPlacement);
        break;
    default: Parent->ExecuteCommand(command); break;
    }
}

} // namespace tavrik
