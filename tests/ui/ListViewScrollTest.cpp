#include "ListViewTestUtil.h"

#include "ui/HeaderControl.h"
#include "wsys/WinApi.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using V = std::vector<int>;

class ListScroll : public ListViewTest {
protected:
    void Request(bool vertical, int code, int pos = 0)
    {
        SendMessage(list->Handle(), vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, pos), 0);
    }
    int Row() { return list->ItemRect(0, TDisplayCode::drBounds).Height(); }
    void Report(int columnWidth, int columns = 1)
    {
        list->SetViewStyle(TViewStyle::vsReport);
        for (int i = 0; i < columns; ++i) list->Columns().Add()->SetWidth(columnWidth);
    }
};

} // namespace

TEST_F(ListScroll, ReportScrollsByRowsVerticallyAndPixelsHorizontally)
{
    Report(250, 2);
    Fill(100);
    int row = Row();
    int perPage = (list->ClientHeight() - list->HeaderHeight()) / row;
    EXPECT_EQ(list->CountPerPage(), perPage);
    EXPECT_EQ(list->VisibleRowCount(), perPage);
    EXPECT_EQ(list->ScrollInfo(true), (TListScrollInfo{0, 99, perPage, 0}));
    EXPECT_EQ(list->ScrollInfo(false), (TListScrollInfo{0, 499, list->ClientWidth(), 0}));

    list->Scroll(0, 3 * row); // a linked bar moved by 3 rows
    EXPECT_EQ(list->TopIndex(), 3);
    EXPECT_EQ(list->ItemRect(3, TDisplayCode::drBounds).Top, list->HeaderHeight());
    list->Scroll(0, row / 2 + 1); // rounded to whole rows
    EXPECT_EQ(list->TopIndex(), 4);
    list->Scroll(0, -(row / 2 - 1));
    EXPECT_EQ(list->TopIndex(), 4);
    Request(true, SB_LINEDOWN);
    EXPECT_EQ(list->TopIndex(), 5);
    Request(true, SB_PAGEDOWN);
    EXPECT_EQ(list->TopIndex(), 5 + perPage);
    Request(true, SB_THUMBPOSITION, 40);
    EXPECT_EQ(list->TopItem()->Index(), 40);
    Request(true, SB_BOTTOM);
    EXPECT_EQ(list->TopIndex(), 100 - perPage); // the last page is full
    list->Scroll(0, 1000 * row);
    EXPECT_EQ(list->ScrollInfo(true).Pos, 100 - perPage);
    Request(true, SB_LINEUP);
    EXPECT_EQ(list->TopIndex(), 99 - perPage);

    list->Scroll(50, 0);
    EXPECT_EQ(list->ScrollInfo(false).Pos, 50);
    EXPECT_EQ(list->ItemRect(0, TDisplayCode::drBounds).Left, -50);
    EXPECT_EQ(list->Header()->Left(), -50); // the header moves with the columns
    list->Scroll(10000, 0);
    EXPECT_EQ(list->ScrollInfo(false).Pos, 500 - list->ClientWidth());
}

