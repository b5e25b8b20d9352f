#include "support/UiTest.h"

#include "gfx/SystemColors.h"
#include "ui/ScrollBar.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class ScrollBarControl : public UiTest {
protected:
    TScrollBar* bar = nullptr;
    std::vector<std::pair<TScrollCode, int>> scrolls;
    std::vector<int> changes;

    void SetUp() override
    {
        TForm* form = NewForm(100, 100, 400, 300);
        bar = new TScrollBar(form);
        bar->SetBounds(10, 10, 200, 16);
        bar->SetParent(form);
        bar->OnScroll = [this](TComponent*, TScrollCode code, int& pos) { scrolls.push_back({code, pos}); };
        bar->OnChange = [this](TComponent*) { changes.push_back(bar->Position()); };
        ProcessMessages();
    }

    // Presses at a client point of the bar and holds for the given steps of the clock.
    void Press(int x, int y, std::vector<uint64_t> holds = {})
    {
        for (uint64_t ms : holds) screen->WhenIdle([this, ms] { screen->Advance(ms); });
        screen->WhenIdle([this] { screen->MouseUp(); });
        MoveTo(At(bar, x, y));
        screen->MouseDown();
    }
};

TEST_F(ScrollBarControl, PositionStaysWithinTheRangeLessThePage)
{
    bar->SetPageSize(10);
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 91);
    EXPECT_EQ(changes, (std::vector<int>{91}));
    bar->SetPosition(91);
    EXPECT_EQ(changes.size(), 1u); // no change, no event
    {
        SCOPED_TRACE("a smaller range pulls the position along");
        bar->SetMax(50);
        EXPECT_EQ(bar->Position(), 41);
        bar->SetMin(60);
        EXPECT_EQ(bar->Min(), 60);
        EXPECT_EQ(bar->Max(), 60);
        EXPECT_EQ(bar->PageSize(), 1);
        EXPECT_EQ(bar->Position(), 60);
    }
    {
        SCOPED_TRACE("the window's bar agrees");
        bar->SetParams(30, 0, 200);
        bar->SetPageSize(300);
        EXPECT_EQ(bar->PageSize(), 201);
        EXPECT_EQ(bar->Position(), 0);
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
        GetScrollInfo(bar->Handle(), SB_CTL, &si);
        EXPECT_EQ(si.nMax, 200);
        EXPECT_EQ(si.nPage, 201u);
        EXPECT_EQ(si.nPos, 0);
    }
}

TEST_F(ScrollBarControl, ArrowsAndTrackStepBySmallAndLargeChange)
{
    bar->SetSmallChange(3);
    bar->SetLargeChange(25);
    Press(195, 8); // the right arrow
    EXPECT_EQ(scrolls, (std::vector<std::pair<TScrollCode, int>>{{TScrollCode::scLineDown, 3}, {TScrollCode::scEndScroll, 3}}));
    scrolls.clear();
    Press(150, 8, {500, 50}); // the track after the thumb, held for two repeats
    EXPECT_EQ(scrolls, (std::vector<std::pair<TScrollCode, int>>{{TScrollCode::scPageDown, 28},
                                                                   {TScrollCode::scPageDown, 53},
                                                                   {TScrollCode::scPageDown, 78},
                                                                   {TScrollCode::scEndScroll, 78}}));
    EXPECT_EQ(changes, (std::vector<int>{3, 28, 53, 78}));
    scrolls.clear();
    Press(3, 8);
    EXPECT_EQ(bar->Position(), 75);
}

TEST_F(ScrollBarControl, TheThumbDragsAndOnScrollMayChangeWhereItGoes)
{
    bar->OnScroll = [this](TComponent*, TScrollCode code, int& pos) {
        scrolls.push_back({code, pos});
        pos = pos / 10 * 10; // snap
    };
    // Thumb 16 long at x = 16; 152 pixels of room for 100 positions.
    screen->Drag(At(bar, 20, 8), At(bar, 20 + 76, 8), 2);
    EXPECT_EQ(scrolls, (std::vector<std::pair<TScrollCode, int>>{{TScrollCode::scTrack, 25},
                                                                   {TScrollCode::scTrack, 50},
                                                                   {TScrollCode::scPosition, 50},
                                                                   {TScrollCode::scEndScroll, 50}}));
    EXPECT_EQ(changes, (std::vector<int>{20, 50}));
    EXPECT_EQ(bar->Position(), 50);
    // Painted where the position says: 16 + 152 / 2.
    EXPECT_EQ(Pixel(At(bar, 16 + 76 - 1, 8)), ColorToRGB(clScrollBar));
    EXPECT_EQ(Pixel(At(bar, 16 + 76, 8)), ColorToRGB(cl3DLight));
}

TEST_F(ScrollBarControl, VerticalKindAndKeys)
{
    bar->SetKind(TScrollBarKind::sbVertical);
    EXPECT_EQ(bar->Width(), 16);
    EXPECT_EQ(bar->Height(), 200);
    EXPECT_NE(GetWindowLongPtr(bar->Handle(), GWL_STYLE) & SBS_VERT, 0);
    bar->SetPageSize(20);
    bar->SetFocus();
    screen->PressKey(VK_DOWN);
    EXPECT_EQ(bar->Position(), 1);
    screen->PressKey(VK_END);
    EXPECT_EQ(bar->Position(), 81);
    screen->PressKey(VK_UP);
    EXPECT_EQ(bar->Position(), 80);
    screen->PressKey(VK_HOME);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(scrolls.back().first, TScrollCode::scEndScroll);
    // A click on the bar focuses it when it can be focused.
    bar->Parent()->SetFocus();
    Press(8, 195);
    EXPECT_TRUE(bar->Focused());
    EXPECT_EQ(bar->Position(), 1);
}

} // namespace
