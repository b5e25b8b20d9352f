#include "SkinScene.h"

#include "gfx/SystemColors.h"
#include "skincontrols/ScrollBarGeometry.h"
#include "skincontrols/SkinScrollBar.h"

#include <climits>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

std::string Describe(const TRect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," + std::to_string(r.Bottom);
}

} // namespace

TEST(ScrollBarGeometry, PlacesTheThumbByPositionAndPage)
{
    struct TCase {
        const char* name;
        TSize size;
        bool vertical, both;
        TbsScrollRange range;
        TRect thumb;
        int start, end, offset;
    } cases[] = {
        {"fixed thumb in the middle", {200, 19}, false, false, {0, 100, 50, 0}, {92, 1, 108, 18}, 25, 175, 75},
        {"standing", {19, 200}, true, false, {0, 100, 50, 0}, {1, 92, 18, 108}, 25, 175, 75},
        {"page 10 of 100: 17 long, drawn 16", {200, 19}, false, false, {0, 99, 0, 10}, {17, 1, 33, 18}, 25, 175, 0},
        {"page at its last position", {200, 19}, false, false, {0, 99, 90, 10}, {167, 1, 183, 18}, 25, 175, 150},
        {"corner square left at the right end", {200, 19}, false, true, {0, 100, 100, 0}, {148, 1, 164, 18}, 25, 156, 131},
        {"a page beyond the range fills the track", {200, 19}, false, false, {0, 9, 0, 50}, {17, 1, 183, 18}, 100, 100, 0},
        {"an empty range", {200, 19}, false, false, {5, 5, 5, 0}, {17, 1, 33, 18}, 25, 175, 0},
        {"a reversed range", {200, 19}, false, false, {10, 0, 10, 0}, {17, 1, 33, 18}, 25, 175, 0},
        {"a huge range", {200, 19}, false, false, {INT_MIN, INT_MAX, INT_MAX, 0}, {167, 1, 183, 18}, 25, 175, 150},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TbsScrollBarLayout layout = LayoutSkinScrollBar(PlainScrollBarFrame(c.size, c.vertical, c.both, 19), c.vertical, c.range);
        EXPECT_EQ(Describe(layout.Thumb()), Describe(c.thumb));
        EXPECT_EQ(layout.TrackStart, c.start);
        EXPECT_EQ(layout.TrackEnd, c.end);
        EXPECT_EQ(layout.Offset, c.offset);
    }
}

TEST(ScrollBarGeometry, ClampsPositionsAndMapsThumbOffsetsBack)
{
    struct TCase {
        TbsScrollRange range;
        int64_t asked;
        int clamped;
    } clamps[] = {
        {{0, 99, 0, 10}, 95, 90}, {{0, 99, 0, 10}, -5, 0},  {{0, 99, 0, 0}, 150, 99},
        {{10, 5, 0, 0}, 7, 10},   {{0, 5, 0, 50}, 3, 0},    {{INT_MIN, INT_MAX, 0, 0}, int64_t(INT_MAX) + 9, INT_MAX},
    };
    for (const TCase& c : clamps) {
        SCOPED_TRACE(c.asked);
        EXPECT_EQ(c.range.Clamp(c.asked), c.clamped);
    }
    // The way back from a thumb offset: both ends, beyond them, and halfway.
    const TbsScrollRange page{0, 99, 0, 10};
    const TbsScrollBarLayout layout = LayoutSkinScrollBar(PlainScrollBarFrame({200, 19}, false, false, 19), false, page);
    const std::pair<int, int> offsets[] = {{-40, 0}, {0, 0}, {75, 45}, {150, 90}, {400, 90}};
    for (auto [offset, position] : offsets) EXPECT_EQ(ScrollPositionAt(offset, layout, page), position) << offset;
}

namespace {

class SkinScrollBarTest : public SkinScene {
protected:
    TbsSkinScrollBar* bar = nullptr;
    int changes = 0, lastChanges = 0;

    void SetUp() override
    {
        bar = Add<TbsSkinScrollBar>(form, Bounds(10, 10, 200, 19));
        bar->OnChange = [this](TComponent*) { ++changes; };
        bar->OnLastChange = [this](TComponent*) { ++lastChanges; };
        ProcessMessages();
    }
    TPoint At(int x, int y) const { return bar->ClientToScreen({x, y}); }
    void Press(TPoint p)
    {
        screen->MouseMove(p.x, p.y);
        screen->MouseDown();
    }
    // Advances the clock and answers the position then.
    int After(uint64_t ms)
    {
        screen->Advance(ms);
        return bar->Position();
    }
};

} // namespace

