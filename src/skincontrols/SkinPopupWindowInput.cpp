#include "skincontrols/SkinPopupWindow.h"

#include "skin/DataSkinObject.h"
#include "skincontrols/SkinMenu.h"
#include "ui/Accelerator.h"
#include "ui/MenuItem.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

bool IsAcceleratorKey(uint16_t key) { return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'); }

} // namespace

void TbsSkinPopupWindow::MouseTimer()
{
    TPoint screen = GetCursorPos();
    TPoint p = ScreenToClient(screen);
    if (p == lastPolled_) return;
    lastPolled_ = p;
    HWND under = WindowFromPoint(screen);
    if (under && GetAncestor(under, GA_ROOT) == Handle()) HoverAt(p);
    else if (scroll_ && scrollCode_ != 0) StopScrolling();
}

void TbsSkinPopupWindow::HoverAt(TPoint p)
{
    if (scroll_) {
        const bool upper = UpperMarker().Contains(p);
        const bool lower = LowerMarker().Contains(p);
        if (upper && scrollCode_ == 0 && visibleStart_ > 0) StartScrolling(1);
        else if (lower && scrollCode_ == 0 && visibleStart_ + visibleCount_ - 1 < LastIndex()) StartScrolling(2);
        else if (!upper && !lower && scrollCode_ != 0) StopScrolling();
    }
    auto over = std::find_if(items_.begin(), items_.end(),
                             [&](const auto& e) { return e->Visible && e->ItemRect.Contains(p); });
    if (over == items_.end()) return;
    const int index = int(over - items_.begin());
    TbsSkinMenuItem* entry = over->get();
    if (index == activeItem_) {
        if (!entry->KeyboardSelected) return;
        entry->KeyboardSelected = false;
        if (entry->HasSubmenu()) EnterItem(index, true);
        return;
    }
    const int old = activeItem_;
    activeItem_ = index;
    if (old >= 0 && items_[size_t(old)]->Selectable()) LeaveItem(old);
    if (entry->Selectable()) EnterItem(index, true);
}

void TbsSkinPopupWindow::EnterItem(int index, bool byMouse)
{
    TbsSkinMenuItem* entry = items_.at(size_t(index)).get();
    entry->Active = true;
    for (auto& other : items_) {
        if (other.get() == entry || !other->Down) continue;
        other->Down = false;
        RestartMorph(other.get());
    }
    if (entry->KeyboardSelected && byMouse) {
        RestartMorph(entry);
        return;
    }
    if (entry->Down) {
        // Its submenu is open: only what was opened from there closes.
        const int level = engine_->LevelOf(this);
        engine_->CloseFrom(level + 2);
        if (level + 1 < engine_->PopupWindowCount()) {
            TbsSkinPopupWindow* sub = engine_->PopupWindows(level + 1);
            for (int i = 0; i < sub->ItemCount(); ++i) {
                if (!sub->Items(i)->Down) continue;
                sub->Items(i)->Down = false;
                sub->RestartMorph(sub->Items(i));
            }
        }
        return;
    }
    RestartMorph(entry);
    engine_->ItemAction(this, entry, !byMouse, false);
}

void TbsSkinPopupWindow::LeaveItem(int index)
{
    TbsSkinMenuItem* entry = items_.at(size_t(index)).get();
    entry->Active = false;
    entry->KeyboardSelected = false;
    if (!entry->Down) RestartMorph(entry);
    if (engine_->PendingItem() == entry->MenuItem()) engine_->CancelSubmenu();
}

void TbsSkinPopupWindow::ClickItem(int index)
{
    if (index < 0 || index >= ItemCount()) return;
    TbsSkinMenuItem* entry = items_[size_t(index)].get();
    entry->KeyboardSelected = false;
    if (!entry->Down && !entry->IsDivider() && entry->MenuItem()->Enabled())
        engine_->ItemAction(this, entry, false, true);
}

void TbsSkinPopupWindow::RestartMorph(TbsSkinMenuItem* entry)
{
    if (!itemSkin_ || !itemSkin_->morphing) {
        DrawEntry(entry);
        return;
    }
    if (morphRunning_ || !HandleAllocated()) return;
    morphRunning_ = true;
    SetTimer(Handle(), kMorphTimer, kMorphInterval);
}

void TbsSkinPopupWindow::MorphTimer()
{
    bool moved = false;
    for (auto& e : items_) {
        if (!e->Visible) {
            e->Active = e->Down = false;
            e->MorphFactor = 0;
            continue;
        }
        if (!e->StepMorph()) continue;
        moved = true;
        DrawEntry(e.get());
    }
    if (moved) return;
    morphRunning_ = false;
    KillTimer(Handle(), kMorphTimer);
}

