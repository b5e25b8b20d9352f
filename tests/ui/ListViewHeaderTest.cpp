#include "ListViewTestUtil.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/HeaderControl.h"
#include "wsys/WinApi.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A list view that notes the child windows it is told of, as a skinned list that takes over
// its header does.
class TWatchingListView : public TListView {
public:
    using TListView::TListView;
    std::vector<std::string> created;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_PARENTNOTIFY && LOWORD(m.WParam) == WM_CREATE)
            created.push_back(GetClassName(HandleFromValue(uint64_t(m.LParam))));
        TListView::WndProc(m);
    }
};

class Header : public ListViewTest {
protected:
    void SetUp() override
    {
        ListViewTest::SetUp();
        list->SetViewStyle(TViewStyle::vsReport);
        for (int w : {100, 80, 60}) {
            auto* c = list->Columns().Add();
            c->SetWidth(w);
            c->SetCaption("C" + std::to_string(c->Index()));
        }
        Fill(5);
        header = list->Header()->Handle();
    }
    TPoint OnHeader(int x, int y = 5) { return list->Header()->ClientToScreen({x, y}); }
    UINT Hit(int x, int y, int& item)
    {
        HDHITTESTINFO info;
        info.pt = {x, y};
        item = int(SendMessage(header, HDM_HITTEST, 0, PtrToLParam(&info)));
        EXPECT_EQ(item, info.iItem);
        return info.flags;
    }
    HWND header = nullptr;
};

} // namespace

TEST_F(Header, IsAChildWindowOfTheHeaderClassThatTheListIsToldOf)
{
    auto* watching = new TWatchingListView(form);
    watching->SetParent(form);
    ProcessMessages();
    EXPECT_EQ(watching->created, std::vector<std::string>{"SysHeader32"});
    EXPECT_EQ(GetClassName(header), "SysHeader32");
    EXPECT_EQ(GetParent(header), list->Handle());
    EXPECT_TRUE(IsWindowVisible(header));
    EXPECT_EQ(list->HeaderHeight(), list->Header()->Height());
    // Other styles and a list without column headers have none to show.
    list->SetViewStyle(TViewStyle::vsList);
    EXPECT_FALSE(IsWindowVisible(header));
    EXPECT_EQ(list->HeaderHeight(), 0);
    list->SetViewStyle(TViewStyle::vsReport);
    list->SetShowColumnHeaders(false);
    EXPECT_FALSE(IsWindowVisible(list->Header()->Handle()));
    EXPECT_EQ(list->ItemRect(0, TDisplayCode::drBounds).Top, 0);
    // Turning them on again makes the window anew, and the list is told again.
    watching->SetViewStyle(TViewStyle::vsReport);
    watching->SetShowColumnHeaders(false);
    watching->SetShowColumnHeaders(true);
    EXPECT_EQ(watching->created.size(), 3u);
}

TEST_F(Header, AnswersCountRectanglesOrderAndHitTests)
{
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT), 3);
    int h = list->Header()->ClientHeight();
    TRect r;
    ASSERT_EQ(SendMessage(header, HDM_GETITEMRECT, 1, PtrToLParam(&r)), 1);
    EXPECT_EQ(r, Rect(100, 0, 180, h));
    EXPECT_EQ(SendMessage(header, HDM_GETITEMRECT, 3, PtrToLParam(&r)), 0);
    HDITEM item;
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_ORDER;
    ASSERT_EQ(SendMessage(header, HDM_GETITEM, 2, PtrToLParam(&item)), 1);
    EXPECT_EQ(item.text, "C2");
    EXPECT_EQ(item.cxy, 60);
    EXPECT_EQ(item.iOrder, 2);

    struct TCase {
        int x, y;
        UINT flags;
        int item;
    } cases[] = {
        {50, 5, HHT_ONHEADER, 0},    {95, 5, HHT_ONHEADER, 0},   {96, 5, HHT_ONDIVIDER, 0},  {100, 5, HHT_ONDIVIDER, 0},
        {104, 5, HHT_ONDIVIDER, 0},  {105, 5, HHT_ONHEADER, 1},  {176, 5, HHT_ONDIVIDER, 1},
        {239, 5, HHT_ONDIVIDER, 2},  {250, 5, HHT_NOWHERE, -1},  {-1, 5, HHT_TOLEFT, -1},
        {50, -1, HHT_ABOVE, -1},     {50, h, HHT_BELOW, -1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        int hit = 0;
        EXPECT_EQ(Hit(c.x, c.y, hit), c.flags);
        EXPECT_EQ(hit, c.item);
    }
    // A section of width 0 can be pulled open again: its divider wins over the one before.
    list->Columns()[1]->SetWidth(0);
    int hit = 0;
    EXPECT_EQ(Hit(100, 5, hit), HHT_ONDIVIDER);
    EXPECT_EQ(hit, 1);
}