TEST_F(ListScroll, AReportWhoseRowsAllFitHasNothingToScroll)
{
    Report(100);
    int perPage = list->CountPerPage();
    Fill(perPage);
    TListScrollInfo info = list->ScrollInfo(true);
    EXPECT_EQ(info.Max + 1, info.Page); // a linked bar hides
    list->Scroll(0, 5 * Row());
    EXPECT_EQ(list->TopIndex(), 0);
    list->Items().Add();
    info = list->ScrollInfo(true);
    EXPECT_LT(info.Page, info.Max + 1);
    list->Scroll(0, 5 * Row());
    EXPECT_EQ(list->TopIndex(), 1);
    // Deleting rows scrolls back so that no empty space shows below the last.
    list->Items().Delete(0);
    EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListScroll, ListStyleScrollsByColumns)
{
    list->SetViewStyle(TViewStyle::vsList);
    Fill(100);
    int rows = list->VisibleRowCount();
    int columns = (100 + rows - 1) / rows;
    int width = list->ItemRect(0, TDisplayCode::drBounds).Width();
    EXPECT_EQ(list->ScrollInfo(false), (TListScrollInfo{0, columns - 1, list->ClientWidth() / width, 0}));
    EXPECT_EQ(list->ScrollInfo(true), TListScrollInfo{});
    EXPECT_EQ(list->CountPerPage(), rows * (list->ClientWidth() / width));
    Request(false, SB_LINEDOWN); // SB_LINERIGHT
    Request(false, SB_LINEDOWN);
    EXPECT_EQ(list->TopIndex(), 2 * rows);
    EXPECT_EQ(list->ItemRect(2 * rows, TDisplayCode::drBounds).Left, 0);
    list->Scroll(-1, 0); // columns, not pixels
    EXPECT_EQ(list->ScrollInfo(false).Pos, 1);
    Request(false, SB_LINEUP);
    Request(false, SB_LINEUP);
    EXPECT_EQ(list->ScrollInfo(false).Pos, 0);
    // The wheel moves a column per notch.
    list->SetFocus();
    screen->Wheel(-2 * WHEEL_DELTA);
    EXPECT_EQ(list->ScrollInfo(false).Pos, 2);
    // The focus moved off screen by keys brings its column into view.
    screen->PressKey(VK_END);
    EXPECT_EQ(list->ScrollInfo(false).Pos, list->ScrollInfo(false).Max - list->ScrollInfo(false).Page + 1);
    EXPECT_TRUE(list->ClientRect().Contains(list->ItemRect(99, TDisplayCode::drBounds)));
}

TEST_F(ListScroll, IconStylesScrollByPixels)
{
    for (TViewStyle style : {TViewStyle::vsIcon, TViewStyle::vsSmallIcon}) {
        SCOPED_TRACE(int(style));
        list->Items().Clear();
        list->SetViewStyle(style);
        Fill(100);
        TRect cell = list->ItemRect(0, TDisplayCode::drBounds);
        int perRow = list->ClientWidth() / cell.Width();
        int rows = (100 + perRow - 1) / perRow;
        EXPECT_EQ(list->ScrollInfo(true), (TListScrollInfo{0, rows * cell.Height() - 1, list->ClientHeight(), 0}));
        EXPECT_EQ(list->CountPerPage(), 100);
        EXPECT_EQ(list->ItemRect(perRow, TDisplayCode::drBounds).Top, cell.Height());
        list->Scroll(0, 3);
        EXPECT_EQ(list->ItemRect(0, TDisplayCode::drBounds).Top, -3);
        EXPECT_EQ(list->TopIndex(), 0);
        list->Scroll(0, cell.Height());
        EXPECT_EQ(list->TopIndex(), perRow);
        list->SetFocus();
        screen->PressKey(VK_END);
        EXPECT_EQ(list->ScrollInfo(true).Pos, rows * cell.Height() - list->ClientHeight());
    }
}

TEST_F(ListScroll, ChangingTheStyleStartsAtTheTop)
{
    Report(100);
    Fill(50);
    list->Scroll(0, 10 * Row());
    list->SetViewStyle(TViewStyle::vsList);
    EXPECT_EQ(list->TopIndex(), 0);
    list->SetViewStyle(TViewStyle::vsReport);
    EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListScroll, ScrollQueriesAreAnsweredByMessagesToo)
{
    Report(100);
    Fill(30);
    HWND h = list->Handle();
    EXPECT_EQ(SendMessage(h, LVM_GETITEMCOUNT), 30);
    EXPECT_EQ(SendMessage(h, LVM_GETCOUNTPERPAGE), list->CountPerPage());
    SendMessage(h, LVM_SCROLL, 0, 2 * Row());
    EXPECT_EQ(SendMessage(h, LVM_GETTOPINDEX), 2);
    TRect r{LVIR_BOUNDS, 0, 0, 0};
    ASSERT_EQ(SendMessage(h, LVM_GETITEMRECT, 2, PtrToLParam(&r)), 1);
    EXPECT_EQ(r, list->ItemRect(2, TDisplayCode::drBounds));
    r = {LVIR_SELECTBOUNDS + 1, 0, 0, 0};
    EXPECT_EQ(SendMessage(h, LVM_GETITEMRECT, 2, PtrToLParam(&r)), 0);
    EXPECT_EQ(SendMessage(h, LVM_GETITEMRECT, 30, PtrToLParam(&r)), 0);
    EXPECT_EQ(HandleFromValue(uint64_t(SendMessage(h, LVM_GETHEADER))), list->Header()->Handle());
}

