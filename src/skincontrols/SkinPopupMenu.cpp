#include "skincontrols/SkinPopupMenu.h"

#include "skin/SkinData.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinMenuHost.h"
#include "ui/Form.h"

namespace tavrik {

TbsSkinPopupMenu::TbsSkinPopupMenu(TComponent* owner) : TPopupMenu(owner) {}

TbsSkinPopupMenu::~TbsSkinPopupMenu()
{
    if (skinData_) skinData_->RemoveFreeNotification(this);
}

void TbsSkinPopupMenu::SetSkinData(TbsSkinData* data)
{
    if (data == skinData_) return;
    if (skinData_) skinData_->RemoveFreeNotification(this);
    skinData_ = data;
    if (data) data->FreeNotification(this);
}

TForm* TbsSkinPopupMenu::PopupForm() const
{
    if (TForm* form = popupForm_.Get()) return form;
    if (auto* form = dynamic_cast<TForm*>(Owner())) return form;
    return Owner() ? dynamic_cast<TForm*>(Owner()->Owner()) : nullptr;
}

void TbsSkinPopupMenu::SetPopupForm(TForm* form) { popupForm_ = form; }

void TbsSkinPopupMenu::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component == skinData_) skinData_ = nullptr;
    TPopupMenu::Notification(component, operation);
}

TbsSkinMenuHost* TbsSkinPopupMenu::PrepareHost()
{
    auto alive = Guard();
    if (OnPopup) OnPopup(this);
    if (!alive) return nullptr;
    TbsSkinMenuHost* host = FindSkinMenuHost(PopupForm());
    if (!host || !host->SkinMenu()) return nullptr;
    if (!skinData_) SetSkinData(host->MenusSkinData() ? host->MenusSkinData() : host->SkinData());
    return host;
}

void TbsSkinPopupMenu::Show(TbsSkinMenuHost* host, TControl* control, const TRect& r, bool upward)
{
    host->MarkSkinMenuOpen();
    host->SkinMenu()->MenuPopup(control, skinData_, 0, r, Items(), upward, Images());
}

void TbsSkinPopupMenu::Popup(int x, int y) { PopupAt(Rect(x, y, x, y), false); }

void TbsSkinPopupMenu::PopupAt(const TRect& r, bool upward)
{
    if (TbsSkinMenuHost* host = PrepareHost()) Show(host, nullptr, r, upward);
}

void TbsSkinPopupMenu::PopupFromControl(TControl* control, const TRect& r, bool upward)
{
    if (TbsSkinMenuHost* host = PrepareHost()) Show(host, control, r, upward);
}

void TbsSkinPopupMenu::PopupAtPoint(TControl* control, TPoint p)
{
    TbsSkinMenuHost* host = PrepareHost();
    if (host && skinData_) Show(host, control, Rect(p.x, p.y, p.x, p.y), false);
}

} // namespace tavrik