TEST_F(Header, TheOrderArrayPlacesSectionsAndColumns)
{
    int order[3] = {2, 0, 1};
    ASSERT_EQ(SendMessage(header, HDM_SETORDERARRAY, 3, PtrToLParam(order)), 1);
    int back[3] = {};
    ASSERT_EQ(SendMessage(header, HDM_GETORDERARRAY, 3, PtrToLParam(back)), 1);
    EXPECT_EQ(std::vector<int>(back, back + 3), std::vector<int>({2, 0, 1}));
    EXPECT_EQ(SendMessage(header, HDM_ORDERTOINDEX, 0), 2);
    TRect r;
    SendMessage(header, HDM_GETITEMRECT, 0, PtrToLParam(&r));
    EXPECT_EQ(r.Left, 60);
    // The list draws its first column where the header shows it.
    EXPECT_EQ(list->ItemRect(0, TDisplayCode::drLabel).Left, 60 + 2);
    int bad[3] = {0, 0, 1};
    EXPECT_EQ(SendMessage(header, HDM_SETORDERARRAY, 3, PtrToLParam(bad)), 0);
    EXPECT_EQ(SendMessage(header, HDM_SETORDERARRAY, 2, PtrToLParam(order)), 0);
}

TEST_F(Header, DraggingADividerResizesTheColumnWithoutPressingASection)
{
    std::vector<int> pressedWhileDragging;
    int clicks = 0;
    list->OnColumnClick = [&](TComponent*, TListColumn*) { ++clicks; };
    screen->MouseMove(OnHeader(101).x, OnHeader(101).y);
    EXPECT_EQ(screen->CursorShape(), TCursorShape::SizeWE);
    screen->MouseDown();
    for (int x : {120, 150, 141}) {
        screen->MouseMove(OnHeader(x).x, OnHeader(x).y);
        pressedWhileDragging.push_back(list->Header()->PressedItem());
    }
    screen->MouseUp();
    EXPECT_EQ(list->Columns()[0]->Width(), 140);
    EXPECT_EQ(pressedWhileDragging, std::vector<int>({-1, -1, -1}));
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list->ItemRect(0, TDisplayCode::drBounds).Width(), 140 + 80 + 60);
    TRect r;
    SendMessage(header, HDM_GETITEMRECT, 1, PtrToLParam(&r));
    EXPECT_EQ(r.Left, 140);
    // Dragged past the left edge the width stops at 0.
    screen->Drag(OnHeader(140), OnHeader(-30), 2);
    EXPECT_EQ(list->Columns()[0]->Width(), 0);
}

TEST_F(Header, ASectionClickedAndReleasedOnItIsAColumnClick)
{
    std::vector<int> clicked;
    list->OnColumnClick = [&](TComponent* sender, TListColumn* column) {
        EXPECT_EQ(sender, list);
        clicked.push_back(column->Index());
    };
    screen->Click(OnHeader(130).x, OnHeader(130).y);
    EXPECT_EQ(clicked, std::vector<int>({1}));
    // Pressed, the section looks sunk; released elsewhere it is no click.
    screen->MouseMove(OnHeader(30).x, OnHeader(30).y);
    screen->MouseDown();
    EXPECT_EQ(list->Header()->PressedItem(), 0);
    ProcessMessages();
    EXPECT_EQ(Pixel(OnHeader(0, 0)), ColorToRGB(clBtnShadow));
    screen->MouseMove(OnHeader(130).x, OnHeader(130).y);
    EXPECT_EQ(list->Header()->PressedItem(), -1);
    screen->MouseUp();
    EXPECT_EQ(clicked.size(), 1u);
    ProcessMessages();
    EXPECT_EQ(Pixel(OnHeader(0, 0)), ColorToRGB(clBtnHighlight));
}

