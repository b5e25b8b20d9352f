#include "SkinScene.h"

#include "gfx/SystemColors.h"
#include "skincontrols/ScrollBoxAxis.h"
#include "skincontrols/SkinScrollBar.h"
#include "skincontrols/SkinScrollBox.h"
#include "ui/Panel.h"

using namespace tavrik;
using namespace tavrik::testing;

TEST(ScrollBoxAxis, FollowsTheContentAndBringsItBackWhenItFits)
{
    struct TCase {
        const char* name;
        TScrollAxisState state;
        TScrollAxisUpdate expected;
    } cases[] = {
        {"fits", {100, 80, 0, 0, 0, 0}, {false, 0, 0, 0, 0}},
        {"overflows", {100, 250, 0, 0, 0, 0}, {true, 249, 100, 0, 0}},
        {"scrolled, end below", {100, 150, 100, 249, 100, 0}, {true, 249, 100, 100, 0}},
        {"grew while scrolled", {150, 120, 100, 219, 100, 50}, {true, 219, 150, 50, 50}},
        {"grew more than scrolled", {150, 130, 30, 219, 100, 80}, {true, 159, 150, 0, 30}},
        {"shrank while scrolled to the end", {100, 60, 100, 249, 100, 0}, {true, 159, 100, 0, 100}},
        {"fits again while scrolled", {100, 50, 30, 249, 100, 0}, {false, 0, 0, 0, 30}},
        {"shrank with a page beyond the old range", {100, 60, 100, 249, 1000, 0}, {true, 159, 100, 100, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TScrollAxisUpdate u = UpdateScrollAxis(c.state);
        EXPECT_EQ(u.Visible, c.expected.Visible);
        EXPECT_EQ(u.Max, c.expected.Max);
        EXPECT_EQ(u.PageSize, c.expected.PageSize);
        EXPECT_EQ(u.Position, c.expected.Position);
        EXPECT_EQ(u.Shift, c.expected.Shift);
    }
}

TEST_F(SkinScene, ScrollBoxRangesFollowItsChildAndScrollIt)
{
    auto* box = Add<TbsSkinScrollBox>(form, Bounds(0, 0, 200, 150));
    auto* vbar = Add<TbsSkinScrollBar>(form, Bounds(200, 0, 19, 150));
    vbar->SetKind(TbsScrollBarKind::sbVertical);
    auto* hbar = Add<TbsSkinScrollBar>(form, Bounds(0, 150, 200, 19));
    box->SetVScrollBar(vbar);
    box->SetHScrollBar(hbar);
    auto* child = new TPanel(form);
    child->SetParent(box);
    child->SetBounds(0, 0, 50, 100);
    ProcessMessages();
    EXPECT_FALSE(vbar->Visible());

    child->SetHeight(400);
    ASSERT_TRUE(vbar->Visible());
    EXPECT_EQ(box->ClientHeight(), 148) << "a one-pixel plain frame";
    EXPECT_EQ(vbar->Max(), 399);
    EXPECT_EQ(vbar->PageSize(), 148);
    EXPECT_FALSE(hbar->Both()) << "the corner follows at the next update";
    box->UpdateScrollBars();
    EXPECT_TRUE(hbar->Both());

    vbar->SetPosition(1000);
    EXPECT_EQ(vbar->Position(), 252);
    EXPECT_EQ(child->Top(), -252);
    vbar->SetPosition(200);
    EXPECT_EQ(child->Top(), -200);
    vbar->SetPosition(252);

    // Shrinking the content of a box scrolled to its end scrolls back to the start.
    child->SetHeight(200);
    EXPECT_EQ(child->Top(), 0);
    EXPECT_EQ(vbar->Position(), 0);
    EXPECT_EQ(vbar->Max(), 199);

    child->SetHeight(100);
    EXPECT_FALSE(vbar->Visible());
    delete vbar;
    child->SetHeight(500); // the link was cleared with the bar
    EXPECT_EQ(box->VScrollBar(), nullptr);
    EXPECT_EQ(PixelOf(box, -1, 20), ColorToRGB(clBtnShadow)) << "the frame";
}
