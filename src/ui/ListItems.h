#pragma once

#include "core/Geometry.h"
#include "ui/ListViewTypes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace tavrik {

class TCustomListView;
class TListItems;

// One row of a list view: caption, image, detail texts and the state the list shows.
// Selected and Focused are kept by the list and the list view, so that virtual items (made
// on demand) share them with the rows they stand for.
class TListItem {
public:
    explicit TListItem(TListItems* owner) : owner_(owner) {}
    TListItem(const TListItem&) = delete;
    TListItem& operator=(const TListItem&) = delete;

    TListItems* Owner() const { return owner_; }
    TCustomListView* ListView() const;
    int Index() const { return index_; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The picture of the list view's state images drawn before the item's icon; -1: none.
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int index);
    // The texts of the report columns after the first.
    const std::vector<std::string>& SubItems() const { return subItems_; }
    void SetSubItems(std::vector<std::string> texts);
    void AddSubItem(const std::string& text);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }

    bool Selected() const;
    void SetSelected(bool on);
    bool Focused() const;
    void SetFocused(bool on);

    // In the list view's client coordinates, where the item is now (scrolled out of view it
    // lies outside the client area).
    TRect DisplayRect(TDisplayCode code) const;
    void MakeVisible(bool partialOK = false);
    // Removes the item from its list and frees it.
    void Delete();

private:
    friend class TListItems;
    void Changed(TItemChange change);

    TListItems* owner_;
    int index_ = -1;
    std::string caption_;
    int imageIndex_ = -1;
    int stateIndex_ = -1;
    std::vector<std::string> subItems_;
    void* data_ = nullptr;
    bool selected_ = false;
};

// The items of a list view, in display order. In virtual mode (the list view's OwnerData)
// only the count is kept: Item() makes the item of an index when it is asked for, fills it
// through OnData, and keeps it until the list next paints or changes its count, so a
// pointer to a virtual item is only good for the moment.
class TListItems {
public:
    explicit TListItems(TCustomListView* owner) : owner_(owner) {}
    ~TListItems();
    TListItems(const TListItems&) = delete;
    TListItems& operator=(const TListItems&) = delete;

    TCustomListView* Owner() const { return owner_; }
    int Count() const;
    // Virtual mode only: the number of rows; clears the selection past the new end.
    void SetCount(int count);

    TListItem* Add();
    TListItem* Insert(int index);
    // nullptr for an index out of range.
    TListItem* Item(int index);
    TListItem* operator[](int index) { return Item(index); }
    void Delete(int index);
    void Clear();
    int IndexOf(const TListItem* item) const;

    // Changes between these do not lay out or repaint the list; the last EndUpdate does.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateCount_ > 0; }

    // The selection of each row, also in virtual mode; these change no state of the list
    // view and fire nothing.
    bool IsSelected(int index) const;
    void SetSelectedFlag(int index, bool on);
    int SelectedCount() const { return selectedCount_; }
    // Indices of the selected rows, in order.
    std::vector<int> SelectedIndices() const;

    // Reorders the items (not in virtual mode) by a strict weak order.
    void Sort(const std::function<bool(TListItem*, TListItem*)>& less);
    // Forgets the virtual items made so far once there are more than `keep`.
    void TrimVirtualCache(size_t keep);
    // The virtual items made so far (for checks of what was asked for).
    size_t VirtualItemsMade() const { return virtualMade_; }

private:
    bool Virtual() const;
    void Renumber(int from);
    void ClearVirtualCache() { cache_.clear(); }

    TCustomListView* owner_;
    std::vector<std::unique_ptr<TListItem>> items_;
    std::vector<TListItem*> deleting_;
    int virtualCount_ = 0;
    std::vector<uint8_t> virtualSelected_;
    std::unordered_map<int, std::unique_ptr<TListItem>> cache_;
    size_t virtualMade_ = 0;
    int selectedCount_ = 0;
    int updateCount_ = 0;
};

} // namespace tavrik
