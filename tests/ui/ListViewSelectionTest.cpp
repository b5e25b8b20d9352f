#include "ListViewTestUtil.h"

#include "gfx/SystemColors.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using V = std::vector<int>;

class ListSelection : public ListViewTest {
protected:
    void SetUp() override
    {
        ListViewTest::SetUp();
        list->SetViewStyle(TViewStyle::vsList);
        list->SetMultiSelect(true);
        Fill(20);
    }
};

} // namespace

TEST_F(ListSelection, ClicksWithShiftAndCtrlBuildTheSelectionAndMoveTheFocus)
{
    ClickItem(2);
    EXPECT_EQ(SelectedIndices(), V({2}));
    EXPECT_EQ(Focus(), 2);
    EXPECT_TRUE(list->Focused());
    ClickItem(5, VK_SHIFT);
    EXPECT_EQ(SelectedIndices(), V({2, 3, 4, 5}));
    EXPECT_EQ(Focus(), 5);
    ClickItem(3, VK_CONTROL); // toggles off, becomes the anchor
    EXPECT_EQ(SelectedIndices(), V({2, 4, 5}));
    EXPECT_EQ(Focus(), 3);
    ClickItem(8, VK_CONTROL);
    EXPECT_EQ(SelectedIndices(), V({2, 4, 5, 8}));
    // Shift from the anchor (8) back to 6 replaces the selection...
    ClickItem(6, VK_SHIFT);
    EXPECT_EQ(SelectedIndices(), V({6, 7, 8}));
    // ...and Ctrl+Shift adds the range to it.
    screen->KeyDown(VK_CONTROL);
    ClickItem(10, VK_SHIFT);
    screen->KeyUp(VK_CONTROL);
    EXPECT_EQ(SelectedIndices(), V({6, 7, 8, 9, 10}));
    EXPECT_EQ(list->SelCount(), 5);
    EXPECT_EQ(list->Selected()->Index(), 6);
    EXPECT_EQ(list->ItemFocused()->Index(), 10);
    // A plain click selects one item alone.
    ClickItem(1);
    EXPECT_EQ(SelectedIndices(), V({1}));
}

TEST_F(ListSelection, AClickBesideTheCaptionsClearsTheSelectionButKeepsTheFocus)
{
    ClickItem(4);
    TRect r = list->ItemRect(4, TDisplayCode::drSelectBounds);
    TRect column = list->ItemRect(4, TDisplayCode::drBounds);
    ASSERT_LT(r.Right + 2, column.Right);
    TPoint beside = list->ClientToScreen({r.Right + 2, (r.Top + r.Bottom) / 2});
    screen->Click(beside.x, beside.y);
    EXPECT_TRUE(SelectedIndices().empty());
    EXPECT_EQ(Focus(), 4);
    EXPECT_EQ(list->GetItemAt(r.Right + 2, r.Top + 1)->Index(), 4); // the item's bounds still
}

TEST_F(ListSelection, SingleSelectionIgnoresShiftAndCtrl)
{
    list->SetMultiSelect(false);
    ClickItem(2);
    ClickItem(5, VK_SHIFT);
    EXPECT_EQ(SelectedIndices(), V({5}));
    ClickItem(7, VK_CONTROL);
    EXPECT_EQ(SelectedIndices(), V({7}));
    list->Items()[3]->SetSelected(true);
    EXPECT_EQ(SelectedIndices(), V({3}));
    // Turning multi-selection off keeps only the first selected item.
    list->SetMultiSelect(true);
    ClickItem(9, VK_SHIFT);
    EXPECT_EQ(SelectedIndices(), V({7, 8, 9})); // anchored at the last plain click
    list->SetMultiSelect(false);
    EXPECT_EQ(SelectedIndices(), V({7}));
}

TEST_F(ListSelection, EventsReportEveryChangeDeselectionsFirst)
{
    std::vector<std::string> log;
    list->OnSelectItem = [&](TComponent* sender, TListItem* item, bool selected) {
        EXPECT_EQ(sender, list);
        log.push_back(std::to_string(item->Index()) + (selected ? "+" : "-"));
    };
    int changes = 0;
    list->OnChange = [&](TComponent*, TListItem*, TItemChange change) {
        if (change == TItemChange::ctState) ++changes;
    };
    ClickItem(1);
    ClickItem(3, VK_SHIFT);
    ClickItem(2);
    EXPECT_EQ(log, (std::vector<std::string>{"1+", "2+", "3+", "1-", "3-"}));
    EXPECT_EQ(changes, 5);
    log.clear();
    ClickItem(2); // no change, no event
    list->Items()[2]->SetSelected(true);
    EXPECT_TRUE(log.empty());
}

