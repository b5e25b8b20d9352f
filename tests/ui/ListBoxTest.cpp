#include "support/UiTest.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "support/Placement.h"
#include "ui/ListBox.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class ListBox : public UiTest {
protected:
    TForm* form = nullptr;
    TListBox* list = nullptr;
    int clicks = 0;

    void SetUp() override
    {
        form = NewForm(100, 100, 400, 300);
        list = test::NewChild<TListBox>(form, 10, 10, 120, 100);
        list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
        list->SetItemHeight(20);
        list->OnClick = [this](TComponent*) { ++clicks; };
    }
    void Fill(int count)
    {
        list->Items().BeginUpdate();
        for (int i = 0; i < count; ++i) list->Items().Add("Item " + std::to_string(i));
        list->Items().EndUpdate();
    }
    void Fill(const std::vector<std::string>& texts) { list->Items().Assign(texts); }
    TPoint RowPoint(int row) const { return list->ClientToScreen({30, row * 20 + 10}); }
    void ClickRow(int row, UINT modifier = 0)
    {
        if (modifier) screen->KeyDown(modifier);
        screen->Click(RowPoint(row).x, RowPoint(row).y);
        if (modifier) screen->KeyUp(modifier);
    }
    void Press(UINT key, UINT modifier = 0)
    {
        if (modifier) screen->KeyDown(modifier);
        screen->PressKey(key);
        if (modifier) screen->KeyUp(modifier);
    }
    std::vector<int> SelectedItems() const
    {
        std::vector<int> v;
        for (int i = 0; i < list->Count(); ++i)
            if (list->Selected(i)) v.push_back(i);
        return v;
    }
    // The list's answer and its window's bar agree.
    void ExpectScroll(int min, int max, int page, int position)
    {
        int a, b, c, d;
        list->GetScrollRange(a, b, c, d);
        EXPECT_EQ(std::vector<int>({a, b, c, d}), std::vector<int>({min, max, page, position}));
        SCROLLINFO info;
        info.fMask = SIF_ALL;
        ASSERT_TRUE(GetScrollInfo(list->Handle(), SB_VERT, &info));
        EXPECT_EQ(std::vector<int>({info.nMin, info.nMax, int(info.nPage), info.nPos}),
                  std::vector<int>({min, max, page, position}));
        bool shown = (GetWindowLongPtr(list->Handle(), GWL_STYLE) & WS_VSCROLL) != 0;
        EXPECT_EQ(shown, page <= max - min);
    }
};

} // namespace

TEST_F(ListBox, RowsScrollByItemsWithinTheirRange)
{
    Fill(12);
    EXPECT_EQ(list->VisibleRows(), 5);
    int w = list->ClientWidth();
    EXPECT_LT(w, 120) << "the scroll bar takes its room";
    EXPECT_EQ(list->ItemRect(1), Rect(0, 20, w, 40));
    EXPECT_EQ(list->ItemAtPos({5, 99}, true), 4);
    EXPECT_EQ(list->ItemAtPos({5, 300}, true), -1);
    EXPECT_EQ(list->ItemAtPos({5, 300}, false), 12);
    ExpectScroll(0, 11, 5, 0);

    list->SetTopIndex(50);
    EXPECT_EQ(list->TopIndex(), 7) << "the last page ends with the last item";
    EXPECT_EQ(list->ItemRect(7), Rect(0, 0, w, 20));
    EXPECT_EQ(list->ItemRect(6), Rect(0, -20, w, 0));
    ExpectScroll(0, 11, 5, 7);

    struct TCase {
        int code, thumb, from, expected;
    } cases[] = {
        {SB_LINEUP, 0, 3, 2},        {SB_LINEDOWN, 0, 3, 4},          {SB_PAGEUP, 0, 6, 1},
        {SB_PAGEDOWN, 0, 1, 6},      {SB_THUMBPOSITION, 5, 0, 5},     {SB_THUMBTRACK, 2, 0, 2},
        {SB_TOP, 0, 5, 0},           {SB_BOTTOM, 0, 0, 7},            {SB_LINEUP, 0, 0, 0},
        {SB_PAGEDOWN, 0, 5, 7},      {SB_THUMBPOSITION, 99, 0, 7},    {SB_ENDSCROLL, 0, 4, 4},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE("code " + std::to_string(c.code) + " from " + std::to_string(c.from));
        list->SetTopIndex(c.from);
        list->Perform(WM_VSCROLL, MAKEWPARAM(c.code, c.thumb));
        EXPECT_EQ(list->TopIndex(), c.expected);
    }

    // The wheel turns three rows per notch, over the focused list.
    list->SetTopIndex(0);
    list->SetFocus();
    screen->Wheel(-WHEEL_DELTA);
    EXPECT_EQ(list->TopIndex(), 3);
    screen->Wheel(WHEEL_DELTA * 2);
    EXPECT_EQ(list->TopIndex(), 0);

    // Fewer items than rows: nothing to scroll.
    list->Items().Clear();
    Fill(3);
    ExpectScroll(0, 2, 3, 0);
    list->SetTopIndex(2);
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(list->ClientWidth(), 120);

    // The bar's own arrow sends the request.
    Fill(12);
    TRect bar = GetWindowRect(list->Handle());
    screen->MouseMove(bar.Right - 5, bar.Bottom - 5);
    screen->WhenIdle([&] { screen->MouseUp(); });
    screen->MouseDown();
    EXPECT_EQ(list->TopIndex(), 1);
    ExpectScroll(0, 14, 5, 1);
}