TEST_F(SkinScrollBarTest, HeldArrowRepeatsAfterADelayAndPausesOffTheArrow)
{
    Press(At(190, 9));
    EXPECT_EQ(bar->Position(), 1);
    EXPECT_EQ(After(499), 1);
    EXPECT_EQ(After(1), 1);  // the delay ends
    EXPECT_EQ(After(50), 2); // then one step each 50 ms
    EXPECT_EQ(After(50), 3);
    TPoint off = At(100, 9);
    screen->MouseMove(off.x, off.y);
    EXPECT_EQ(After(500), 3);
    TPoint back = At(190, 9);
    screen->MouseMove(back.x, back.y);
    EXPECT_EQ(After(50), 4);
    screen->MouseUp();
    EXPECT_EQ(After(500), 4);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(lastChanges, 0);
}

TEST_F(SkinScrollBarTest, HeldTrackPagesUntilTheThumbReachesThePointer)
{
    bar->SetLargeChange(10);
    int pagesDown = 0;
    bar->OnPageDown = [&](TComponent*) { ++pagesDown; };
    // The thumb at 0 stands at 17..33; the pointer at x 120 is reached at position 60
    // (thumb 107..123).
    Press(At(120, 9));
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_EQ(After(500 + 50 * 10), 60);
    EXPECT_EQ(After(500), 60);
    screen->MouseUp();
    EXPECT_EQ(pagesDown, 6);
    EXPECT_EQ(bar->HotPart(), bspThumb) << "the thumb reached the pointer";
}

TEST_F(SkinScrollBarTest, ThumbDragReachesBothEndsAndTellsOfTheRelease)
{
    bar->SetRange(0, 99, 10, 40);
    const TRect thumb = bar->Layout().Thumb();
    const TPoint grip = At(thumb.Left + 4, 9);
    std::vector<int> seen;
    bar->OnChange = [&](TComponent*) { seen.push_back(bar->Position()); };
    screen->Drag(grip, At(1000, 9), 20);
    EXPECT_EQ(bar->Position(), 90);
    EXPECT_GE(seen.size(), 2u) << "the position follows the drag";
    EXPECT_EQ(lastChanges, 1);
    const TPoint grip2 = At(bar->Layout().Thumb().Left + 4, 9);
    screen->Drag(grip2, At(-1000, 40), 20);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(lastChanges, 2);
    EXPECT_FALSE(bar->Dragging());
}

TEST_F(SkinScrollBarTest, SettersClampAndRefuseBadRanges)
{
    bar->SetRange(0, 99, 10, 0);
    bar->SetPosition(1000);
    EXPECT_EQ(bar->Position(), 90);
    EXPECT_EQ(changes, 1);
    bar->SetPosition(95);
    EXPECT_EQ(changes, 1) << "the same clamped position fires nothing";
    bar->SetPageSize(20); // would reach past Max from 90
    EXPECT_EQ(bar->PageSize(), 10);
    bar->SetMax(50);
    EXPECT_EQ(bar->Position(), 41);
    bar->SetRange(10, 0, 5, -3);
    EXPECT_EQ(bar->Position(), 10);
    bar->SetRange(0, 100, 0, 0);
    bar->SetMin(30);
    EXPECT_EQ(bar->Position(), 30);
}

TEST_F(SkinScrollBarTest, PlainLookShowsNoThumbWhileDisabledAndPressedArrows)
{
    bar->SetPosition(50); // thumb 92..108
    ProcessMessages();
    EXPECT_EQ(PixelOf(bar, 100, 9), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(bar, 92, 9), ColorToRGB(clBtnShadow)) << "the thumb's frame";
    Press(At(5, 9));
    EXPECT_EQ(PixelOf(bar, 3, 3), RGB(133, 147, 181)) << "the pressed decrease arrow";
    screen->MouseUp();
    bar->SetEnabled(false);
    ProcessMessages();
    EXPECT_EQ(PixelOf(bar, 92, 9), ColorToRGB(clBtnFace));
    EXPECT_EQ(PixelOf(bar, 1, 9), ColorToRGB(clBtnShadow)) << "the buttons stay";
}
