#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tavrik {

// An ordered list of strings, each with an untyped object pointer the owner attaches
// (a list box item's data, a tab's page). OnChange fires after every change, so that the
// control showing the list can lay itself out again.
class TStringItems {
public:
    int Count() const { return int(items_.size()); }
    bool Empty() const { return items_.empty(); }
    // Out-of-range indices read an empty string and a null object.
    const std::string& Strings(int index) const;
    void* Objects(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }
    // Out-of-range indices are ignored.
    void SetString(int index, const std::string& text);
    void SetObject(int index, void* object);
    // Bits the control showing the list keeps per item (a list box's selection): they move
    // with their item, and changing them fires no OnChange.
    unsigned State(int index) const;
    void SetState(int index, unsigned state);
    // A sorted list keeps its items in the order of their texts (ASCII letters compared
    // without case); Add and Insert then put an item at its place in that order.
    bool Sorted() const { return sorted_; }
    void SetSorted(bool on);

    int Add(const std::string& text, void* object = nullptr);
    // Clamps the index into 0 .. Count(); answers where the item went.
    int Insert(int index, const std::string& text, void* object = nullptr);
    void Delete(int index);
    void Move(int from, int to);
    void Clear();
    void Assign(const std::vector<std::string>& texts);
    int IndexOf(const std::string& text) const;
    int IndexOfObject(const void* object) const;

    // Several changes with one OnChange at the end.
    void BeginUpdate() { ++updateLevel_; }
    void EndUpdate();

    std::function<void()> OnChange;

private:
    struct TItem {
        std::string text;
        void* object = nullptr;
        unsigned state = 0;
    };
    int SortedPosition(const std::string& text) const;
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    void Changed();

    std::vector<TItem> items_;
    int updateLevel_ = 0;
    bool sorted_ = false;
    bool changedWhileUpdating_ = false;
};

} // namespace tavrik
