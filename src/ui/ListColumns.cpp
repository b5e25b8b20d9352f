#include "ui/ListColumns.h"

#include "ui/ListView.h"

#include <algorithm>

namespace tavrik {

void TListColumn::Changed() { owner_->Owner()->ColumnsChanged(); }

void TListColumn::SetCaption(const std::string& caption)
{
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void TListColumn::SetWidth(int width)
{
    width = std::max(0, width);
    if (width == width_) return;
    width_ = width;
    Changed();
}

void TListColumn::SetAlignment(TAlignment alignment)
{
    if (alignment == alignment_) return;
    alignment_ = alignment;
    Changed();
}

void TListColumn::SetImageIndex(int index)
{
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed();
}

TListColumn* TListColumns::Add()
{
    columns_.push_back(std::make_unique<TListColumn>(this));
    columns_.back()->index_ = int(columns_.size()) - 1;
    owner_->ColumnsChanged();
    return columns_.back().get();
}

TListColumn* TListColumns::Item(int index) const
{
    return index >= 0 && index < Count() ? columns_[size_t(index)].get() : nullptr;
}

void TListColumns::Delete(int index)
{
    if (index < 0 || index >= Count()) return;
    columns_.erase(columns_.begin() + index);
    for (size_t i = size_t(index); i < columns_.size(); ++i) columns_[i]->index_ = int(i);
    owner_->ColumnsChanged();
}

void TListColumns::Clear()
{
    if (columns_.empty()) return;
    columns_.clear();
    owner_->ColumnsChanged();
}

int TListColumns::TotalWidth() const
{
    int total = 0;
    for (const auto& c : columns_) total += c->Width();
    return total;
}

} // namespace tavrik
