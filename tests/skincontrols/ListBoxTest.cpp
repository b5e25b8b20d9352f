#include "SkinScene.h"
#include "support/Pictures.h"

#include "skincontrols/SkinListBox.h"
#include "skincontrols/SkinScrollBar.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A list box skin whose items are 4 pixels high: normal, selected and focused faces one
// above the other at the right of the picture.
const std::vector<std::string> kListSkin = {
    "[VERSION]", "skinversion=1", "[PICTURES]", "picture=main.bmp", "activepicturescount=1", "[FORMINFO]",
    "clientrect=1,1,2,2", "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=1", "0=listbox:listbox",
    "[listbox]", "pictureindex=0", "skinrect=0,0,20,12", "lefttoppoint=2,2", "righttoppoint=18,2",
    "leftbottompoint=2,10", "rightbottompoint=18,10", "clientrect=2,2,18,10", "itemrect=20,0,26,4",
    "activeitemrect=20,4,26,8", "focusitemrect=20,8,26,12", "itemleftoffset=1", "itemrightoffset=1",
    "itemtextrect=1,0,5,4", "fontcolor=255", "activefontcolor=65280", "focusfontcolor=16711680"};

class SkinListBoxTest : public SkinScene {
protected:
    TbsSkinListBox* box = nullptr;

    void SetUp() override
    {
        box = Add<TbsSkinListBox>(form, Bounds(10, 10, 120, 120));
        ProcessMessages();
    }
    void Fill(int count)
    {
        box->Items().Clear();
        for (int i = 0; i < count; ++i) box->Items().Add(std::string(1, char('a' + i)) + " item");
        ProcessMessages();
    }
};

} // namespace

TEST_F(SkinListBoxTest, VerticalBarComesAndGoesWithTheItemsThatDoNotFit)
{
    struct TStep {
        int rowCount, items;
        bool bar;
    } steps[] = {{0, 5, false}, {0, 6, true}, {0, 30, true}, {0, 5, false}, {5, 5, false}, {5, 6, true}};
    for (const TStep& s : steps) {
        SCOPED_TRACE(std::to_string(s.rowCount) + " rows, " + std::to_string(s.items) + " items");
        box->SetRowCount(s.rowCount);
        Fill(s.items);
        ASSERT_EQ(box->VScrollBar() != nullptr, s.bar);
        if (!s.bar) continue;
        EXPECT_TRUE(box->VScrollBar()->Visible());
        EXPECT_EQ(box->VScrollBar()->Max(), s.items - 1);
        EXPECT_EQ(box->ListBox().Width(), box->Width() - 22) << "the list gives the bar its room";
    }
    // The bar scrolls the list, and the list's own scrolling moves the bar.
    Fill(30);
    box->VScrollBar()->SetPosition(10);
    EXPECT_EQ(box->ListBox().TopIndex(), 10);
    box->ListBox().SetFocus();
    screen->PressKey(VK_END);
    EXPECT_EQ(box->VScrollBar()->Position(), box->ListBox().TopIndex());
    EXPECT_EQ(box->VScrollBar()->Position(), 30 - box->VScrollBar()->PageSize());
    // Beyond what 16 bits of a scroll message hold.
    Fill(70000);
    box->VScrollBar()->SetPosition(69000);
    EXPECT_EQ(box->ListBox().TopIndex(), 69000);
}

TEST_F(SkinListBoxTest, TypedLettersFindItemsAndAnEmptyListIgnoresTheKeys)
{
    box->ListBox().SetFocus();
    screen->PressKey(VK_DOWN); // nothing to select
    box->SetItemIndex(3);
    EXPECT_EQ(box->ItemIndex(), -1);
    Fill(8);
    screen->TypeText("d");
    EXPECT_EQ(box->ItemIndex(), 3);
}

TEST_F(SkinListBoxTest, ItemsAreDrawnFromTheSkinsFaces)
{
    LoadSkin(kListSkin, {test::CoordinatePicture(26, 13)});
    box->SetSkinData(data);
    Fill(3);
    EXPECT_EQ(box->ItemHeight(), 4);
    box->SetItemIndex(1);
    ProcessMessages();
    auto itemPixel = [&](int item, int x, int y) { return Pixel(box->ListBox().ClientToScreen({x, 4 * item + y})); };
    EXPECT_EQ(itemPixel(0, 0, 0), CoordinateColor(20, 0));
    EXPECT_EQ(itemPixel(1, 0, 1), CoordinateColor(20, 5)) << "the selected face";
    EXPECT_EQ(itemPixel(0, box->ListBox().Width() - 1, 2), CoordinateColor(25, 2)) << "the right cap";
    EXPECT_EQ(Pixel(box->ClientToScreen({0, 0})), CoordinateColor(0, 0)) << "the frame";
}
