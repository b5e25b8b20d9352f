#pragma once

#include "ui/CustomControl.h"
#include "ui/ListColumns.h"
#include "ui/ListItems.h"
#include "ui/ListViewTypes.h"

#include <memory>

namespace tavrik {

class THeaderControl;
class TImageList;

// A scroll range as the list keeps it for one direction: positions run from Min to
// Max - Page + 1 (report rows, list columns, or pixels in the other cases).
struct TListScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
    friend bool operator==(const TListScrollInfo&, const TListScrollInfo&) = default;
};

// A list of items in one of four styles, with the selection, keyboard and scrolling of the
// desktop's list control and a plain look in the system colours.
//
// The window's own scroll bars (WS_VSCROLL, WS_HSCROLL) show the ranges below while there is
// something to scroll, so GetScrollInfo on the window reads them too.
//
// Scroll units by style (ScrollInfo, WM_VSCROLL/WM_HSCROLL, Scroll):
//   style        | vertical                         | horizontal
//   -------------+----------------------------------+-------------------------------------
//   report       | rows: 0..Count-1, page = rows    | pixels: 0..width of columns - 1,
//                | that fit below the header        | page = client width
//   list         | none                             | columns: 0..columns - 1, page = the
//                |                                  | columns wholly shown (at least 1)
//   icon, small  | pixels: 0..content height - 1,   | pixels, as vertical
//   icon         | page = client height             |
//
// Selection by mouse and keyboard:
//   input                     | MultiSelect off           | MultiSelect on
//   --------------------------+---------------------------+----------------------------------
//   click / arrow, Home, PgDn | select it alone, focus it | select it alone, focus it, anchor
//   Shift + click / key       | as without Shift          | select anchor..it (alone)
//   Ctrl + click              | select it, focus it       | toggle it, focus it, anchor
//   Ctrl + arrow, Home, PgDn  | as without Ctrl           | move the focus only
//   Ctrl + Space              | select the focused        | toggle the focused
//   click on no item          | clear the selection       | clear it (not with Shift/Ctrl)
//   letters                   | select the next item whose caption starts with them, alone
class TCustomListView : public TCustomControl {
public:
    explicit TCustomListView(TComponent* owner);
    ~TCustomListView() override;
    const char* ClassName() const override { return "TCustomListView"; }

    TListItems& Items() { return items_; }
    TListColumns& Columns() { return columns_; }

    TViewStyle ViewStyle() const { return viewStyle_; }
    void SetViewStyle(TViewStyle style);
    TImageList* LargeImages() const { return largeImages_; }
    void SetLargeImages(TImageList* images);
    TImageList* SmallImages() const { return smallImages_; }
    void SetSmallImages(TImageList* images);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle style);
    bool RowSelect() const { return rowSelect_; }
    void SetRowSelect(bool on);
    // Off: the selection stays visible (in the button-face colour) while the list has no focus.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool on);
    bool ShowColumnHeaders() const { return showColumnHeaders_; }
    // Makes the window again, header included, as the desktop's list does.
    void SetShowColumnHeaders(bool on);
    // Report style: rows are drawn by OnDrawItem (or plainly, without a handler).
    bool OwnerDraw() const { return ownerDraw_; }
    void SetOwnerDraw(bool on);
    // The columns can be put in another order by dragging their header sections.
    bool FullDrag() const { return fullDrag_; }
    void SetFullDrag(bool on);
    // Captions cannot be edited in place by the user; kept for the skinned lists that set it.
    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool on) { readOnly_ = on; }

    // The items are rows of Items.Count that OnData fills when they are shown or asked for.
    // Changing it clears the items.
    bool OwnerData() const { return ownerData_; }
    void SetOwnerData(bool on);

    bool MultiSelect() const { return multiSelect_; }
    // Turning it off keeps only the first selected item.
    void SetMultiSelect(bool on);
    // The first selected item in list order, or nullptr; setting selects it alone (nullptr
    // clears the selection).
    TListItem* Selected();
    void SetSelected(TListItem* item);
    TListItem* ItemFocused();
    void SetItemFocused(TListItem* item);
    int SelCount() const { return items_.SelectedCount(); }
    void ClearSelection();
    void SelectAll();
    // By index: fires OnSelectItem and OnChange for a real change (a single-selection list
    // drops the previous selection first).
    void SetItemSelected(int index, bool on);
    int FocusedIndex() const { return focused_; }
    void SetFocusedIndex(int index);

    TListItem* GetItemAt(int x, int y);
    // The index under a client point, or -1; selectArea: only where a click selects.
    int IndexAt(TPoint p, bool selectArea) const;
    // The next item after start (nullptr: from before the first) in the direction with all
    // the given states, or nullptr.
    TListItem* GetNextItem(TListItem* start, TSearchDirection direction, TItemStates states);
    // stayAtEdge: for keys, answer start itself where no neighbour lies that way.
    int NextIndex(int start, TSearchDirection direction, TItemStates states, bool stayAtEdge = false) const;
    // The first item shown (report and list styles; the first one in view in the others).
    TListItem* TopItem();
    int TopIndex() const;
    // Report: rows wholly shown; list: rows per column; icon styles: all items.
    int VisibleRowCount() const;
    // Report: rows wholly shown; list: rows per column x columns wholly shown; icon styles:
    // the item count.
    int CountPerPage() const;
    TRect ItemRect(int index, TDisplayCode code) const;
    void MakeItemVisible(int index, bool partialOK);
    TListScrollInfo ScrollInfo(bool vertical) const;
    // By pixels; in report style dy is rounded to whole rows, and in list style dx counts
    // columns (as the desktop's list control takes it).
    void Scroll(int dx, int dy);
    // The height of the header in report style with headers shown, else 0.
    int HeaderHeight() const;
    THeaderControl* Header() const { return header_; }

    TSortType SortType() const { return sortType_; }
    // Sorts at once unless stNone; later additions are not sorted until AlphaSort.
    void SetSortType(TSortType type);
    // Sorts by OnCompare, else by SortType (captions when stNone); the focused and selected
    // items stay so. False in virtual mode.
    bool AlphaSort();
    bool CustomSort(const std::function<int(TListItem*, TListItem*)>& compare);

    TLVDrawItemEvent OnDrawItem;
    TLVSelectItemEvent OnSelectItem;
    TLVChangeEvent OnChange;
    TLVColumnClickEvent OnColumnClick;
    TLVCompareEvent OnCompare;
    TLVOwnerDataEvent OnData;
    TLVDeletedEvent OnDeletion;

    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void Resize() override;
    void FontChanged() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;

