#include "ui/PopupMenu.h"

#include "ui/Application.h"
#include "ui/ImageList.h"
#include "ui/MenuTracker.h"

namespace tavrik {

namespace {

void ClickItem(TMenuItem* item)
{
    try {
        item->Click();
    } catch (...) {
        HandleExceptionOrRethrow(item);
    }
}

} // namespace

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {}

TPopupMenu::~TPopupMenu() { MarkDestroying(); }

void TPopupMenu::SetImages(TImageList* images)
{
    if (images == images_) return;
    images_ = images;
    if (images) images->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component && component == images_) images_ = nullptr;
    TComponent::Notification(component, operation);
}

void TPopupMenu::Popup(int x, int y)
{
    auto alive = Guard();
    if (OnPopup) OnPopup(this);
    if (!alive) return;
    TMenuTracker tracker(items_.get(), images_, alignment_);
    TComponentRef<TMenuItem> chosen = tracker.Run({x, y});
    if (chosen) ClickItem(chosen.Get());
}

bool TPopupMenu::IsShortCut(uint16_t key, TShiftState shift)
{
    TMenuItem* item = items_->FindShortCut(ShortCut(key, shift));
    if (!item) return false;
    ClickItem(item);
    return true;
}

} // namespace tavrik