TEST_F(ListSelection, KeysMoveTheFocusAndSelectionAlongTheColumns)
{
    int rows = list->VisibleRowCount();
    ASSERT_GE(rows, 3);
    ASSERT_LT(rows, 20);
    ClickItem(0);
    Press(VK_DOWN);
    EXPECT_EQ(Focus(), 1);
    EXPECT_EQ(SelectedIndices(), V({1}));
    Press(VK_RIGHT); // the next column, same row
    EXPECT_EQ(Focus(), 1 + rows);
    Press(VK_LEFT);
    Press(VK_UP);
    Press(VK_UP); // stays at the top of the column
    EXPECT_EQ(Focus(), 0);
    Press(VK_DOWN, VK_SHIFT);
    Press(VK_DOWN, VK_SHIFT);
    EXPECT_EQ(SelectedIndices(), V({0, 1, 2}));
    Press(VK_END);
    EXPECT_EQ(Focus(), 19);
    EXPECT_EQ(SelectedIndices(), V({19}));
    Press(VK_HOME, VK_SHIFT);
    EXPECT_EQ(SelectedIndices().size(), 20u);
    // Ctrl moves the focus alone; Ctrl+Space toggles the focused item.
    Press(VK_HOME);
    Press(VK_DOWN, VK_CONTROL);
    Press(VK_DOWN, VK_CONTROL);
    EXPECT_EQ(Focus(), 2);
    EXPECT_EQ(SelectedIndices(), V({0}));
    Press(VK_SPACE, VK_CONTROL);
    EXPECT_EQ(SelectedIndices(), V({0, 2}));
    Press(VK_SPACE, VK_CONTROL);
    EXPECT_EQ(SelectedIndices(), V({0}));
    // Right at the last column with no item in that row lands on the last item.
    Press(VK_END);
    Press(VK_HOME);
    for (int i = 0; i < rows - 1; ++i) Press(VK_DOWN);
    for (int i = 0; i < 10; ++i) Press(VK_RIGHT);
    EXPECT_EQ(Focus(), 19);
}

TEST_F(ListSelection, KeysOnAListWithoutFocusStartAtTheFirstItem)
{
    list->SetFocus();
    Press(VK_DOWN);
    EXPECT_EQ(Focus(), 0);
    EXPECT_EQ(SelectedIndices(), V({0}));
}

TEST_F(ListSelection, DeletingAndInsertingItemsKeepsFocusAndSelectionOnTheirItems)
{
    ClickItem(5);
    ClickItem(7, VK_CONTROL);
    list->Items().Insert(0)->SetCaption("new");
    EXPECT_EQ(SelectedIndices(), V({6, 8}));
    EXPECT_EQ(Focus(), 8);
    list->Items().Delete(2);
    EXPECT_EQ(SelectedIndices(), V({5, 7}));
    EXPECT_EQ(Focus(), 7);
    // The focused item goes: no other item takes the focus.
    list->ItemFocused()->Delete();
    EXPECT_EQ(Focus(), -1);
    EXPECT_EQ(list->ItemFocused(), nullptr);
    EXPECT_EQ(SelectedIndices(), V({5}));
    list->Items().Clear();
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(list->Selected(), nullptr);
}

TEST_F(ListSelection, MouseMoveReportsClientCoordinatesAndDoubleClickSeesTheSelection)
{
    TPoint seen{-1, -1};
    list->OnMouseMove = [&](TComponent*, TShiftState, int x, int y) { seen = {x, y}; };
    MoveTo(list->ClientToScreen({17, 23}));
    EXPECT_EQ(seen, (TPoint{17, 23}));
    int selectedAtDoubleClick = -2;
    list->OnDblClick = [&](TComponent*) {
        selectedAtDoubleClick = list->Selected() ? list->Selected()->Index() : -1;
    };
    TPoint p = OnItem(3);
    screen->DoubleClick(p.x, p.y);
    EXPECT_EQ(selectedAtDoubleClick, 3);
}

TEST_F(ListSelection, AHandlerMayFreeTheListWhileItFires)
{
    list->OnSelectItem = [&](TComponent*, TListItem*, bool) { list->Free(); };
    ClickItem(1, VK_SHIFT);
    ProcessMessages();
    EXPECT_EQ(form->ControlCount(), 0);
}

TEST_F(ListSelection, TypingFindsTheNextItemStartingWithTheLettersAndWrapsAround)
{
    list->Items().Clear();
    for (const char* c : {"Beta", "alpha", "banana", "Apricot", "blue"}) list->Items().Add()->SetCaption(c);
    list->SetFocus();
    screen->TypeText("b");
    EXPECT_EQ(Focus(), 0);
    screen->TypeText("b"); // the same letter again: the next one
    EXPECT_EQ(Focus(), 2);
    screen->TypeText("b");
    EXPECT_EQ(Focus(), 4);
    screen->TypeText("b");
    EXPECT_EQ(Focus(), 0); // wrapped
    EXPECT_EQ(SelectedIndices(), V({0}));
    screen->Advance(2000); // a pause starts a new word
    screen->TypeText("ap");
    EXPECT_EQ(Focus(), 3);
    screen->Advance(2000);
    screen->TypeText("x");
    EXPECT_EQ(Focus(), 3);
}
