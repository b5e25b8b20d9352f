#include "ListViewTestUtil.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using V = std::vector<int>;

class ListItems : public ListViewTest {
protected:
    std::vector<std::string> Captions()
    {
        std::vector<std::string> out;
        for (int i = 0; i < list->Items().Count(); ++i) out.push_back(list->Items()[i]->Caption());
        return out;
    }
    void Add(const std::string& caption, intptr_t data = 0)
    {
        TListItem* item = list->Items().Add();
        item->SetCaption(caption);
        item->SetData(reinterpret_cast<void*>(data));
    }
};

} // namespace

TEST_F(ListItems, AlphaSortOrdersCaptionsIgnoringCaseAndKeepsFocusAndSelectionOnTheirItems)
{
    list->SetMultiSelect(true);
    for (const char* c : {"pear", "Apple", "fig", "apple", "Banana"}) Add(c);
    list->Items()[0]->SetSelected(true); // pear
    list->Items()[2]->SetFocused(true);  // fig
    EXPECT_TRUE(list->AlphaSort());
    // Equal captions keep their order.
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Apple", "apple", "Banana", "fig", "pear"}));
    EXPECT_EQ(list->Selected()->Caption(), "pear");
    EXPECT_EQ(list->ItemFocused()->Caption(), "fig");
    for (int i = 0; i < 5; ++i) EXPECT_EQ(list->Items()[i]->Index(), i);
}

TEST_F(ListItems, SortTypeAndOnCompareChooseTheOrder)
{
    Add("b", 1);
    Add("a", 3);
    Add("a", 2);
    list->SetSortType(TSortType::stData);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"b", "a", "a"}));
    EXPECT_EQ(reinterpret_cast<intptr_t>(list->Items()[2]->Data()), 3);
    list->SetSortType(TSortType::stBoth);
    EXPECT_EQ(reinterpret_cast<intptr_t>(list->Items()[0]->Data()), 2);
    EXPECT_EQ(Captions(), (std::vector<std::string>{"a", "a", "b"}));
    list->OnCompare = [](TComponent*, TListItem* a, TListItem* b, intptr_t, int& result) {
        result = b->Caption().compare(a->Caption()); // descending
    };
    list->AlphaSort();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"b", "a", "a"}));
    // Later additions wait for the next sort.
    Add("c");
    EXPECT_EQ(Captions().back(), "c");
}

TEST_F(ListItems, ChangesFireOnChangeOutsideUpdatesAndDeletionsFireOnDeletion)
{
    std::vector<std::string> log;
    list->OnChange = [&](TComponent*, TListItem* item, TItemChange change) {
        log.push_back(std::to_string(item->Index()) + ":" + std::to_string(int(change)));
    };
    list->OnDeletion = [&](TComponent*, TListItem* item) { log.push_back("del " + item->Caption()); };
    Add("a");
    list->Items()[0]->SetImageIndex(2);
    list->Items()[0]->SetImageIndex(2); // no change
    EXPECT_EQ(log, (std::vector<std::string>{"0:0", "0:1"}));
    log.clear();
    list->Items().BeginUpdate();
    Add("b");
    list->Items()[0]->SetCaption("c");
    list->Items().EndUpdate();
    EXPECT_TRUE(log.empty());
    list->Items().Delete(1);
    list->Items().Clear();
    EXPECT_EQ(log, (std::vector<std::string>{"del b", "del c"}));
}

TEST_F(ListItems, NothingIsPaintedWhileTheItemsAreBeingUpdated)
{
    list->SetViewStyle(TViewStyle::vsReport);
    list->Columns().Add();
    Fill(3);
    int paints = 0;
    TWindowSubclass counter;
    counter = TWindowSubclass(list->Handle(), [&](HWND, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_PAINT) ++paints;
        return counter.CallPrevious(msg, wp, lp);
    });
    list->Items().BeginUpdate();
    for (int i = 0; i < 50; ++i) list->Items().Add()->SetCaption("x");
    ProcessMessages();
    EXPECT_EQ(paints, 0);
    list->Items().EndUpdate();
    ProcessMessages();
    EXPECT_EQ(paints, 1);
}

