#include "SkinScene.h"
#include "support/Pictures.h"

#include "skincontrols/SkinListView.h"
#include "skincontrols/SkinScrollBar.h"
#include "skincontrols/SkinTreeView.h"
#include "ui/HeaderControl.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A header button 20 x 10 stretching sideways (caps 3 and 3) whose pressed face lies ten rows
// lower, and a list view skin with its own colours.
const std::vector<std::string> kListSkin = {
    "[VERSION]", "skinversion=1", "[PICTURES]", "picture=main.bmp", "activepicturescount=1", "[FORMINFO]",
    "clientrect=1,1,2,2", "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=3", "0=resizebutton:button",
    "1=listview:listview", "2=treeview:treeview", "[resizebutton]", "pictureindex=0", "skinrect=0,0,20,10",
    "lefttoppoint=3,0", "righttoppoint=17,0", "clientrect=3,0,17,10", "downskinrect=0,10,20,20", "fontcolor=255",
    "downfontcolor=65280", "[listview]", "fontname=Arial", "fontheight=13", "fontcolor=128", "bgcolor=12632256",
    "[treeview]", "fontname=Arial", "fontheight=13", "fontcolor=128", "bgcolor=8421376"};

class SkinListViewTest : public SkinScene {
protected:
    TbsSkinListView* list = nullptr;
    TbsSkinScrollBar* vbar = nullptr;
    TbsSkinScrollBar* hbar = nullptr;

    void SetUp() override
    {
        LoadSkin(kListSkin, {test::CoordinatePicture(40, 40)});
        list = Add<TbsSkinListView>(form, Bounds(10, 10, 300, 200));
        vbar = Add<TbsSkinScrollBar>(form, Bounds(310, 10, 19, 200));
        vbar->SetKind(TbsScrollBarKind::sbVertical);
        hbar = Add<TbsSkinScrollBar>(form, Bounds(10, 210, 300, 19));
        list->SetViewStyle(TViewStyle::vsReport);
        list->SetRowSelect(true);
        for (const char* caption : {"Name", "Size"}) {
            TListColumn* column = list->Columns().Add();
            column->SetCaption(caption);
            column->SetWidth(100);
        }
        list->SetSkinData(data);
        list->SetVScrollBar(vbar);
        list->SetHScrollBar(hbar);
        ProcessMessages();
    }
    void AddRows(int n)
    {
        for (int i = 0; i < n; ++i) list->Items().Add()->SetCaption("row " + std::to_string(list->Items().Count()));
        list->UpdateScrollBars();
    }
    int RowHeight() const { return list->ItemRect(0, TDisplayCode::drBounds).Height(); }
    TPoint HeaderPoint(int x, int y) const { return list->Header()->ClientToScreen({x, y}); }
};

} // namespace

TEST_F(SkinListViewTest, ReportBarsFollowTheRowsAndMoveTheList)
{
    EXPECT_EQ(list->Color(), TColor(12632256)) << "the skin's background";
    EXPECT_EQ(list->Font().Color(), TColor(128));
    EXPECT_EQ(list->ClientWidth(), 300) << "no frame and no native bars";
    AddRows(list->CountPerPage());
    EXPECT_FALSE(vbar->Visible()) << "exactly a page of rows";
    AddRows(1);
    ASSERT_TRUE(vbar->Visible());
    EXPECT_EQ(vbar->PageSize(), list->CountPerPage());
    EXPECT_EQ(vbar->Max(), list->Items().Count() - 1);
    EXPECT_EQ(vbar->LargeChange(), list->CountPerPage());
    EXPECT_FALSE(hbar->Visible()) << "the columns fit";
    EXPECT_TRUE(hbar->Both()) << "the corner follows the vertical bar";

    AddRows(20);
    vbar->SetPosition(3);
    EXPECT_EQ(list->TopIndex(), 3) << "three rows of " << RowHeight() << " pixels";

    // Keys and clicks select, and the bar follows what they scroll.
    list->SetFocus();
    const TPoint row = list->ClientToScreen({20, list->ItemRect(4, TDisplayCode::drBounds).Top + 2});
    screen->Click(row.x, row.y);
    EXPECT_EQ(list->Selected(), list->Items()[4]);
    screen->PressKey(VK_END);
    EXPECT_EQ(list->Selected(), list->Items()[list->Items().Count() - 1]);
    EXPECT_EQ(vbar->Position(), list->TopIndex());
    EXPECT_EQ(vbar->Position(), vbar->Max() - vbar->PageSize() + 1);

    list->Columns().Item(1)->SetWidth(400);
    list->UpdateScrollBars();
    EXPECT_TRUE(hbar->Visible()) << "wider columns than the list";
    EXPECT_TRUE(hbar->Both()) << "beside a visible vertical bar";
    hbar->SetPosition(30);
    EXPECT_EQ(list->ScrollInfo(false).Pos, 30) << "pixels";

    list->Hide();
    EXPECT_FALSE(vbar->Visible());
    EXPECT_FALSE(hbar->Visible());
    list->Show();
    EXPECT_TRUE(vbar->Visible());
}

TEST_F(SkinListViewTest, ListStyleScrollsSidewaysByColumnsOnly)
{
    list->SetViewStyle(TViewStyle::vsList);
    AddRows(200);
    EXPECT_FALSE(vbar->Visible()) << "never in list style";
    ASSERT_TRUE(hbar->Visible());
    hbar->SetPosition(3);
    EXPECT_EQ(list->ScrollInfo(false).Pos, 3);
    hbar->SetPosition(1);
    EXPECT_EQ(list->ScrollInfo(false).Pos, 1) << "two line-left requests";

    list->SetViewStyle(TViewStyle::vsIcon);
    list->UpdateScrollBars();
    ASSERT_TRUE(vbar->Visible());
    vbar->SetPosition(3);
    EXPECT_EQ(list->ScrollInfo(true).Pos, 3) << "pixels in the icon styles";
}