TEST_F(ListScroll, ReportPageKeysGoToTheEdgeOfThePageFirst)
{
    Report(100);
    Fill(100);
    int perPage = list->CountPerPage();
    ClickItem(0);
    screen->PressKey(VK_NEXT);
    EXPECT_EQ(list->FocusedIndex(), perPage - 1);
    EXPECT_EQ(list->TopIndex(), 0);
    screen->PressKey(VK_NEXT);
    EXPECT_EQ(list->FocusedIndex(), 2 * perPage - 2);
    EXPECT_EQ(list->TopIndex(), perPage - 1);
    screen->PressKey(VK_PRIOR);
    EXPECT_EQ(list->FocusedIndex(), perPage - 1);
    screen->PressKey(VK_END);
    EXPECT_EQ(list->TopIndex(), 100 - perPage);
    screen->PressKey(VK_HOME);
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(list->Items().SelectedIndices(), V({0}));
}

TEST_F(ListScroll, TheWindowsOwnBarsShowTheRangesAndScrollTheList)
{
    Report(100);
    Fill(3);
    HWND h = list->Handle();
    auto style = [&] { return GetWindowLongPtr(h, GWL_STYLE) & (WS_VSCROLL | WS_HSCROLL); };
    EXPECT_EQ(style(), 0);
    list->Items().BeginUpdate();
    for (int i = 0; i < 97; ++i) list->Items().Add()->SetCaption("more");
    list->Items().EndUpdate();
    EXPECT_EQ(style(), LONG_PTR(WS_VSCROLL));
    EXPECT_EQ(list->ClientWidth(), 300 - 4 - GetSystemMetrics(SM_CXVSCROLL));
    auto native = [&](int bar) {
        SCROLLINFO si;
        si.fMask = SIF_ALL;
        GetScrollInfo(h, bar, &si);
        return TListScrollInfo{si.nMin, si.nMax, int(si.nPage), si.nPos};
    };
    EXPECT_EQ(native(SB_VERT), list->ScrollInfo(true));

    // A press on the bar's lower arrow scrolls one row.
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(h, OBJID_VSCROLL, &bar));
    TRect r = bar.rcScrollBar;
    screen->WhenIdle([&] { screen->MouseUp(); }); // released before the press repeats
    screen->MouseMove((r.Left + r.Right) / 2, r.Bottom - bar.dxyLineButton / 2);
    screen->MouseDown();
    EXPECT_EQ(list->TopIndex(), 1);
    list->Scroll(0, 3 * Row());
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 4);

    // Wider columns bring the horizontal bar, which takes rows off the page.
    int perPage = list->CountPerPage();
    list->Columns()[0]->SetWidth(600);
    EXPECT_EQ(style(), LONG_PTR(WS_VSCROLL | WS_HSCROLL));
    EXPECT_LT(list->CountPerPage(), perPage);
    EXPECT_EQ(native(SB_VERT), list->ScrollInfo(true));
    EXPECT_EQ(native(SB_HORZ), list->ScrollInfo(false));
    list->Items().Clear();
    list->Columns()[0]->SetWidth(50);
    EXPECT_EQ(style(), 0);
}
