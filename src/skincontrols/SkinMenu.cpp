#include "skincontrols/SkinMenu.h"

#include "skin/SkinData.h"
#include "skin/SkinWindows.h"
#include "skincontrols/SkinPopupWindow.h"
#include "ui/Control.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/MenuItem.h"
#include "ui/Timer.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr unsigned kSubmenuDelay = 500;

TForm* FirstFormAmongOwners(TComponent* c)
{
    for (; c; c = c->Owner())
        if (auto* form = dynamic_cast<TForm*>(c)) return form;
    return nullptr;
}

} // namespace

TbsSkinMenu::TbsSkinMenu(TComponent* owner) : TComponent(owner), ownerForm_(FirstFormAmongOwners(owner))
{
    defItemFont_.SetName("Arial");
    defItemFont_.SetHeight(14);
    submenuTimer_.reset(new TTimer(nullptr));
    submenuTimer_->SetEnabled(false);
    submenuTimer_->SetInterval(kSubmenuDelay);
    submenuTimer_->OnTimer = [this](TComponent*) { SubmenuTimerFired(); };
    reaper_.reset(new TTimer(nullptr));
    reaper_->SetEnabled(false);
    reaper_->SetInterval(1);
    reaper_->OnTimer = [this](TComponent*) { Reap(); };
    // The windows hold pictures of the menu's skin: a change of that skin closes the menu
    // before the pictures go.
    if (TForm* form = ownerForm_.Get())
        formHook_ = TWindowHook(form, [this](TMessage& m, const TWndNext& next) {
            if (m.Msg == SKM_BEFORECHANGE && skinData_ && TbsSkinData::FromMessageParam(m.WParam) == skinData_)
                CloseAll();
            next(m);
        });
}

TbsSkinMenu::~TbsSkinMenu()
{
    MarkDestroying();
    windows_.clear();
    closed_.clear();
    SetSkinData(nullptr);
}

void TbsSkinMenu::SetDefItemHeight(int height)
{
    if (height > 0) defItemHeight_ = height;
}

void TbsSkinMenu::SetSkinData(TbsSkinData* data)
{
    if (data == skinData_) return;
    if (skinData_) skinData_->RemoveFreeNotification(this);
    skinData_ = data;
    if (data) data->FreeNotification(this);
}

void TbsSkinMenu::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component == skinData_) {
        if (!windows_.empty()) CloseAll();
        skinData_ = nullptr;
    }
    TComponent::Notification(component, operation);
}

int TbsSkinMenu::LevelOf(const TbsSkinPopupWindow* window) const
{
    for (size_t i = 0; i < windows_.size(); ++i)
        if (windows_[i].get() == window) return int(i);
    return -1;
}

TMenuItem* TbsSkinMenu::PendingItem() const
{
    return pendingWindow_ ? pendingWindow_->Items(pendingIndex_)->MenuItem() : nullptr;
}

void TbsSkinMenu::MenuPopup(TControl* control, TbsSkinData* skinData, int startIndex, const TRect& anchor,
                            TMenuItem* item, bool upward, TImageList* images)
{
    firstPopup_ = !menuOpen_;
    // The control of a popup that this one replaces hears that its menu closed.
    if (menuOpen_) CloseFrom(0);
    Bury(0);
    Reap();
    ownerControl_ = control;
    TForm* form = OwnerForm();
    workArea_ = GetMonitorWorkArea(form && form->HandleAllocated() ? form->Handle() : nullptr, true);
    SetSkinData(skinData);
    images_ = images;
    if (item && startIndex >= 0 && startIndex < item->Count()) {
        menuOpen_ = true;
        OpenWindow(item, startIndex, anchor, false, upward);
        // Nothing visible from the start index: no window, no menu.
        if (windows_.empty()) menuOpen_ = false;
    }
    firstPopup_ = false;
}

void TbsSkinMenu::OpenWindow(TMenuItem* item, int startIndex, const TRect& anchor, bool submenu, bool upward)
{
    TOwnedPtr<TbsSkinPopupWindow> window(new TbsSkinPopupWindow(this, item, startIndex, images_.Get()));
    if (window->ItemCount() == 0) return;
    TbsSkinPopupWindow* w = window.get();
    windows_.push_back(std::move(window));
    w->Open(anchor, submenu, upward);
}