TEST_F(ListBox, VariableRowsTakeTheMeasuredHeights)
{
    list->SetStyle(TListBoxStyle::lbOwnerDrawVariable);
    list->OnMeasureItem = [](TComponent*, int index, int& height) { height = 10 + 5 * index; };
    Fill(8); // 10, 15, 20, 25, 30, 35, 40, 45
    EXPECT_EQ(list->ItemRect(3), Rect(0, 45, list->ClientWidth(), 70));
    EXPECT_EQ(list->VisibleRows(), 5) << "10 + 15 + 20 + 25 + 30 fill the 100 pixels exactly";
    EXPECT_EQ(list->ItemAtPos({0, 44}, true), 2);
    EXPECT_EQ(list->ItemAtPos({0, 45}, true), 3);
    list->SetTopIndex(8);
    EXPECT_EQ(list->TopIndex(), 6) << "40 + 45 fit at the end, 35 more do not";
    EXPECT_EQ(list->Perform(LB_GETITEMHEIGHT, 5), 35);
}

TEST_F(ListBox, MouseSelectsOneItemAndDragsTheSelection)
{
    Fill(12);
    ClickRow(2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(SelectedItems(), std::vector<int>{2});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(list->Focused());

    screen->Drag(RowPoint(2), RowPoint(4), 2);
    EXPECT_EQ(list->ItemIndex(), 4);
    EXPECT_EQ(SelectedItems(), std::vector<int>{4});

    // Below the last item a click changes nothing.
    list->Items().Clear();
    Fill(2);
    list->SetItemIndex(1);
    clicks = 0;
    ClickRow(4);
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicks, 0);

    // The selection moves with its item when items come and go.
    list->Items().Insert(0, "new");
    EXPECT_EQ(list->ItemIndex(), 2);
    list->Items().Delete(2);
    EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListBox, ExtendedSelectionFollowsShiftAndCtrl)
{
    list->SetMultiSelect(true);
    Fill(12);
    ClickRow(1);
    ClickRow(4, VK_SHIFT);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 2, 3, 4}));
    ClickRow(2, VK_CONTROL);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(list->ItemIndex(), 2) << "the caret is the item index";
    ClickRow(3, VK_SHIFT);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{2, 3})) << "the range starts at the last Ctrl+click";
    Press(VK_DOWN, VK_SHIFT);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{2, 3, 4}));
    Press(VK_DOWN, VK_CONTROL);
    EXPECT_EQ(list->ItemIndex(), 5);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{2, 3, 4})) << "Ctrl moves the caret alone";
    Press(VK_SPACE, VK_CONTROL);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(list->TopIndex(), 1) << "the caret was scrolled into view";
    list->SetTopIndex(0);
    ClickRow(0);
    EXPECT_EQ(SelectedItems(), std::vector<int>{0});
    EXPECT_EQ(list->SelCount(), 1);
    list->SelectAll();
    EXPECT_EQ(list->SelCount(), 12);

    // Without ExtendedSelect every click and Space toggle one item.
    list->ClearSelection();
    list->SetExtendedSelect(false);
    ClickRow(1);
    ClickRow(3);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3}));
    ClickRow(1);
    EXPECT_EQ(SelectedItems(), std::vector<int>{3});
    Press(VK_DOWN);
    Press(VK_SPACE);
    EXPECT_EQ(SelectedItems(), (std::vector<int>{2, 3}));

    // Back to single selection the caret item stays selected when it was.
    list->SetMultiSelect(false);
    EXPECT_EQ(SelectedItems(), std::vector<int>{2});
    EXPECT_EQ(list->ItemIndex(), 2);
}

