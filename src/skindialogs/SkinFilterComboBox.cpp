#include "skindialogs/SkinFilterComboBox.h"

namespace tavrik {

std::vector<TPictureFilterEntry> SplitPictureFilter(std::string_view filter)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < filter.size()) {
        size_t bar = filter.find('|', start);
        if (bar == std::string_view::npos) bar = filter.size();
        parts.emplace_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<TPictureFilterEntry> entries;
    for (size_t i = 0; i < parts.size(); i += 2)
        entries.push_back({parts[i], i + 1 < parts.size() ? parts[i + 1] : std::string()});
    return entries;
}

void TbsSkinFilterComboBox::SetFilter(const std::string& filter)
{
    filter_ = filter;
    masks_.clear();
    Items().Clear();
    for (TPictureFilterEntry& entry : SplitPictureFilter(filter)) {
        Items().Add(entry.description);
        masks_.push_back(std::move(entry.mask));
    }
    SetItemIndex(-1);
}

std::string TbsSkinFilterComboBox::Mask()
{
    if (masks_.empty()) return "*.*";
    if (ItemIndex() < 0 || ItemIndex() >= int(masks_.size())) SetItemIndex(int(masks_.size()) - 1);
    return masks_[size_t(ItemIndex())];
}

} // namespace tavrik
