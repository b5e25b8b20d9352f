#pragma once

#include "ui/ControlTypes.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrik {

class TCustomListView;
class TListColumns;

// One column of a list view's report style: its header text, width in pixels and the
// alignment of its texts. The first column holds the captions, the others the sub-items.
class TListColumn {
public:
    explicit TListColumn(TListColumns* owner) : owner_(owner) {}
    TListColumn(const TListColumn&) = delete;
    TListColumn& operator=(const TListColumn&) = delete;

    TListColumns* Owner() const { return owner_; }
    int Index() const { return index_; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    // Never below 0.
    int Width() const { return width_; }
    void SetWidth(int width);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // An image of the list view's SmallImages shown in the header, or -1.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

private:
    friend class TListColumns;
    void Changed();

    TListColumns* owner_;
    int index_ = -1;
    std::string caption_;
    int width_ = 50;
    TAlignment alignment_ = TAlignment::taLeftJustify;
    int imageIndex_ = -1;
    intptr_t tag_ = 0;
};

// The columns of a list view, in their index order (the header may show them in another).
class TListColumns {
public:
    explicit TListColumns(TCustomListView* owner) : owner_(owner) {}
    TListColumns(const TListColumns&) = delete;
    TListColumns& operator=(const TListColumns&) = delete;

    TCustomListView* Owner() const { return owner_; }
    int Count() const { return int(columns_.size()); }
    TListColumn* Add();
    // nullptr for an index out of range.
    TListColumn* Item(int index) const;
    TListColumn* operator[](int index) const { return Item(index); }
    void Delete(int index);
    void Clear();
    // The sum of the widths.
    int TotalWidth() const;

private:
    friend class TListColumn;
    TCustomListView* owner_;
    std::vector<std::unique_ptr<TListColumn>> columns_;
};

} // namespace tavrik