TEST_F(ListBox, KeysMoveTheSelectionAndScrollItIntoView)
{
    Fill(12);
    list->SetFocus();
    struct TStep {
        UINT key;
        int index, top;
    } steps[] = {
        {VK_DOWN, 0, 0}, {VK_DOWN, 1, 0},  {VK_NEXT, 5, 1}, {VK_NEXT, 9, 5}, {VK_END, 11, 7},
        {VK_UP, 10, 7},  {VK_PRIOR, 6, 6}, {VK_HOME, 0, 0}, {VK_UP, 0, 0},
    };
    for (const TStep& s : steps) {
        SCOPED_TRACE("key " + std::to_string(s.key));
        Press(s.key);
        EXPECT_EQ(list->ItemIndex(), s.index);
        EXPECT_EQ(list->TopIndex(), s.top);
    }
    EXPECT_EQ(clicks, 8) << "every real change of the selection, not the last Up";
}

TEST_F(ListBox, TypedLettersFindItemsUntilThePauseEndsTheSearch)
{
    Fill({"apple", "Apricot", "banana", "blueberry", "cherry", "图片处理", "图库"});
    list->SetFocus();
    struct TStep {
        const char* typed;
        uint64_t pauseBefore;
        int index;
    } steps[] = {
        {"b", 0, 2},    {"l", 100, 3},  // "bl" within the time-out
        {"a", 1500, 0}, {"p", 200, 0},  {"r", 200, 1}, // "apr" ignores case
        {"c", 1500, 4}, {"c", 100, 4},  // "cc": only one item starts with c
        {"a", 1500, 0}, {"a", 300, 1},  {"a", 300, 0}, // the same letter again steps on
        {"x", 1500, 0},                 // nothing starts with x
        {"图", 1500, 5}, {"库", 100, 6},
    };
    for (const TStep& s : steps) {
        SCOPED_TRACE(std::string("typed ") + s.typed);
        screen->Advance(s.pauseBefore);
        screen->TypeText(s.typed);
        EXPECT_EQ(list->ItemIndex(), s.index);
    }
}