void TbsSkinPopupWindow::StartScrolling(int code)
{
    scrollCode_ = code;
    RedrawMarkers();
    engine_->CloseFrom(engine_->LevelOf(this) + 1);
    scrollRunning_ = true;
    SetTimer(Handle(), kScrollTimer, kScrollInterval);
}

void TbsSkinPopupWindow::StopScrolling()
{
    scrollCode_ = 0;
    RedrawMarkers();
    if (!scrollRunning_) return;
    scrollRunning_ = false;
    KillTimer(Handle(), kScrollTimer);
}

void TbsSkinPopupWindow::ScrollTimer()
{
    if (!ScrollBy(scrollCode_ == 1 ? -1 : 1)) StopScrolling();
}

bool TbsSkinPopupWindow::ScrollBy(int delta)
{
    if (delta < 0 && visibleStart_ == 0) return false;
    if (delta > 0 && visibleStart_ + visibleCount_ - 1 >= LastIndex()) return false;
    visibleStart_ += delta;
    LayoutEntries();
    Invalidate();
    return true;
}

int TbsSkinPopupWindow::FindSelectable(int from, int to, int step) const
{
    for (int i = from; step > 0 ? i <= to : i >= to; i += step)
        if (items_[size_t(i)]->Selectable()) return i;
    return -1;
}

void TbsSkinPopupWindow::ScrollToShow(int index)
{
    if (!scroll_ || items_[size_t(index)]->Visible) return;
    if (index < visibleStart_) {
        visibleStart_ = index;
    } else {
        // The last start that still shows the entry at the bottom of the window.
        const int room = newItemsRect_.Height() - 2 * kMarkerHeight;
        int start = index;
        int used = items_[size_t(index)]->NeededHeight(engine_->DefItemHeight());
        while (start > 0) {
            int h = items_[size_t(start - 1)]->NeededHeight(engine_->DefItemHeight());
            if (used + h > room) break;
            used += h;
            --start;
        }
        visibleStart_ = start;
    }
    LayoutEntries();
    Invalidate();
}

void TbsSkinPopupWindow::SelectByKey(int direction)
{
    const int last = LastIndex();
    if (last < 0) return;
    int found = -1;
    if (direction > 0) {
        int from = activeItem_ < 0 || activeItem_ == last ? 0 : activeItem_ + 1;
        found = FindSelectable(from, last, 1);
    } else {
        int from = activeItem_ <= 0 ? last : activeItem_ - 1;
        found = FindSelectable(from, 0, -1);
    }
    if (found < 0 || found == activeItem_) return;
    ScrollToShow(found);
    const int old = activeItem_;
    activeItem_ = found;
    if (old >= 0) LeaveItem(old);
    items_[size_t(found)]->KeyboardSelected = true;
    EnterItem(found, false);
}

void TbsSkinPopupWindow::HandleKey(uint16_t key)
{
    if (!Visible()) return;
    if (IsAcceleratorKey(key)) {
        for (int i = 0; i < ItemCount(); ++i) {
            if (!IsAccel(char32_t(key), items_[size_t(i)]->MenuItem()->Caption())) continue;
            const int old = activeItem_;
            if (old != i) {
                activeItem_ = i;
                if (old >= 0) LeaveItem(old);
                EnterItem(i, true);
            }
            if (items_[size_t(i)]->MenuItem()->Enabled()) ClickItem(i);
            return;
        }
    }
    switch (key) {
    case VK_RETURN: ClickItem(activeItem_); break;
    case VK_LEFT:
        if (engine_->PopupWindowCount() < 2) break;
        [[fallthrough]];
    case VK_ESCAPE: {
        const int level = engine_->PopupWindowCount() - 1;
        engine_->CloseFrom(level);
        if (level <= 0) break;
        TbsSkinPopupWindow* parent = engine_->PopupWindows(level - 1);
        if (int active = parent->ActiveItem(); active >= 0) {
            parent->Items(active)->Down = false;
            parent->RestartMorph(parent->Items(active));
        }
        break;
    }
    case VK_RIGHT:
        if (activeItem_ >= 0 && items_[size_t(activeItem_)]->HasSubmenu()) ClickItem(activeItem_);
        break;
    case VK_DOWN: SelectByKey(1); break;
    case VK_UP: SelectByKey(-1); break;
    default: break;
    }
}

} // namespace tavrik