private:
    friend class TListItems;
    friend class TListItem;
    friend class TListColumns;
    friend class TListColumn;

    // Sizes shared by the layout of every style, measured from the font and images.
    struct TMetrics {
        int textHeight = 0;
        int rowHeight = 0;     // report, list and small-icon rows
        int listColumnWidth = 0;
        int cellWidth = 0;     // icon and small-icon cells
        int cellHeight = 0;
        int headerHeight = 0;
    };

    // Items and columns tell the view what changed.
    void ItemChanged(TListItem* item, TItemChange change);
    void ItemInserted(int index);
    void ItemDeleting(TListItem* item);
    void ItemDeleted(int index);
    void ItemCountChanged();
    void ItemsUpdated();
    void ColumnsChanged();
    void FillVirtualItem(TListItem* item);

    // Layout (ListViewLayout.cpp).
    const TMetrics& Metrics() const;
    void LayoutChanged();
    int WidestCaption() const;
    TSize LargeIconSize() const;
    int ItemsPerRow() const;   // icon styles
    int RowsPerColumn() const; // list style
    int ListColumnCount() const;
    TRect ItemArea() const;    // the client area below the header
    TPoint CellOrigin(int index) const;
    std::pair<int, int> VisibleRange() const;
    std::vector<int> ColumnLefts() const; // report: left edge of each column, scrolled
    void SetScrollPos(bool vertical, int pos);
    void ClampScroll();
    void LayoutHeader();
    void UpdateScrollBars();
    void SyncHeader();

    // Painting (ListViewPaint.cpp).
    void PaintItem(TCanvas& canvas, int index);
    void PaintReportRow(TCanvas& canvas, TListItem* item, bool selected);
    void PaintIconItem(TCanvas& canvas, TListItem* item, bool selected);
    void DrawItemImage(TCanvas& canvas, TListItem* item, TImageList* images) const;
    // Where the selection colour goes: the caption (the whole row with RowSelect in report style).
    TRect SelectionFillRect(int index) const;
    TColor TextColor(bool selected) const;
    bool SelectionShown() const;

    // Input (ListViewInput.cpp).
    void ClickItem(int index, TShiftState shift, TMouseButton button);
    int KeyTarget(uint16_t key) const;
    void MoveFocusByKey(int target, TShiftState shift);
    void ScrollRequest(bool vertical, int code, int thumb);
    int ThumbPosition(bool vertical, int thumb, const TListScrollInfo& info);
    void Wheel(int delta);
    void HeaderNotify(TMessage& m);

    // Selection helpers.
    void SelectRange(int from, int to, bool keepOthers);
    void ChangeSelection(const std::vector<int>& turnOn, const std::vector<int>& turnOff);
    void SelectionChanged(int index, bool on);

    TListItems items_;
    TListColumns columns_;
    THeaderControl* header_ = nullptr;
    TViewStyle viewStyle_ = TViewStyle::vsIcon;
    TImageList* largeImages_ = nullptr;
    TImageList* smallImages_ = nullptr;
    TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
    bool multiSelect_ = false;
    bool rowSelect_ = false;
    bool hideSelection_ = true;
    bool showColumnHeaders_ = true;
    bool fullDrag_ = false;
    bool ownerDraw_ = false;
    bool readOnly_ = false;
    bool ownerData_ = false;
    TSortType sortType_ = TSortType::stNone;
    int focused_ = -1;
    int anchor_ = -1;
    int vPos_ = 0;
    int hPos_ = 0;
    bool syncingHeader_ = false;
    bool fillingVirtual_ = false;
    bool updatingBars_ = false;
    std::string typeAhead_;
    uint64_t lastTypeAhead_ = 0;
    mutable TMetrics metrics_;
    mutable bool metricsValid_ = false;
    mutable int widestCaption_ = -1;
};

// The list view as forms place it.
class TListView : public TCustomListView {
public:
    explicit TListView(TComponent* owner) : TCustomListView(owner) {}
    const char* ClassName() const override { return "TListView"; }
};

} // namespace tavrik