TEST_F(ListBox, ListRequestsAnswerAsTheNativeList)
{
    EXPECT_EQ(list->Perform(LB_ADDSTRING, 0, PtrToLParam("zero")), 0);
    EXPECT_EQ(list->Perform(LB_ADDSTRING, 0, PtrToLParam("two")), 1);
    EXPECT_EQ(list->Perform(LB_INSERTSTRING, 1, PtrToLParam("One")), 1);
    EXPECT_EQ(list->Perform(LB_GETCOUNT), 3);
    EXPECT_EQ(list->Perform(LB_GETTEXTLEN, 1), 3);
    char buffer[8] = {};
    EXPECT_EQ(list->Perform(LB_GETTEXT, 2, PtrToLParam(buffer)), 3);
    EXPECT_STREQ(buffer, "two");
    EXPECT_EQ(list->Perform(LB_GETTEXT, 3, PtrToLParam(buffer)), LB_ERR);
    EXPECT_EQ(list->Perform(LB_FINDSTRING, WPARAM(-1), PtrToLParam("on")), 1);
    EXPECT_EQ(list->Perform(LB_FINDSTRING, 1, PtrToLParam("t")), 2);
    EXPECT_EQ(list->Perform(LB_FINDSTRINGEXACT, WPARAM(-1), PtrToLParam("on")), LB_ERR);
    EXPECT_EQ(list->Perform(LB_FINDSTRINGEXACT, WPARAM(-1), PtrToLParam("ONE")), 1);

    EXPECT_EQ(list->Perform(LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(list->Perform(LB_SETCURSEL, 2), 2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(list->Perform(LB_SETCURSEL, 7), LB_ERR);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_EQ(list->Perform(LB_SETSEL, 1, 0), LB_ERR) << "single selection";
    EXPECT_EQ(list->Perform(LB_GETSELCOUNT), LB_ERR);

    int data = 0;
    EXPECT_EQ(list->Perform(LB_SETITEMDATA, 1, PtrToLParam(&data)), 0);
    EXPECT_EQ(list->Items().Objects(1), &data);
    EXPECT_EQ(list->Perform(LB_GETITEMDATA, 1), PtrToLParam(&data));

    TRect r;
    EXPECT_EQ(list->Perform(LB_GETITEMRECT, 1, PtrToLParam(&r)), 1);
    EXPECT_EQ(r, Rect(0, 20, 120, 40));
    EXPECT_EQ(list->Perform(LB_ITEMFROMPOINT, 0, PointToLParam({5, 25})), MAKELRESULT(1, 0));
    EXPECT_EQ(list->Perform(LB_ITEMFROMPOINT, 0, PointToLParam({5, 95})), MAKELRESULT(2, 1));
    EXPECT_EQ(list->Perform(LB_GETITEMHEIGHT), 20);
    EXPECT_EQ(list->Perform(LB_SETITEMHEIGHT, 0, 25), 0);
    EXPECT_EQ(list->ItemRect(1), Rect(0, 25, 120, 50));
    EXPECT_EQ(list->Perform(LB_DELETESTRING, 0), 2);
    EXPECT_EQ(list->Perform(LB_DELETESTRING, 5), LB_ERR);

    list->SetMultiSelect(true);
    EXPECT_EQ(list->Perform(LB_SETSEL, 1, -1), 0);
    EXPECT_EQ(list->Perform(LB_GETSELCOUNT), 2);
    EXPECT_EQ(list->Perform(LB_GETSEL, 0), 1);
    list->Perform(LB_RESETCONTENT);
    EXPECT_EQ(list->Count(), 0);
}

TEST_F(ListBox, ListRequestsForAnItemOutsideTheListFailAndChangeNothing)
{
    for (const char* s : {"a", "b", "c"}) list->Items().Add(s);
    list->SetItemIndex(1);
    char buffer[8] = "x";
    TRect rect{1, 2, 3, 4};
    const UINT requests[] = {LB_DELETESTRING, LB_GETSEL,      LB_GETTEXTLEN,    LB_GETTEXT,
                             LB_GETITEMDATA,  LB_SETITEMDATA, LB_SETCARETINDEX, LB_GETITEMRECT};
    for (UINT request : requests)
        for (int64_t index : {int64_t(-1), int64_t(3), int64_t(INT32_MAX), int64_t(INT32_MIN)}) {
            SCOPED_TRACE(::testing::Message() << "request " << request << ", index " << index);
            LPARAM lParam = request == LB_GETTEXT ? PtrToLParam(buffer) : request == LB_GETITEMRECT ? PtrToLParam(&rect) : 0;
            EXPECT_EQ(list->Perform(request, WPARAM(index), lParam), LB_ERR);
            EXPECT_EQ(list->Count(), 3);
            EXPECT_EQ(list->ItemIndex(), 1);
            EXPECT_STREQ(buffer, "x");
            EXPECT_EQ(rect, (TRect{1, 2, 3, 4}));
        }
}

TEST_F(ListBox, SortedItemsTakeTheirPlace)
{
    list->SetSorted(true);
    for (const char* s : {"pear", "Apple", "fig", "banana"}) list->Items().Add(s);
    EXPECT_EQ(list->Items()[0], "Apple");
    EXPECT_EQ(list->Items()[3], "pear");
    EXPECT_EQ(list->Perform(LB_ADDSTRING, 0, PtrToLParam("cherry")), 2);
    list->Items().SetString(0, "zucchini");
    EXPECT_EQ(list->Items()[4], "zucchini");
}

TEST_F(ListBox, OwnerDrawGetsEachVisibleItemWithItsState)
{
    Fill(12);
    list->SetTopIndex(2);
    const TColor colours[] = {clRed, clLime, clBlue, clYellow, clFuchsia, clAqua};
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    list->OnDrawItem = [&](TComponent*, int index, TRect r, TOwnerDrawState state) {
        drawn.push_back({index, state});
        list->Canvas()->Brush().Color = colours[index % 6];
        list->Canvas()->FillRect(r);
    };
    list->SetFocus();
    list->SetItemIndex(3);
    ProcessMessages();
    for (int row = 0; row < 5; ++row) {
        SCOPED_TRACE("row " + std::to_string(row));
        EXPECT_EQ(Pixel(list->ClientToScreen({60, row * 20 + 10})), colours[(row + 2) % 6]);
    }
    drawn.clear();
    list->Invalidate();
    ProcessMessages();
    ASSERT_EQ(drawn.size(), 5u) << "items 2 to 6, of which 6 is only partly visible";
    EXPECT_EQ(drawn[1], (std::pair<int, TOwnerDrawState>{3, odSelected | odFocused}));
    EXPECT_EQ(drawn[0].second, 0u);

    // The standard style draws the selection in the highlight colour.
    list->SetStyle(TListBoxStyle::lbStandard);
    list->SetTopIndex(0);
    ProcessMessages();
    TRect selected = list->ItemRect(3);
    EXPECT_EQ(Pixel(list->ClientToScreen({100, selected.Top + 2})), ColorToRGB(clHighlight));
    EXPECT_EQ(Pixel(list->ClientToScreen({100, list->ItemRect(1).Top + 2})), ColorToRGB(clWindow));
}