void TbsSkinMenu::CloseFrom(int level)
{
    Bury(level);
    if (level != 0) return;
    menuOpen_ = false;
    StopSubmenuTimer();
    commandControl_ = ownerControl_;
    TControl* control = ownerControl_.Get();
    ownerControl_ = nullptr;
    if (control) Notify(control, SKM_MENUCLOSED);
}

void TbsSkinMenu::CloseAll()
{
    auto alive = Guard();
    CloseFrom(0);
    if (!alive) return;
    StopSubmenuTimer();
    if (TForm* form = OwnerForm()) Notify(form, SKM_MENUCLOSED);
    if (!alive) return;
    if (TControl* control = ownerControl_.Get()) Notify(control, SKM_MENUCLOSED);
}

void TbsSkinMenu::Notify(TComponent* target, uint32_t message)
{
    if (auto* control = dynamic_cast<TControl*>(target)) control->Perform(message, 0, 0);
}

bool TbsSkinMenu::KeyDown(uint16_t key)
{
    if (windows_.empty() || !windows_.back()->Visible()) return false;
    windows_.back()->HandleKey(key);
    return true;
}

void TbsSkinMenu::Bury(int fromLevel)
{
    fromLevel = std::max(fromLevel, 0);
    if (pendingWindow_ && LevelOf(pendingWindow_) >= fromLevel) StopSubmenuTimer();
    while (int(windows_.size()) > fromLevel) {
        windows_.back()->Close();
        closed_.push_back(std::move(windows_.back()));
        windows_.pop_back();
    }
    if (!closed_.empty()) reaper_->SetEnabled(true);
}

void TbsSkinMenu::Reap()
{
    // A window whose own message closed the menu is freed once that message is done.
    std::erase_if(closed_, [](const TOwnedPtr<TbsSkinPopupWindow>& w) { return !w->Busy(); });
    reaper_->SetEnabled(!closed_.empty());
}

void TbsSkinMenu::StartSubmenuTimer(TbsSkinMenuItem* entry)
{
    for (auto& w : windows_) {
        int index = w->IndexOf(entry);
        if (index < 0) continue;
        pendingWindow_ = w.get();
        pendingIndex_ = index;
        submenuTimer_->SetEnabled(false);
        submenuTimer_->SetEnabled(true);
        return;
    }
}

void TbsSkinMenu::StopSubmenuTimer()
{
    submenuTimer_->SetEnabled(false);
    pendingWindow_ = nullptr;
    pendingIndex_ = -1;
}

void TbsSkinMenu::SubmenuTimerFired()
{
    TbsSkinPopupWindow* window = pendingWindow_;
    int index = pendingIndex_;
    StopSubmenuTimer();
    if (window && LevelOf(window) >= 0) window->ClickItem(index);
}

void TbsSkinMenu::ItemAction(TbsSkinPopupWindow* window, TbsSkinMenuItem* entry, bool keyboard, bool click)
{
    const int level = LevelOf(window);
    if (level < 0) return;
    if (!entry->HasSubmenu()) {
        StopSubmenuTimer();
        if (!click) {
            CloseFrom(level + 1);
            return;
        }
        TMenuItem* item = entry->MenuItem();
        auto alive = Guard();
        auto itemAlive = item->Guard();
        CloseAll();
        if (!itemAlive) return;
        item->Click();
        if (alive)
            if (TControl* control = commandControl_.Get()) Notify(control, SKM_MENUCOMMAND);
        return;
    }
    if (!click) {
        if (keyboard) return; // Right or Enter opens it
        CloseFrom(level + 1);
        StartSubmenuTimer(entry);
        return;
    }
    auto alive = window->Guard();
    entry->MenuItem()->Click();
    if (!alive || LevelOf(window) < 0) return;
    StopSubmenuTimer();
    entry->Down = true;
    CloseFrom(level + 1);
    TRect anchor = entry->ItemRect.Offset(window->Left(), window->Top());
    OpenWindow(entry->MenuItem(), 0, anchor, true, false);
}

} // namespace tavrik
