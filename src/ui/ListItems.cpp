#include "ui/ListItems.h"

#include "ui/ListView.h"

#include <algorithm>

namespace tavrik {

TCustomListView* TListItem::ListView() const { return owner_->Owner(); }

void TListItem::Changed(TItemChange change) { owner_->Owner()->ItemChanged(this, change); }

void TListItem::SetCaption(const std::string& caption)
{
    if (caption == caption_) return;
    caption_ = caption;
    Changed(TItemChange::ctText);
}

void TListItem::SetImageIndex(int index)
{
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed(TItemChange::ctImage);
}

void TListItem::SetSubItems(std::vector<std::string> texts)
{
    if (texts == subItems_) return;
    subItems_ = std::move(texts);
    Changed(TItemChange::ctText);
}

void TListItem::AddSubItem(const std::string& text)
{
    subItems_.push_back(text);
    Changed(TItemChange::ctText);
}

bool TListItem::Selected() const { return owner_->IsSelected(index_); }

void TListItem::SetSelected(bool on) { ListView()->SetItemSelected(index_, on); }

bool TListItem::Focused() const { return index_ >= 0 && ListView()->FocusedIndex() == index_; }

void TListItem::SetFocused(bool on)
{
    TCustomListView* lv = ListView();
    if (on) lv->SetFocusedIndex(index_);
    else if (lv->FocusedIndex() == index_) lv->SetFocusedIndex(-1);
}

TRect TListItem::DisplayRect(TDisplayCode code) const { return ListView()->ItemRect(index_, code); }

void TListItem::MakeVisible(bool partialOK) { ListView()->MakeItemVisible(index_, partialOK); }

void TListItem::Delete() { owner_->Delete(index_); }

TListItems::~TListItems() = default;

bool TListItems::Virtual() const { return owner_->OwnerData(); }

int TListItems::Count() const { return Virtual() ? virtualCount_ : int(items_.size()); }

void TListItems::SetCount(int count)
{
    if (!Virtual()) return;
    count = std::max(0, count);
    if (count == virtualCount_) return;
    virtualCount_ = count;
    for (size_t i = size_t(count); i < virtualSelected_.size(); ++i)
        if (virtualSelected_[i]) --selectedCount_;
    virtualSelected_.resize(size_t(count), 0);
    ClearVirtualCache();
    owner_->ItemCountChanged();
}

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int index)
{
    if (Virtual()) return nullptr;
    index = std::clamp(index, 0, int(items_.size()));
    auto item = std::make_unique<TListItem>(this);
    TListItem* raw = item.get();
    items_.insert(items_.begin() + index, std::move(item));
    Renumber(index);
    owner_->ItemInserted(index);
    return raw;
}

TListItem* TListItems::Item(int index)
{
    if (index < 0 || index >= Count()) return nullptr;
    if (!Virtual()) return items_[size_t(index)].get();
    auto found = cache_.find(index);
    if (found != cache_.end()) return found->second.get();
    auto item = std::make_unique<TListItem>(this);
    item->index_ = index;
    TListItem* raw = item.get();
    cache_.emplace(index, std::move(item));
    ++virtualMade_;
    owner_->FillVirtualItem(raw);
    return raw;
}

void TListItems::Delete(int index)
{
    if (Virtual() || index < 0 || index >= Count()) return;
    TListItem* item = items_[size_t(index)].get();
    // A deletion handler that deletes its item again is told only once.
    if (std::find(deleting_.begin(), deleting_.end(), item) == deleting_.end()) {
        deleting_.push_back(item);
        owner_->ItemDeleting(item);
        deleting_.erase(std::find(deleting_.begin(), deleting_.end(), item));
    }
    // The handler may have deleted it already: look for the pointer without reading through it.
    auto at = std::find_if(items_.begin(), items_.end(), [item](const auto& p) { return p.get() == item; });
    if (at == items_.end()) return;
    index = int(at - items_.begin());
    if (item->selected_) --selectedCount_;
    std::unique_ptr<TListItem> gone = std::move(items_[size_t(index)]);
    items_.erase(items_.begin() + index);
    Renumber(index);
    owner_->ItemDeleted(index);
}

void TListItems::Clear()
{
    if (Virtual()) {
        SetCount(0);
        return;
    }
    BeginUpdate();
    while (!items_.empty()) Delete(int(items_.size()) - 1);
    EndUpdate();
}

int TListItems::IndexOf(const TListItem* item) const
{
    if (!item || item->owner_ != this) return -1;
    int i = item->index_;
    if (Virtual()) return i;
    return i >= 0 && i < int(items_.size()) && items_[size_t(i)].get() == item ? i : -1;
}

void TListItems::BeginUpdate() { ++updateCount_; }

void TListItems::EndUpdate()
{
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0) owner_->ItemsUpdated();
}

bool TListItems::IsSelected(int index) const
{
    if (index < 0 || index >= Count()) return false;
    return Virtual() ? virtualSelected_[size_t(index)] != 0 : items_[size_t(index)]->selected_;
}

void TListItems::SetSelectedFlag(int index, bool on)
{
    if (index < 0 || index >= Count() || IsSelected(index) == on) return;
    if (Virtual()) virtualSelected_[size_t(index)] = on ? 1 : 0;
    else items_[size_t(index)]->selected_ = on;
    selectedCount_ += on ? 1 : -1;
}

std::vector<int> TListItems::SelectedIndices() const
{
    std::vector<int> result;
    result.reserve(size_t(selectedCount_));
    int n = Count();
    for (int i = 0; i < n && int(result.size()) < selectedCount_; ++i)
        if (IsSelected(i)) result.push_back(i);
    return result;
}

void TListItems::Sort(const std::function<bool(TListItem*, TListItem*)>& less)
{
    if (Virtual()) return;
    std::stable_sort(items_.begin(), items_.end(),
                     [&](const std::unique_ptr<TListItem>& a, const std::unique_ptr<TListItem>& b) {
                         return less(a.get(), b.get());
                     });
    Renumber(0);
}

void TListItems::TrimVirtualCache(size_t keep)
{
    if (cache_.size() > keep) cache_.clear();
}

void TListItems::Renumber(int from)
{
    for (size_t i = size_t(from); i < items_.size(); ++i) items_[i]->index_ = int(i);
}

} // namespace tavrik
