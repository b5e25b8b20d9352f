#include "support/UiTest.h"

#include "gfx/SystemColors.h"
#include "ui/Panel.h"
#include "ui/ScrollBox.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class ScrollBoxTest : public UiTest {
protected:
    TScrollBox* box = nullptr;

    void SetUp() override
    {
        TForm* form = NewForm(100, 100, 400, 300);
        box = new TScrollBox(form);
        box->SetBorderStyle(TBorderStyle::bsNone);
        box->SetBounds(0, 0, 200, 100);
        box->SetParent(form);
        ProcessMessages();
    }

    TPanel* Child(TRect bounds, TColor color = clRed, TAlign align = TAlign::alNone)
    {
        auto* p = new TPanel(box);
        p->SetBevelOuter(TBevelCut::bvNone);
        p->SetColor(color);
        p->SetBoundsRect(bounds);
        p->SetAlign(align);
        p->SetParent(box);
        ProcessMessages();
        return p;
    }

    bool HasBar(DWORD style) const { return (GetWindowLongPtr(box->Handle(), GWL_STYLE) & style) != 0; }
};

TEST_F(ScrollBoxTest, BarsAppearWhenTheChildrenDoNotFit)
{
    TPanel* tall = Child(Rect(10, 10, 50, 300));
    EXPECT_TRUE(HasBar(WS_VSCROLL));
    EXPECT_FALSE(HasBar(WS_HSCROLL));
    EXPECT_EQ(box->ClientWidth(), 200 - 16);
    EXPECT_EQ(box->VertScrollBar().Range(), 300);
    EXPECT_EQ(box->VertScrollBar().MaxPosition(), 200);
    {
        SCOPED_TRACE("a child that fits only without the vertical bar needs the horizontal one too");
        Child(Rect(0, 0, 190, 20));
        EXPECT_TRUE(HasBar(WS_HSCROLL));
        EXPECT_EQ(box->ClientRect(), Rect(0, 0, 184, 84));
    }
    {
        SCOPED_TRACE("and all goes when the content shrinks");
        tall->SetHeight(50);
        EXPECT_FALSE(HasBar(WS_VSCROLL));
        EXPECT_FALSE(HasBar(WS_HSCROLL));
        EXPECT_EQ(box->ClientRect(), Rect(0, 0, 200, 100));
    }
    {
        SCOPED_TRACE("margin and visibility");
        box->HorzScrollBar().SetMargin(20);
        EXPECT_EQ(box->HorzScrollBar().Range(), 210);
        EXPECT_TRUE(HasBar(WS_HSCROLL));
        box->HorzScrollBar().SetVisible(false);
        EXPECT_FALSE(HasBar(WS_HSCROLL));
    }
}

TEST_F(ScrollBoxTest, PositionsMoveTheChildrenAndThePixels)
{
    TPanel* red = Child(Rect(10, 120, 60, 170), clRed);
    TPanel* blue = Child(Rect(10, 10, 60, 60), clBlue);
    EXPECT_EQ(Pixel(At(box, 20, 20)), clBlue);
    box->VertScrollBar().SetPosition(100);
    EXPECT_EQ(box->VertScrollBar().Position(), 70); // 170 high content, 100 high box
    EXPECT_EQ(red->Top(), 50);
    EXPECT_EQ(blue->Top(), -60);
    EXPECT_EQ(GetScrollPos(box->Handle(), SB_VERT), 70);
    ProcessMessages();
    EXPECT_EQ(Pixel(At(box, 20, 60)), clRed);
    EXPECT_EQ(Pixel(At(box, 20, 45)), ColorToRGB(clBtnFace));
    {
        SCOPED_TRACE("ScrollBy moves the children only");
        box->ScrollBy(5, 10);
        EXPECT_EQ(red->BoundsRect(), Rect(15, 60, 65, 110));
        EXPECT_EQ(box->VertScrollBar().Position(), 70);
    }
}

TEST_F(ScrollBoxTest, TheBarScrollsByIncrementAndByPage)
{
    Child(Rect(0, 0, 50, 400));
    TPoint downArrow = At(box, 200 - 8, 100 - 3);
    screen->WhenIdle([&] { screen->MouseUp(); });
    MoveTo(downArrow);
    screen->MouseDown();
    EXPECT_EQ(box->VertScrollBar().Position(), box->VertScrollBar().Increment());
    screen->WhenIdle([&] { screen->MouseUp(); });
    MoveTo(At(box, 200 - 8, 80)); // the track below the thumb
    screen->MouseDown();
    EXPECT_EQ(box->VertScrollBar().Position(), 8 + 100);
    {
        SCOPED_TRACE("the wheel");
        box->SetFocus(); // the wheel turns what has the focus
        MoveTo(At(box, 100, 50));
        screen->Wheel(-120);
        EXPECT_EQ(box->VertScrollBar().Position(), 108 + 24);
        screen->Wheel(240);
        EXPECT_EQ(box->VertScrollBar().Position(), 132 - 48);
    }
}

TEST_F(ScrollBoxTest, ShrinkingContentScrollsBackAndAlignedChildrenFollowTheOffset)
{
    TPanel* content = Child(Rect(0, 0, 50, 300));
    TPanel* header = Child(Rect(0, 0, 10, 30), clGreen, TAlign::alTop);
    box->VertScrollBar().SetPosition(200);
    EXPECT_EQ(content->Top(), -200);
    EXPECT_EQ(header->BoundsRect(), Rect(0, -200, 184, -170));
    content->SetHeight(150);
    EXPECT_EQ(box->VertScrollBar().Position(), 50);
    EXPECT_EQ(content->Top(), -50);
    EXPECT_EQ(header->Top(), -50);
    {
        SCOPED_TRACE("the client-aligned child fills the content, never less than the box");
        TPanel* fill = Child(Rect(0, 0, 5, 5), clYellow, TAlign::alClient);
        EXPECT_EQ(box->VertScrollBar().Range(), 150);
        EXPECT_EQ(fill->BoundsRect(), Rect(0, -20, 184, 100));
    }
}

TEST_F(ScrollBoxTest, ScrollInViewBringsAChildIntoSight)
{
    TPanel* near = Child(Rect(0, 0, 10, 10));
    TPanel* far = Child(Rect(300, 250, 340, 280));
    box->ScrollInView(far);
    EXPECT_EQ(box->HorzScrollBar().Position(), 340 - 184);
    EXPECT_EQ(box->VertScrollBar().Position(), 280 - 84);
    box->ScrollInView(near);
    EXPECT_EQ(box->HorzScrollBar().Position(), 0);
    EXPECT_EQ(box->VertScrollBar().Position(), 0);
}

TEST_F(ScrollBoxTest, AutoScrollOffAndBorder)
{
    box->SetAutoScroll(false);
    Child(Rect(0, 0, 50, 300));
    EXPECT_FALSE(HasBar(WS_VSCROLL));
    box->VertScrollBar().SetRange(500);
    EXPECT_TRUE(HasBar(WS_VSCROLL));
    EXPECT_EQ(box->VertScrollBar().MaxPosition(), 400);
    box->SetBorderStyle(TBorderStyle::bsSingle);
    EXPECT_EQ(box->ClientRect(), Rect(0, 0, 200 - 4 - 16, 100 - 4));
    EXPECT_TRUE(HasBar(WS_VSCROLL));
}

} // namespace