TEST_F(ListItems, GetNextItemFindsNeighboursAndStates)
{
    list->SetViewStyle(TViewStyle::vsSmallIcon);
    list->SetMultiSelect(true);
    Fill(10);
    int perRow = list->ClientWidth() / list->ItemRect(0, TDisplayCode::drBounds).Width();
    ASSERT_GE(perRow, 2);
    TListItem* first = list->Items()[0];
    EXPECT_EQ(list->GetNextItem(first, TSearchDirection::sdRight, isNone)->Index(), 1);
    EXPECT_EQ(list->GetNextItem(first, TSearchDirection::sdBelow, isNone)->Index(), perRow);
    EXPECT_EQ(list->GetNextItem(first, TSearchDirection::sdAbove, isNone), nullptr);
    EXPECT_EQ(list->GetNextItem(first, TSearchDirection::sdLeft, isNone), nullptr);
    // Right stops at the end of a row.
    EXPECT_EQ(list->GetNextItem(list->Items()[perRow - 1], TSearchDirection::sdRight, isNone), nullptr);
    list->Items()[3]->SetSelected(true);
    list->Items()[7]->SetSelected(true);
    list->Items()[7]->SetFocused(true);
    EXPECT_EQ(list->GetNextItem(nullptr, TSearchDirection::sdAll, isSelected)->Index(), 3);
    EXPECT_EQ(list->GetNextItem(list->Items()[3], TSearchDirection::sdAll, isSelected)->Index(), 7);
    EXPECT_EQ(list->GetNextItem(list->Items()[7], TSearchDirection::sdAll, isSelected), nullptr);
    EXPECT_EQ(list->GetNextItem(nullptr, TSearchDirection::sdAll, isFocused | isSelected)->Index(), 7);
    // Report rows: neighbours are above and below only.
    list->SetViewStyle(TViewStyle::vsReport);
    list->Columns().Add();
    EXPECT_EQ(list->GetNextItem(first, TSearchDirection::sdBelow, isNone)->Index(), 1);
    EXPECT_EQ(list->GetNextItem(first, TSearchDirection::sdRight, isNone), nullptr);
}

TEST_F(ListItems, KeysInIconStylesFollowTheGrid)
{
    list->SetViewStyle(TViewStyle::vsIcon);
    Fill(12);
    int perRow = list->ClientWidth() / list->ItemRect(0, TDisplayCode::drBounds).Width();
    ClickItem(0);
    screen->PressKey(VK_DOWN);
    EXPECT_EQ(list->FocusedIndex(), perRow);
    screen->PressKey(VK_RIGHT);
    EXPECT_EQ(list->FocusedIndex(), perRow + 1);
    screen->PressKey(VK_UP);
    screen->PressKey(VK_LEFT);
    screen->PressKey(VK_LEFT);
    EXPECT_EQ(list->FocusedIndex(), 0);
    EXPECT_EQ(list->Items().SelectedIndices(), V({0}));
}

TEST_F(ListItems, HitTestingFindsItemsOnlyWhereTheyAre)
{
    list->SetViewStyle(TViewStyle::vsReport);
    list->Columns().Add()->SetWidth(120);
    Fill(3);
    TRect r = list->ItemRect(2, TDisplayCode::drBounds);
    EXPECT_EQ(list->GetItemAt(r.Left + 1, r.Top + 1)->Index(), 2);
    EXPECT_EQ(list->GetItemAt(r.Right - 1, r.Bottom - 1)->Index(), 2);
    EXPECT_EQ(list->GetItemAt(r.Right, r.Top), nullptr); // past the columns
    EXPECT_EQ(list->GetItemAt(r.Left, r.Bottom), nullptr); // below the last row
    EXPECT_EQ(list->GetItemAt(5, 1), nullptr);             // on the header
    // Clicking a row right of its caption selects it only with RowSelect.
    TPoint p = list->ClientToScreen({110, r.Top + 2});
    screen->Click(p.x, p.y);
    EXPECT_EQ(list->SelCount(), 0);
    list->SetRowSelect(true);
    screen->Advance(1000);
    screen->Click(p.x, p.y);
    EXPECT_EQ(list->Items().SelectedIndices(), V({2}));
}

TEST_F(ListItems, ADeletionHandlerMayDeleteTheItemItself)
{
    Fill(4);
    list->OnDeletion = [&](TComponent*, TListItem* item) {
        if (item->Caption() == "item 1") list->Items().Delete(item->Index());
    };
    list->Items().Delete(1);
    EXPECT_EQ(list->Items().Count(), 3);
    EXPECT_EQ(list->Items()[1]->Caption(), "item 2");
}
