#include "ui/StringItems.h"

#include <algorithm>
#include <cctype>

namespace tavrik {

const std::string& TStringItems::Strings(int index) const
{
    static const std::string none;
    return Valid(index) ? items_[size_t(index)].text : none;
}

namespace {

bool TextLess(const std::string& a, const std::string& b)
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

void* TStringItems::Objects(int index) const { return Valid(index) ? items_[size_t(index)].object : nullptr; }

unsigned TStringItems::State(int index) const { return Valid(index) ? items_[size_t(index)].state : 0; }

void TStringItems::SetState(int index, unsigned state)
{
    if (Valid(index)) items_[size_t(index)].state = state;
}

void TStringItems::SetSorted(bool on)
{
    if (on == sorted_) return;
    sorted_ = on;
    if (!on) return;
    std::stable_sort(items_.begin(), items_.end(), [](const TItem& a, const TItem& b) { return TextLess(a.text, b.text); });
    Changed();
}

int TStringItems::SortedPosition(const std::string& text) const
{
    auto it = std::upper_bound(items_.begin(), items_.end(), text,
                               [](const std::string& t, const TItem& item) { return TextLess(t, item.text); });
    return int(it - items_.begin());
}

void TStringItems::SetString(int index, const std::string& text)
{
    if (!Valid(index) || items_[size_t(index)].text == text) return;
    items_[size_t(index)].text = text;
    if (sorted_) {
        TItem item = std::move(items_[size_t(index)]);
        items_.erase(items_.begin() + index);
        items_.insert(items_.begin() + SortedPosition(item.text), std::move(item));
    }
    Changed();
}

void TStringItems::SetObject(int index, void* object)
{
    if (!Valid(index)) return;
    items_[size_t(index)].object = object;
}

int TStringItems::Add(const std::string& text, void* object) { return Insert(Count(), text, object); }

int TStringItems::Insert(int index, const std::string& text, void* object)
{
    index = sorted_ ? SortedPosition(text) : std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, {text, object, 0});
    Changed();
    return index;
}

void TStringItems::Delete(int index)
{
    if (!Valid(index)) return;
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringItems::Move(int from, int to)
{
    if (!Valid(from) || !Valid(to) || from == to) return;
    TItem item = std::move(items_[size_t(from)]);
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, std::move(item));
    Changed();
}

void TStringItems::Clear()
{
    if (items_.empty()) return;
    items_.clear();
    Changed();
}

void TStringItems::Assign(const std::vector<std::string>& texts)
{
    items_.clear();
    for (const std::string& t : texts) items_.push_back({t, nullptr, 0});
    if (sorted_) std::stable_sort(items_.begin(), items_.end(), [](const TItem& a, const TItem& b) { return TextLess(a.text, b.text); });
    Changed();
}

int TStringItems::IndexOf(const std::string& text) const
{
    auto it = std::find_if(items_.begin(), items_.end(), [&](const TItem& i) { return i.text == text; });
    return it == items_.end() ? -1 : int(it - items_.begin());
}

int TStringItems::IndexOfObject(const void* object) const
{
    auto it = std::find_if(items_.begin(), items_.end(), [&](const TItem& i) { return i.object == object; });
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void TStringItems::EndUpdate()
{
    if (updateLevel_ == 0 || --updateLevel_ > 0) return;
    if (changedWhileUpdating_) Changed();
}

void TStringItems::Changed()
{
    if (updateLevel_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    changedWhileUpdating_ = false;
    if (OnChange) OnChange();
}

} // namespace tavrik
