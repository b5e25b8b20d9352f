#include "ListViewTestUtil.h"

#include <set>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using V = std::vector<int>;

class VirtualList : public ListViewTest {
protected:
    void SetUp() override
    {
        ListViewTest::SetUp();
        list->SetViewStyle(TViewStyle::vsReport);
        list->Columns().Add()->SetWidth(150);
        list->Columns().Add()->SetWidth(100);
        list->SetOwnerData(true);
        list->SetMultiSelect(true);
        list->OnData = [this](TComponent*, TListItem* item) {
            asked.insert(item->Index());
            item->SetCaption("row " + std::to_string(item->Index()));
            item->SetSubItems({std::to_string(item->Index() * 2)});
        };
    }
    std::set<int> asked;
};

} // namespace

TEST_F(VirtualList, OnlyTheRowsShownAreMade)
{
    list->Items().SetCount(10000);
    ProcessMessages();
    int perPage = list->CountPerPage();
    ASSERT_FALSE(asked.empty());
    EXPECT_EQ(*asked.begin(), 0);
    EXPECT_LE(*asked.rbegin(), perPage); // and the one cut by the bottom edge
    asked.clear();
    list->Scroll(0, 5000 * list->ItemRect(0, TDisplayCode::drBounds).Height());
    ProcessMessages();
    EXPECT_EQ(*asked.begin(), 5000);
    EXPECT_LE(*asked.rbegin(), 5000 + perPage);
    EXPECT_EQ(list->Items()[9999]->Caption(), "row 9999");
    EXPECT_EQ(list->Items()[9999]->SubItems(), std::vector<std::string>{"19998"});
    EXPECT_EQ(list->Items()[10000], nullptr);
    EXPECT_LT(list->Items().VirtualItemsMade(), 200u);
}

TEST_F(VirtualList, SelectionAndFocusBelongToTheRows)
{
    list->Items().SetCount(50);
    ProcessMessages();
    ClickItem(2);
    ClickItem(5, VK_SHIFT);
    EXPECT_EQ(list->SelCount(), 4);
    EXPECT_EQ(list->Selected()->Caption(), "row 2");
    EXPECT_EQ(list->ItemFocused()->Caption(), "row 5");
    EXPECT_TRUE(list->Items()[3]->Selected());
    // Select all marks every row without making them.
    asked.clear();
    screen->KeyDown(VK_CONTROL);
    screen->PressKey('A');
    screen->KeyUp(VK_CONTROL);
    EXPECT_EQ(list->SelCount(), 50);
    EXPECT_TRUE(asked.empty());
    // A shorter list forgets what lay past its end.
    list->Items().SetCount(4);
    EXPECT_EQ(list->SelCount(), 4);
    EXPECT_EQ(list->FocusedIndex(), -1);
    list->Items().SetCount(50);
    EXPECT_EQ(list->SelCount(), 4);
    EXPECT_FALSE(list->Items()[10]->Selected());
}

TEST_F(VirtualList, ItemsCannotBeAddedOrSortedAndSwitchingModesClears)
{
    list->Items().SetCount(5);
    EXPECT_EQ(list->Items().Add(), nullptr);
    EXPECT_FALSE(list->AlphaSort());
    list->SetOwnerData(false);
    EXPECT_EQ(list->Items().Count(), 0);
    list->Items().SetCount(7); // ignored for real items
    EXPECT_EQ(list->Items().Count(), 0);
    Fill(3);
    list->SetOwnerData(true);
    EXPECT_EQ(list->Items().Count(), 0);
}

TEST_F(VirtualList, ListStyleAsksOnlyForTheColumnsShown)
{
    list->SetViewStyle(TViewStyle::vsList);
    list->Items().SetCount(10000);
    ProcessMessages();
    EXPECT_LE(int(asked.size()), list->CountPerPage() + list->VisibleRowCount());
}
