#pragma once

#include "ui/CustomControl.h"
#include "ui/OwnerDrawState.h"
#include "ui/StringItems.h"

#include <functional>
#include <vector>

namespace tavrik {

// Requests the list box answers, with the numbers and parameters of the native list.
// Strings travel as const char* (UTF-8); LB_GETTEXT copies into a buffer of LB_GETTEXTLEN + 1.
constexpr LRESULT LB_ERR = -1;
constexpr UINT LB_ADDSTRING = 0x0180;
constexpr UINT LB_INSERTSTRING = 0x0181;
constexpr UINT LB_DELETESTRING = 0x0182;
constexpr UINT LB_RESETCONTENT = 0x0184;
constexpr UINT LB_SETSEL = 0x0185; // wParam: select; lParam: item, -1 for all
constexpr UINT LB_SETCURSEL = 0x0186;
constexpr UINT LB_GETSEL = 0x0187;
constexpr UINT LB_GETCURSEL = 0x0188;
constexpr UINT LB_GETTEXT = 0x0189;
constexpr UINT LB_GETTEXTLEN = 0x018A;
constexpr UINT LB_GETCOUNT = 0x018B;
constexpr UINT LB_GETTOPINDEX = 0x018E;
constexpr UINT LB_FINDSTRING = 0x018F; // wParam: item to start after (-1: from the top); lParam: prefix
constexpr UINT LB_GETSELCOUNT = 0x0190;
constexpr UINT LB_SETTOPINDEX = 0x0197;
constexpr UINT LB_GETITEMRECT = 0x0198; // lParam: TRect*
constexpr UINT LB_GETITEMDATA = 0x0199;
constexpr UINT LB_SETITEMDATA = 0x019A;
constexpr UINT LB_SETCARETINDEX = 0x019E;
constexpr UINT LB_GETCARETINDEX = 0x019F;
constexpr UINT LB_SETITEMHEIGHT = 0x01A0;
constexpr UINT LB_GETITEMHEIGHT = 0x01A1;
constexpr UINT LB_FINDSTRINGEXACT = 0x01A2;
constexpr UINT LB_ITEMFROMPOINT = 0x01A9; // lParam: client point; answer: LOWORD item, HIWORD 1 when outside

enum class TListBoxStyle : uint8_t { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

using TDrawItemEvent = std::function<void(TComponent* Sender, int Index, TRect Rect, TOwnerDrawState State)>;
using TMeasureItemEvent = std::function<void(TComponent* Sender, int Index, int& Height)>;

// A list of strings, one per row, scrolled vertically, with single, multiple or extended
// selection, keyboard navigation and search by typed prefix. Owner-drawn styles let the
// program draw each item on Canvas in OnDrawItem, at a fixed height (ItemHeight) or at the
// height OnMeasureItem gives each item.
//
// The caret (the focused item, ItemIndex in the multiple-selection modes) and the selection
// are apart: in single selection they are the same item.
class TCustomListBox : public TCustomControl {
public:
    explicit TCustomListBox(TComponent* owner);
    const char* ClassName() const override { return "TCustomListBox"; }

    TStringItems& Items() { return items_; }
    const TStringItems& Items() const { return items_; }
    int Count() const { return items_.Count(); }
    // The selected item in single selection, the caret item otherwise; -1 for none.
    int ItemIndex() const;
    void SetItemIndex(int index);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool on);
    // With MultiSelect: Shift and Ctrl extend the selection (on) or every click and Space
    // toggles an item (off).
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool on) { extendedSelect_ = on; }
    bool Selected(int index) const;
    void SetSelected(int index, bool on);
    int SelCount() const;
    void ClearSelection();
    void SelectAll();
    bool Sorted() const { return items_.Sorted(); }
    void SetSorted(bool on) { items_.SetSorted(on); }

    TListBoxStyle Style() const { return style_; }
    void SetStyle(TListBoxStyle style);
    // The row height of the fixed styles; the standard style takes it from the font.
    int ItemHeight() const;
    void SetItemHeight(int height);

    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    // Rows that fit completely.
    int VisibleRows() const;
    // The item at a client point; with `existing` -1 below the last item, else the item the
    // point would be (Count() below the last).
    int ItemAtPos(TPoint p, bool existing) const;
    // The item's rectangle in client coordinates (above or below the client area when it is
    // scrolled out); empty for an invalid index.
    TRect ItemRect(int index) const;

    // Vertical scrolling in items: range 0 .. Count() - 1, a page of VisibleRows().
    void GetScrollRange(int& min, int& max, int& page, int& position) const;

    void WndProc(TMessage& message) override;

    TDrawItemEvent OnDrawItem;
    TMeasureItemEvent OnMeasureItem;

protected:
    void Paint() override;
    virtual void DrawItem(int index, const TRect& rect, TOwnerDrawState state);
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void FontChanged() override;
    void Resize() override;
    void CreateWnd() override;
    // Fired when the user changed the selection.
    virtual void SelectionChanged();

private:
    static constexpr unsigned kSelectedBit = 1;
    void ItemsChanged();
    int RowHeight(int index) const;
    int RowTop(int index) const; // relative to the top of item 0
    void UpdateHeights();
    void UpdateScrollBar();
    void Scroll(int code, int thumb);
    void MoveCaret(int index, TShiftState shift, bool byMouse);
    void MarkSelected(int index, bool on);
    void SelectOnly(int index);
    void SelectRange(int from, int to);
    void MakeVisible(int index);
    void InvalidateItem(int index);
    bool ValidIndex(int index) const { return index >= 0 && index < Count(); }
    enum class TFindMode : uint8_t { Prefix, Whole };
    // The first item after `after`, going round, whose text starts with (or is) text, case
    // ignored; -1 when none does.
    int FindString(const std::string& text, int after, TFindMode mode) const;
    // Handles the list box messages (LB_*): true when it did, with the result in m.Result,
    // as every message handler of a control does.
    bool ListMessage(TMessage& m);
    LRESULT SetSelMessage(bool select, int item);
    LRESULT SetItemHeightMessage(int index, int height);

    TStringItems items_;
    TListBoxStyle style_ = TListBoxStyle::lbStandard;
    int itemHeight_ = 16;
    std::vector<int> heights_; // lbOwnerDrawVariable: measured rows
    bool multiSelect_ = false;
    bool extendedSelect_ = true;
    int caret_ = -1;
    int anchor_ = -1;
    int topIndex_ = 0;
    bool dragging_ = false;
    bool updatingBar_ = false;
    std::string prefix_;
    uint64_t prefixTime_ = 0;
};

// The list box with everything published.
class TListBox : public TCustomListBox {
public:
    explicit TListBox(TComponent* owner) : TCustomListBox(owner) {}
    const char* ClassName() const override { return "TListBox"; }
};

} // namespace tavrik