TEST_F(Header, AProcedureInFrontOfTheHeaderCanPaintItWhollyAndSeeEveryOtherMessage)
{
    int presses = 0;
    TWindowSubclass hook;
    hook = TWindowSubclass(header, [&](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg == WM_PAINT) {
            TPaintDC dc(hwnd);
            dc.Canvas().Brush().Color = clFuchsia;
            dc.Canvas().FillRect(GetClientRect(hwnd));
            return 0;
        }
        if (msg == WM_ERASEBKGND) return 1;
        LRESULT result = hook.CallPrevious(msg, wp, lp);
        if (msg == WM_LBUTTONDOWN) ++presses;
        return result;
    });
    list->Header()->Invalidate();
    ProcessMessages();
    EXPECT_EQ(Pixel(OnHeader(50)), clFuchsia);
    screen->Click(OnHeader(50).x, OnHeader(50).y);
    EXPECT_EQ(presses, 1);
    hook.Remove();
    list->Header()->Invalidate();
    ProcessMessages();
    EXPECT_EQ(Pixel(OnHeader(50, 1)), ColorToRGB(clBtnFace));
}

TEST_F(Header, ColumnChangesReachTheHeader)
{
    list->Columns()[0]->SetCaption("Name");
    list->Columns()[2]->SetAlignment(TAlignment::taCenter);
    list->Columns().Delete(1);
    EXPECT_EQ(SendMessage(header, HDM_GETITEMCOUNT), 2);
    HDITEM item;
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_WIDTH;
    SendMessage(header, HDM_GETITEM, 0, PtrToLParam(&item));
    EXPECT_EQ(item.text, "Name");
    SendMessage(header, HDM_GETITEM, 1, PtrToLParam(&item));
    EXPECT_EQ(item.fmt, HDF_CENTER);
    EXPECT_EQ(item.cxy, 60);
    // A width set through the header reaches the column.
    item.mask = HDI_WIDTH;
    item.cxy = 33;
    SendMessage(header, HDM_SETITEM, 1, PtrToLParam(&item));
    EXPECT_EQ(list->Columns()[1]->Width(), 33);
}

TEST_F(Header, WithFullDragASectionDraggedSidewaysMovesItsColumn)
{
    int clicks = 0;
    list->OnColumnClick = [&](TComponent*, TListColumn*) { ++clicks; };
    // Without FullDrag a drag along the sections is only a press.
    screen->Drag(OnHeader(20), OnHeader(150), 3);
    EXPECT_EQ(list->Header()->OrderArray(), std::vector<int>({0, 1, 2}));
    list->SetFullDrag(true);
    screen->MouseMove(OnHeader(20).x, OnHeader(20).y);
    screen->MouseDown();
    screen->MouseMove(OnHeader(100).x, OnHeader(100).y);
    EXPECT_EQ(list->Header()->PressedItem(), -1); // no section looks pressed while moving
    screen->MouseMove(OnHeader(200).x, OnHeader(200).y);
    screen->MouseUp();
    EXPECT_EQ(list->Header()->OrderArray(), std::vector<int>({1, 2, 0}));
    EXPECT_EQ(clicks, 0);
    // The list follows: column 0 now starts after the other two.
    EXPECT_EQ(list->ItemRect(0, TDisplayCode::drLabel).Left, 80 + 60 + 2);
    screen->Drag(OnHeader(150), OnHeader(-20), 3); // column 0 dropped before the first
    EXPECT_EQ(list->Header()->OrderArray(), std::vector<int>({0, 1, 2}));
}

namespace {

// A list that keeps its image lists itself, as members: they go after the list's own
// components, its header among them, and tell the list so on their way out.
class TListWithOwnImages : public TListView {
public:
    explicit TListWithOwnImages(TComponent* owner)
        : TListView(owner), small_(std::make_unique<TImageList>(nullptr)), large_(std::make_unique<TImageList>(nullptr))
    {
        SetSmallImages(small_.get());
        SetLargeImages(large_.get());
    }

private:
    std::unique_ptr<TImageList> small_;
    std::unique_ptr<TImageList> large_;
};

} // namespace

TEST_F(Header, ImageListsFreedAfterTheHeaderLeaveNoDanglingHeader)
{
    for (bool throughForm : {false, true}) {
        SCOPED_TRACE(throughForm ? "freed with its form" : "freed alone");
        TForm* owner = NewForm(0, 0, 200, 200);
        auto* own = new TListWithOwnImages(owner);
        own->SetParent(owner);
        own->SetViewStyle(TViewStyle::vsReport);
        own->Columns().Add()->SetCaption("Name");
        ProcessMessages();
        if (throughForm) owner->Free();
        else {
            own->Free();
            owner->Free();
        }
        ProcessMessages();
    }
}