TEST_F(SkinListViewTest, HeaderIsDrawnFromTheButtonSkinAndPressedSectionsChangeFace)
{
    ASSERT_TRUE(list->HeaderHooked());
    THeaderControl* header = list->Header();
    ASSERT_TRUE(header->Visible());
    struct TSpot {
        const char* what;
        int x, y;
        TColor expected;
    } normal[] = {
        {"left cap of the first section", 1, 0, CoordinateColor(1, 0)},
        {"right cap of the first section", 98, 0, CoordinateColor(18, 0)},
        {"left cap of the second section", 101, 0, CoordinateColor(1, 0)},
        {"the rest of the header", 201, 0, CoordinateColor(1, 0)},
        {"tiled middle of the rest", 200 + 3 + 14 + 2, 0, CoordinateColor(3 + 2, 0)},
    };
    for (const TSpot& s : normal) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(Pixel(HeaderPoint(s.x, s.y)), s.expected);
    }

    screen->MouseMove(HeaderPoint(50, 5).x, HeaderPoint(50, 5).y);
    screen->MouseDown();
    EXPECT_EQ(list->PressedSection(), 0);
    EXPECT_TRUE(list->HeaderPressed());
    ProcessMessages();
    EXPECT_EQ(Pixel(HeaderPoint(1, 0)), CoordinateColor(1, 10)) << "the pressed face";
    EXPECT_EQ(Pixel(HeaderPoint(101, 0)), CoordinateColor(1, 0));
    screen->MouseUp();
    ProcessMessages();
    EXPECT_EQ(list->PressedSection(), -1);
    EXPECT_EQ(Pixel(HeaderPoint(1, 0)), CoordinateColor(1, 0));

    // A press on a divider resizes and leaves every section normal.
    screen->MouseMove(HeaderPoint(100, 5).x, HeaderPoint(100, 5).y);
    screen->MouseDown();
    EXPECT_FALSE(list->HeaderPressed());
    screen->MouseMove(HeaderPoint(140, 5).x, HeaderPoint(140, 5).y);
    ProcessMessages();
    EXPECT_EQ(list->Columns().Item(0)->Width(), 140);
    EXPECT_EQ(Pixel(HeaderPoint(1, 0)), CoordinateColor(1, 0));
    screen->MouseUp();

    // The program may draw the text itself; an unknown header skin gives the plain look.
    std::vector<std::string> drawn;
    list->OnDrawHeaderSection = [&](TCanvas&, TListColumn* column, bool pressed, const TRect& r) {
        drawn.push_back(column->Caption() + (pressed ? "+" : "") + std::to_string(r.Width()));
    };
    list->SetHeaderSkinDataName("nothing");
    header->Invalidate();
    ProcessMessages();
    EXPECT_EQ(drawn, (std::vector<std::string>{"Name140", "Size100"}));
    EXPECT_EQ(Pixel(HeaderPoint(0, 0)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(HeaderPoint(5, 5)), ColorToRGB(clBtnFace));
}

TEST_F(SkinScene, ViewsWithoutTheirSkinTakeTheirDefaultsAndTreeBarsCountRows)
{
    LoadSkin(kListSkin, {test::CoordinatePicture(40, 40)});
    auto* list = Add<TbsSkinListView>(form, Bounds(0, 0, 200, 100));
    list->SetSkinDataName("nolistview");
    list->SetDefaultColor(RGB(1, 2, 3));
    list->SetSkinData(data);
    EXPECT_EQ(list->Color(), RGB(1, 2, 3));
    EXPECT_EQ(list->Font().Name(), "Arial");

    auto* tree = Add<TbsSkinCustomTreeView>(form, Bounds(0, 100, 200, 100));
    auto* bar = Add<TbsSkinScrollBar>(form, Bounds(200, 100, 19, 100));
    bar->SetKind(TbsScrollBarKind::sbVertical);
    tree->SetSkinData(data);
    tree->SetVScrollBar(bar);
    EXPECT_EQ(tree->Color(), TColor(8421376));
    TTreeNode* root = tree->Items().Add(nullptr, "root");
    for (int i = 0; i < 30; ++i) tree->Items().AddChild(root, "node " + std::to_string(i));
    ProcessMessages();
    EXPECT_FALSE(bar->Visible()) << "collapsed, all rows fit";
    root->Expand(false);
    ProcessMessages();
    ASSERT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Max(), 30);
    EXPECT_EQ(bar->PageSize(), tree->VisibleCount());
    bar->SetPosition(5);
    EXPECT_EQ(tree->TopIndex(), 5);
    tree->SetSelected(root->Item(29));
    EXPECT_EQ(bar->Position(), tree->TopIndex()) << "the selection scrolled the tree";
    EXPECT_GT(bar->Position(), 5);
    // More rows than the 16 bits of a scroll message hold.
    tree->Items().BeginUpdate();
    for (int i = 0; i < 70000; ++i) tree->Items().AddChild(root, "more");
    tree->Items().EndUpdate();
    ProcessMessages();
    bar->SetPosition(69000);
    EXPECT_EQ(tree->TopIndex(), 69000);
}
