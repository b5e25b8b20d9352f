#include "SkinControlTest.h"

#include "skin/DataSkinButtonControls.h"
#include "skincontrols/SkinTrackBar.h"
#include "wsys/WinApi.h"

#include <vector>

namespace tavrik {
namespace {

using SkinTrackBarTest = testing::SkinControlTest;

struct TOrientation {
    const char* name;
    bool vertical;
    bool skinned;
};

class TrackBarValues : public SkinTrackBarTest, public ::testing::WithParamInterface<TOrientation> {
protected:
    TbsSkinTrackBar* NewBar(TForm* stage)
    {
        auto* bar = new TbsSkinTrackBar(stage);
        bar->SetParent(stage);
        bar->SetVertical(GetParam().vertical);
        bar->SetBounds(20, 20, GetParam().vertical ? 20 : 120, GetParam().vertical ? 120 : 20);
        if (GetParam().skinned) bar->SetSkinData(data);
        bar->SetValue(0);
        bar->OnChange = [this](TComponent* s) { changes.push_back(static_cast<TbsSkinTrackBar*>(s)->Value()); };
        app->ProcessMessages();
        return bar;
    }
    // The point of the track that stands for a share of the range (0: MinValue).
    TPoint AlongTrack(TbsSkinTrackBar* bar, double share, int beyond = 0)
    {
        const TRect thumb = bar->ThumbRect();
        const TPoint centre{(thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2};
        const int length = GetParam().vertical ? bar->Height() : bar->Width();
        const int along = int(share * length) + beyond;
        return GetParam().vertical ? At(bar, centre.x, bar->Height() - along) : At(bar, along, centre.y);
    }
    TPoint ThumbCentre(TbsSkinTrackBar* bar)
    {
        const TRect t = bar->ThumbRect();
        return At(bar, (t.Left + t.Right) / 2, (t.Top + t.Bottom) / 2);
    }
    std::vector<int> changes;
};

TEST_P(TrackBarValues, DragClickKeysAndWheelAtBothEnds)
{
    TForm* stage = NewForm();
    TbsSkinTrackBar* bar = NewBar(stage);
    // Dragging past either end pins the value; every change fires during the drag.
    screen->Drag(ThumbCentre(bar), AlongTrack(bar, 1, 40), 4);
    EXPECT_EQ(bar->Value(), 100);
    EXPECT_GE(changes.size(), 2u);
    EXPECT_EQ(changes.back(), 100);
    screen->Drag(ThumbCentre(bar), AlongTrack(bar, 0, -40), 1);
    EXPECT_EQ(bar->Value(), 0);
    // A click beside the thumb does nothing unless the thumb jumps.
    TPoint far = AlongTrack(bar, 0.8);
    screen->Click(far.x, far.y);
    EXPECT_EQ(bar->Value(), 0);
    bar->SetJumpWhenClick(true);
    screen->Click(far.x, far.y);
    EXPECT_NEAR(bar->Value(), 80, 6);
    // Keys and wheel need CanFocused; they stop at the ends.
    changes.clear();
    screen->PressKey(VK_RIGHT);
    EXPECT_TRUE(changes.empty());
    bar->SetCanFocused(true);
    bar->SetFocus();
    bar->SetValue(99);
    changes.clear();
    for (UINT key : {VK_RIGHT, VK_UP, VK_UP, VK_LEFT, VK_DOWN}) screen->PressKey(key);
    EXPECT_EQ(changes, (std::vector<int>{100, 99, 98}));
    bar->SetValue(1);
    changes.clear();
    // Forward raises a standing bar and lowers a lying one (which stops at 0 here).
    screen->Wheel(120);
    screen->Wheel(120);
    screen->Wheel(-120);
    const std::vector<int> expected = GetParam().vertical ? std::vector<int>{2, 3, 2} : std::vector<int>{0, 1};
    EXPECT_EQ(changes, expected);
}

INSTANTIATE_TEST_SUITE_P(Orientations, TrackBarValues,
                         ::testing::Values(TOrientation{"lying", false, true}, TOrientation{"standing", true, true},
                                           TOrientation{"plainLying", false, false}, TOrientation{"plainStanding", true, false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(SkinTrackBarTest, ThumbImageFollowsDragging)
{
    TForm* stage = NewForm();
    auto* bar = new TbsSkinTrackBar(stage);
    bar->SetParent(stage);
    bar->SetBounds(20, 20, 120, 30);
    bar->SetSkinData(data);
    bar->SetValue(75);
    app->ProcessMessages();
    const auto& skin = SkinControl<TbsDataSkinTrackBarControl>("htrackbar");
    EXPECT_EQ(bar->Height(), skin.skinrect.Height());
    // Track area 2..78 of the 80-pixel skin, 40 wider, and a 16-pixel thumb: the thumb's
    // centre runs 10..110.
    const TRect thumb = bar->ThumbRect();
    EXPECT_EQ(thumb, Bounds(10 + 75 - 8, 0, 16, 20));
    auto showsThumb = [&](const TRect& source) {
        const TBitmap& picture = Picture(skin.pictureindex);
        for (int y = 0; y < thumb.Height(); ++y)
            for (int x = 0; x < thumb.Width(); ++x)
                if (Pixel(At(bar, thumb.Left + x, thumb.Top + y)) != picture.GetPixel(source.Left + x, source.Top + y))
                    return false;
        return true;
    };
    EXPECT_TRUE(showsThumb(skin.buttonrect));
    MoveTo(At(bar, thumb.Left + 6, 10));
    screen->MouseDown();
    EXPECT_TRUE(showsThumb(skin.activebuttonrect));
    screen->MouseUp();
    EXPECT_TRUE(showsThumb(skin.buttonrect));
}

// At the skin's own size every pixel can be named: the thumb's face, the filled picture from
// the bar's start up to the thumb's centre, the normal picture beyond. Without the key, or
// while the bar is disabled, it shows no filled part: exactly what such a skin always showed.
TEST_F(SkinTrackBarTest, FilledPartRunsFromTheStartUpToTheThumbsCentre)
{
    struct TCase {
        const char* name;
        bool vertical;
        int value;
        int centre; // x of the thumb's centre, or y when the bar stands
        bool key, enabled;
    } cases[] = {
        {"lying at min", false, 0, 10, true, true},       {"lying in the middle", false, 50, 40, true, true},
        {"lying at max", false, 100, 70, true, true},     {"standing at min", true, 0, 70, true, true},
        {"standing in the middle", true, 50, 40, true, true}, {"standing at max", true, 100, 10, true, true},
        {"lying, old skin", false, 50, 40, false, true},  {"standing, old skin", true, 50, 40, false, true},
        {"lying, disabled", false, 50, 40, true, false},
    };
    TForm* stage = NewForm();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto& skin = const_cast<TbsDataSkinTrackBarControl&>(
            SkinControl<TbsDataSkinTrackBarControl>(c.vertical ? "trackbar" : "htrackbar"));
        const TRect filledskinrect = skin.filledskinrect;
        ASSERT_EQ(filledskinrect.Width(), skin.skinrect.Width());
        ASSERT_EQ(filledskinrect.Height(), skin.skinrect.Height());
        if (!c.key) skin.filledskinrect = {};
        auto* bar = new TbsSkinTrackBar(stage);
        bar->SetParent(stage);
        bar->SetVertical(c.vertical);
        bar->SetSkinData(data);
        bar->SetBounds(10, 10, skin.skinrect.Width(), skin.skinrect.Height());
        bar->SetValue(c.value);
        bar->SetEnabled(c.enabled);
        app->ProcessMessages();
        ASSERT_EQ(bar->Width(), skin.skinrect.Width());
        ASSERT_TRUE(bar->Region().has_value());
        const TRect thumb = bar->ThumbRect();
        EXPECT_EQ(c.vertical ? (thumb.Top + thumb.Bottom) / 2 : (thumb.Left + thumb.Right) / 2, c.centre);
        const TBitmap& picture = Picture(skin.pictureindex);
        TBitmap expected(bar->Width(), bar->Height());
        for (int y = 0; y < expected.Height(); ++y)
            for (int x = 0; x < expected.Width(); ++x) {
                const bool filled = c.key && c.enabled && (c.vertical ? y >= c.centre : x < c.centre);
                const TRect& source = filled ? filledskinrect : skin.skinrect;
                TColor colour = picture.GetPixel(source.Left + x, source.Top + y);
                if (thumb.Contains(TPoint{x, y}))
                    colour = picture.GetPixel(skin.buttonrect.Left + x - thumb.Left, skin.buttonrect.Top + y - thumb.Top);
                if (!bar->Region()->Contains(TPoint{x, y})) colour = PixelOf(bar, x, y); // cut off by the mask
                expected.SetPixel(x, y, colour);
            }
        EXPECT_TRUE(Shows(bar, expected));
        skin.filledskinrect = filledskinrect;
        delete bar;
    }
}

TEST_F(SkinTrackBarTest, RangeChangesMoveTheValueSilently)
{
    TForm* stage = NewForm();
    auto* bar = new TbsSkinTrackBar(stage);
    bar->SetParent(stage);
    int changes = 0;
    bar->OnChange = [&](TComponent*) { ++changes; };
    bar->SetValue(75);
    bar->SetValue(75);
    bar->SetValue(500);
    EXPECT_EQ(bar->Value(), 100);
    EXPECT_EQ(changes, 2);
    bar->SetMaxValue(40);
    EXPECT_EQ(bar->Value(), 40);
    bar->SetMinValue(60); // a reversed range holds its minimum
    EXPECT_EQ(bar->Value(), 60);
    EXPECT_EQ(changes, 2);
    bar->SetBounds(0, 0, 3, 2); // too small for a thumb: still paints
    app->ProcessMessages();
    bar->SetMouseSupport(false);
    screen->Click(At(bar, 1, 1).x, At(bar, 1, 1).y);
    EXPECT_EQ(bar->Value(), 60);
}

} // namespace
} // namespace tavrik
