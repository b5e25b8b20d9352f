#include "SkinScene.h"

#include "skincontrols/SkinUpDown.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class SkinUpDownTest : public SkinScene {
protected:
    TbsSkinUpDown* updown = nullptr;
    int changes = 0, upClicks = 0, downClicks = 0;

    void SetUp() override
    {
        updown = Add<TbsSkinUpDown>(form, Bounds(10, 10, 50, 25));
        updown->OnChange = [this](TComponent*) { ++changes; };
        updown->OnUpButtonClick = [this](TComponent*) { ++upClicks; };
        updown->OnDownButtonClick = [this](TComponent*) { ++downClicks; };
        ProcessMessages();
    }
    void MoveTo(int x, int y)
    {
        TPoint p = updown->ClientToScreen({x, y});
        screen->MouseMove(p.x, p.y);
    }
    int After(uint64_t ms)
    {
        screen->Advance(ms);
        return updown->Position();
    }
};

} // namespace

TEST_F(SkinUpDownTest, TheLineBetweenTheButtonsBelongsToTheUpButton)
{
    struct TCase {
        TbsUpDownOrientation orientation;
        TPoint line;
    } cases[] = {{TbsUpDownOrientation::udHorizontal, {25, 12}}, {TbsUpDownOrientation::udVertical, {25, 12}}};
    for (const TCase& c : cases) {
        updown->SetOrientation(c.orientation);
        MoveTo(c.line.x, c.line.y);
        EXPECT_EQ(updown->HotButton(), TbsSkinUpDown::ubUp);
        MoveTo(200, 200);
    }
}

TEST_F(SkinUpDownTest, ClickStepsAtTheReleaseAndTheEndOfTheRangeStillTellsOfTheClick)
{
    updown->SetMax(3);
    updown->SetPosition(2);
    changes = 0;
    MoveTo(40, 12);
    screen->MouseDown();
    EXPECT_EQ(updown->Position(), 2) << "nothing at the press";
    screen->MouseUp();
    EXPECT_EQ(updown->Position(), 3);
    screen->Click(updown->ClientToScreen({40, 12}).x, updown->ClientToScreen({40, 12}).y);
    EXPECT_EQ(updown->Position(), 3);
    EXPECT_EQ(changes, 1) << "a step beyond Max is ignored";
    EXPECT_EQ(upClicks, 2);
    updown->SetPosition(7);
    EXPECT_EQ(updown->Position(), 3);
}

TEST_F(SkinUpDownTest, HeldButtonRepeatsAfter600MsAndPausesOffTheButton)
{
    MoveTo(10, 12); // the down button
    updown->SetPosition(50);
    screen->MouseDown();
    EXPECT_EQ(After(599), 50);
    EXPECT_EQ(After(1), 49);
    EXPECT_EQ(After(100), 48);
    MoveTo(40, 12); // over the other button: it stays dark while this one is held
    EXPECT_EQ(updown->HotButton(), TbsSkinUpDown::ubNone);
    EXPECT_EQ(After(300), 48);
    MoveTo(10, 12);
    EXPECT_EQ(After(50), 47);
    EXPECT_EQ(After(50), 46);
    screen->MouseUp();
    EXPECT_EQ(updown->Position(), 45) << "the release steps once more";
    EXPECT_EQ(After(500), 45);
    EXPECT_EQ(downClicks, 1);
}
