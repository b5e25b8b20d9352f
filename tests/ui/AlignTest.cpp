#include "support/UiTest.h"

#include "support/Placement.h"
#include "ui/Label.h"
#include "ui/Panel.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class Align : public UiTest {
protected:
    TPanel* host = nullptr;
    void SetUp() override
    {
        TForm* form = NewForm(0, 0, 500, 400);
        host = new TPanel(form);
        host->SetBevelOuter(TBevelCut::bvNone);
        host->SetBounds(0, 0, 300, 200);
        host->SetParent(form);
    }
    TPanel* Child(TAlign align, int w, int h)
    {
        auto* p = new TPanel(host);
        p->SetBounds(0, 0, w, h);
        p->SetAlign(align);
        p->SetParent(host);
        return p;
    }
};

} // namespace

TEST_F(Align, EdgesAreTakenTopBottomLeftRightThenClientFillsTheRest)
{
    TPanel* client = Child(TAlign::alClient, 10, 10);
    TPanel* right = Child(TAlign::alRight, 30, 10);
    TPanel* left = Child(TAlign::alLeft, 20, 10);
    TPanel* bottom = Child(TAlign::alBottom, 10, 25);
    TPanel* top = Child(TAlign::alTop, 10, 15);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 300, 15));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 175, 300, 200));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 15, 20, 175));
    EXPECT_EQ(right->BoundsRect(), Rect(270, 15, 300, 175));
    EXPECT_EQ(client->BoundsRect(), Rect(20, 15, 270, 175));

    host->SetBounds(0, 0, 400, 100);
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, 400, 15));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 75, 400, 100));
    EXPECT_EQ(right->BoundsRect(), Rect(370, 15, 400, 75));
    EXPECT_EQ(client->BoundsRect(), Rect(20, 15, 370, 75));
}

TEST_F(Align, ControlsOnTheSameEdgeKeepTheirOrderFromThatEdge)
{
    TPanel* first = Child(TAlign::alTop, 10, 10);
    TPanel* second = Child(TAlign::alTop, 10, 20);
    EXPECT_EQ(first->Top(), 0);
    EXPECT_EQ(second->Top(), 10);
    // Moving the second above the first swaps them.
    second->SetTop(-1);
    EXPECT_EQ(second->Top(), 0);
    EXPECT_EQ(first->Top(), 20);
    TPanel* b1 = Child(TAlign::alBottom, 10, 5);
    TPanel* b2 = Child(TAlign::alBottom, 10, 7);
    EXPECT_EQ(b1->Top(), 195);
    EXPECT_EQ(b2->Top(), 188); // inside the first one taken
}

TEST_F(Align, HiddenAlignedControlsGiveUpTheirSpace)
{
    TPanel* top = Child(TAlign::alTop, 10, 40);
    TPanel* client = Child(TAlign::alClient, 10, 10);
    EXPECT_EQ(client->Top(), 40);
    top->Hide();
    EXPECT_EQ(client->BoundsRect(), Rect(0, 0, 300, 200));
    top->Show();
    EXPECT_EQ(client->BoundsRect(), Rect(0, 40, 300, 200));
    top->SetHeight(60); // an aligned control that changes size moves the others
    EXPECT_EQ(client->Top(), 60);
}

TEST_F(Align, PanelBorderAndBevelsNarrowTheSharedArea)
{
    host->SetBevelOuter(TBevelCut::bvRaised);
    host->SetBevelInner(TBevelCut::bvLowered);
    host->SetBevelWidth(2);
    host->SetBorderWidth(3);
    TPanel* client = Child(TAlign::alClient, 10, 10);
    EXPECT_EQ(client->BoundsRect(), Rect(7, 7, 293, 193));
}

TEST_F(Align, AConstrainedAlignedControlPushesTheRestByItsRealSize)
{
    TPanel* left = Child(TAlign::alLeft, 50, 10);
    left->Constraints().SetMaxWidth(30);
    TPanel* client = Child(TAlign::alClient, 10, 10);
    EXPECT_EQ(left->Width(), 30);
    EXPECT_EQ(client->Left(), 30);
}

TEST_F(Align, AnchorsKeepTheDistancesToTheChosenEdges)
{
    auto place = [&](TAnchors anchors) {
        auto* p = test::NewChild<TPanel>(host, 100, 50, 40, 20);
        p->SetAnchors(anchors);
        return p;
    };
    TPanel* topLeft = place(akLeft | akTop);
    TPanel* right = place(akTop | akRight);
    TPanel* stretch = place(akLeft | akTop | akRight | akBottom);
    TPanel* floating = place(0);
    TPanel* bottom = place(akLeft | akBottom);

    host->SetBounds(0, 0, 360, 260); // 60 wider, 60 taller
    EXPECT_EQ(topLeft->BoundsRect(), Bounds(100, 50, 40, 20));
    EXPECT_EQ(right->BoundsRect(), Bounds(160, 50, 40, 20));
    EXPECT_EQ(stretch->BoundsRect(), Bounds(100, 50, 100, 80));
    EXPECT_EQ(floating->BoundsRect(), Bounds(130, 80, 40, 20));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(100, 110, 40, 20));

    // Shrinking below the control's width squeezes it to nothing, and growing back restores it.
    host->SetBounds(0, 0, 150, 200);
    EXPECT_EQ(stretch->Width(), 0);
    host->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(stretch->BoundsRect(), Bounds(100, 50, 40, 20));

    // Moving a control takes new distances.
    right->SetLeft(10);
    host->SetBounds(0, 0, 310, 200);
    EXPECT_EQ(right->Left(), 20);
}

TEST_F(Align, AFormResizedByTheUserRealignsItsControls)
{
    TForm* form = GetParentForm(host);
    host->SetAlign(TAlign::alClient);
    EXPECT_EQ(host->BoundsRect(), Rect(0, 0, 500, 400));
    // The window changes size behind the form's back, as the move/size loop does it.
    MoveWindow(form->Handle(), 0, 0, 450, 300);
    EXPECT_EQ(form->Width(), 450);
    EXPECT_EQ(host->BoundsRect(), Rect(0, 0, 450, 300));
}

TEST_F(Align, DisabledAlignmentRunsOnceWhenEnabledAgain)
{
    int resizes = 0;
    TPanel* client = Child(TAlign::alClient, 10, 10);
    client->OnResize = [&](TComponent*) { ++resizes; };
    host->DisableAlign();
    host->SetBounds(0, 0, 100, 100);
    host->SetBounds(0, 0, 120, 110);
    EXPECT_EQ(resizes, 0);
    host->EnableAlign();
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 0, 120, 110));
}

TEST_F(Align, ASiblingHiddenWhileTheAreaIsBeingLaidOutStillGivesUpItsSpace)
{
    // A box that hides the bar beside it when it is resized, as a scroll box whose content
    // fits once the box is wide enough.
    host->SetBounds(0, 0, 200, 200);
    TPanel* bar = Child(TAlign::alRight, 20, 10);
    TPanel* box = Child(TAlign::alClient, 10, 10);
    box->OnResize = [&](TComponent*) {
        if (box->Width() >= 250) bar->Hide();
    };
    ASSERT_TRUE(bar->Visible());
    ASSERT_EQ(box->Width(), 180);
    host->SetBounds(0, 0, 280, 200); // the box becomes 260 wide in this pass
    EXPECT_FALSE(bar->Visible());
    EXPECT_EQ(box->BoundsRect(), Rect(0, 0, 280, 200)) << "a second pass gave the box the bar's room";
}
