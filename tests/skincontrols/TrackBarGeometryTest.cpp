#include "skincontrols/TrackBarGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace tavrik {
namespace {

TEST(TrackBarGeometryTest, PlainThumbOfAnEightyOnePixelBar)
{
    // 81 x 20 at 75 of 0..100: thumb 8 x 16, centre from 6 to 75, Round(69 * 0.75) = 52.
    const TSize control{81, 20};
    const TSize thumb = PlainThumbSize(control, false);
    EXPECT_EQ(thumb, (TSize{8, 16}));
    TThumbPlace p = PlaceThumb(PlainTrack(control), thumb, false, {0, 100, 75});
    EXPECT_EQ(p.TrackStart, 6);
    EXPECT_EQ(p.TrackEnd, 75);
    EXPECT_EQ(p.Offset, 52);
    EXPECT_EQ(p.Thumb, (TRect{54, 2, 62, 18}));
    // Turned on its side the same bar runs upward from the bottom.
    const TSize side{20, 81};
    EXPECT_EQ(PlainThumbSize(side, true), (TSize{16, 8}));
    TThumbPlace v = PlaceThumb(PlainTrack(side), {16, 8}, true, {0, 100, 75});
    EXPECT_EQ(v.TrackStart, 6);
    EXPECT_EQ(v.TrackEnd, 75);
    EXPECT_EQ(v.Thumb, (TRect{2, 19, 18, 27}));
}

TEST(TrackBarGeometryTest, BothEndsOfBothOrientations)
{
    // The skin's track areas of an 80-pixel bar lying and standing, with a 12-pixel thumb.
    struct TCase {
        bool vertical;
        int value;
        TRect thumb;
    } cases[] = {
        {false, 0, {2, 0, 14, 20}},
        {false, 100, {66, 0, 78, 20}},
        {true, 0, {0, 66, 20, 78}},
        {true, 100, {0, 2, 20, 14}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.vertical) + " " + std::to_string(c.value));
        const TRect track = c.vertical ? TRect{0, 2, 20, 78} : TRect{2, 0, 78, 20};
        const TSize thumb = c.vertical ? TSize{20, 12} : TSize{12, 20};
        TThumbPlace p = PlaceThumb(track, thumb, c.vertical, {0, 100, c.value});
        EXPECT_EQ(p.Thumb, c.thumb);
        const int length = p.TrackEnd - p.TrackStart;
        EXPECT_EQ(length, 64);
        EXPECT_EQ(ValueFromOffset(p.Offset, length, {0, 100, 50}), c.value);
        // Dragging far beyond either end pins the value.
        EXPECT_EQ(ValueFromOffset(-5000, length, {0, 100, 50}), 0);
        EXPECT_EQ(ValueFromOffset(5000, length, {0, 100, 50}), 100);
    }
}

TEST(TrackBarGeometryTest, ValueAndOffsetRoundTripWhenTheTrackIsLongEnough)
{
    for (TValueRange range : {TValueRange{0, 100, 0}, TValueRange{-255, 255, 0}, TValueRange{7, 9, 7}}) {
        for (int length : {range.Max - range.Min, 2 * (range.Max - range.Min) + 1, 600}) {
            SCOPED_TRACE(std::to_string(range.Min) + ".." + std::to_string(range.Max) + " over " + std::to_string(length));
            const TRect track{0, 0, length + 10, 20};
            for (int v = range.Min; v <= range.Max; ++v) {
                TValueRange at = range;
                at.Value = v;
                TThumbPlace p = PlaceThumb(track, {10, 20}, false, at);
                ASSERT_EQ(ValueFromOffset(p.Offset, p.TrackEnd - p.TrackStart, range), v);
            }
        }
    }
}

TEST(TrackBarGeometryTest, HalvesRoundToTheEvenNeighbour)
{
    EXPECT_EQ(ValueFromOffset(25, 50, {0, 5, 0}), 2);  // 2.5
    EXPECT_EQ(ValueFromOffset(25, 50, {0, 3, 0}), 2);  // 1.5
    EXPECT_EQ(ValueFromOffset(25, 50, {0, 7, 0}), 4);  // 3.5
    EXPECT_EQ(PlaceThumb({0, 0, 10, 20}, {0, 0}, false, {0, 4, 1}).Offset, 2); // 2.5
    EXPECT_EQ(PlaceThumb({0, 0, 6, 20}, {0, 0}, false, {0, 4, 1}).Offset, 2);  // 1.5
}

TEST(TrackBarGeometryTest, DragAndJumpFollowThePointer)
{
    const TRect track{2, 2, 98, 18};
    TThumbPlace p = PlaceThumb(track, {8, 16}, false, {0, 100, 50});
    // Grabbed anywhere on the thumb, the offset moves with the pointer.
    EXPECT_EQ(DragOffset({60, 9}, {50, 5}, p.Offset, false), p.Offset + 10);
    EXPECT_EQ(DragOffset({60, 9}, {50, 25}, 30, true), 46);
    // A jump puts the thumb's centre under the pointer, in both orientations.
    for (int x : {6, 30, 94}) {
        const int value = ValueFromOffset(JumpOffset({x, 9}, p, false), p.TrackEnd - p.TrackStart, {0, 100, 0});
        TThumbPlace q = PlaceThumb(track, {8, 16}, false, {0, 100, value});
        EXPECT_NEAR(q.Thumb.Left + 4, x, 1);
    }
    const TRect column{0, 3, 20, 100}; // not centred: 3 above, none below
    TThumbPlace v = PlaceThumb(column, {16, 8}, true, {0, 100, 0});
    for (int y : {7, 50, 96}) {
        const int value = ValueFromOffset(JumpOffset({10, y}, v, true), v.TrackEnd - v.TrackStart, {0, 100, 0});
        TThumbPlace q = PlaceThumb(column, {16, 8}, true, {0, 100, value});
        EXPECT_NEAR(q.Thumb.Top + 4, y, 1) << y;
    }
}

TEST(TrackBarGeometryTest, BadRangesAndSizesStayFinite)
{
    // An empty range, a reversed one and the widest one.
    EXPECT_EQ(PlaceThumb({0, 0, 100, 20}, {10, 20}, false, {5, 5, 5}).Offset, 0);
    EXPECT_EQ(TValueRange({10, 0, 0}).Clamp(7), 10);
    EXPECT_EQ(PlaceThumb({0, 0, 100, 20}, {10, 20}, false, {10, 0, 10}).Offset, 0);
    EXPECT_EQ(ValueFromOffset(50, 100, {INT_MIN, INT_MAX, 0}), 0);
    EXPECT_EQ(ValueFromOffset(100, 100, {INT_MIN, INT_MAX, 0}), INT_MAX);
    EXPECT_EQ(ValueFromOffset(7, 0, {3, 9, 3}), 3);  // no track length
    EXPECT_EQ(ValueFromOffset(7, -4, {3, 9, 3}), 3); // a track shorter than its thumb
    // Controls too small for a thumb get none.
    EXPECT_EQ(PlainThumbSize({0, 0}, false), (TSize{}));
    EXPECT_EQ(PlainThumbSize({-5, 3}, true), (TSize{}));
}

} // namespace
} // namespace tavrik
