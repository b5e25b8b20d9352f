#include "shell/ItemIdList.h"

#include <algorithm>

namespace tavrik {

const std::string& TItemIdList::Last() const
{
    static const std::string none;
    return parts_.empty() ? none : parts_.back();
}

TItemIdList TItemIdList::Parent() const
{
    if (parts_.empty()) return {};
    return TItemIdList(std::vector<std::string>(parts_.begin(), parts_.end() - 1));
}

TItemIdList TItemIdList::Child(std::string relative) const
{
    TItemIdList child = *this;
    child.parts_.push_back(std::move(relative));
    return child;
}

bool TItemIdList::Contains(const TItemIdList& other) const
{
    return parts_.size() <= other.parts_.size() && std::equal(parts_.begin(), parts_.end(), other.parts_.begin());
}

} // namespace tavrik
