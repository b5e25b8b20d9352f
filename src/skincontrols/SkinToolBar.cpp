#include "skincontrols/SkinToolBar.h"

#include "skincontrols/SkinSpeedButton.h"
#include "ui/ImageList.h"

namespace tavrik {

TbsSkinToolBar::TbsSkinToolBar(TComponent* owner) : TbsSkinPanel(owner)
{
    SetSkinDataName("toolpanel");
    SetBorderStyle(TbsBevelStyle::bvNone);
    SetAlign(TAlign::alTop);
    SetHeight(30);
}

void TbsSkinToolBar::SetList(TImageList*& list, TImageList* images)
{
    if (images == list) return;
    if (list) list->RemoveFreeNotification(this);
    list = images;
    if (list) list->FreeNotification(this);
    RepaintButtons();
}

void TbsSkinToolBar::SetShowCaptions(bool on)
{
    showCaptions_ = on;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* button = dynamic_cast<TbsSkinSpeedButton*>(Controls(i))) button->SetShowCaption(on);
}

const TImageList* TbsSkinToolBar::ImagesFor(bool enabled, bool hot) const
{
    if (!enabled && disabledImages_) return disabledImages_;
    if (enabled && hot && hotImages_) return hotImages_;
    return images_;
}

void TbsSkinToolBar::RepaintButtons()
{
    for (int i = 0; i < ControlCount(); ++i) Controls(i)->Invalidate();
}

void TbsSkinToolBar::Notification(TComponent* component, TOperation operation)
{
    TbsSkinPanel::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    for (TImageList** list : {&images_, &hotImages_, &disabledImages_})
        if (component == *list) {
            *list = nullptr;
            RepaintButtons();
        }
}

} // namespace tavrik
