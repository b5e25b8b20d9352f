#include "ui/MenuItem.h"

#include "ui/Accelerator.h"

#include <algorithm>
#include <cctype>

namespace tavrik {

std::string StripHotkey(std::string_view caption)
{
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') ++i;
            else continue;
        }
        out += caption[i];
    }
    return out;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem()
{
    MarkDestroying();
    Clear();
    if (parent_) parent_->Remove(this);
}

char32_t TMenuItem::Accelerator() const { return AcceleratorOf(caption_); }

void TMenuItem::SetChecked(bool on)
{
    if (on == checked_) return;
    checked_ = on;
    if (!on || !radioItem_ || !parent_) return;
    for (TMenuItem* other : parent_->items_)
        if (other != this && other->radioItem_ && other->groupIndex_ == groupIndex_) other->checked_ = false;
}

void TMenuItem::Click()
{
    auto alive = Guard();
    if (autoCheck_) SetChecked(radioItem_ ? true : !checked_);
    if (alive && OnClick) OnClick(this);
}

int TMenuItem::MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

int TMenuItem::IndexOf(const TMenuItem* item) const
{
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item)
{
    if (!item || item == this) return;
    if (item->parent_) item->parent_->Remove(item);
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item)
{
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
}

void TMenuItem::Delete(int index)
{
    TMenuItem* item = Items(index);
    Remove(item);
    item->Free();
}

void TMenuItem::Clear()
{
    while (!items_.empty()) Delete(Count() - 1);
}

TMenuItem* TMenuItem::Find(std::string_view caption) const
{
    for (TMenuItem* item : items_)
        if (StripHotkey(item->caption_) == StripHotkey(caption)) return item;
    return nullptr;
}

TMenuItem* TMenuItem::FindShortCut(TShortCut shortCut) const
{
    if (shortCut == scNone) return nullptr;
    for (TMenuItem* item : items_) {
        if (!item->visible_ || !item->enabled_) continue;
        if (item->items_.empty() && item->shortCut_ == shortCut) return item;
        if (TMenuItem* found = item->FindShortCut(shortCut)) return found;
    }
    return nullptr;
}

} // namespace tavrik
