#include "skin/SkinRegions.h"
#include "skin/SkinRects.h"

#include "support/Pictures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace tavrik;
using namespace tavrik::test;

namespace {

int32_t ReadInt32(const std::vector<uint8_t>& data, size_t offset)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i) u |= uint32_t(data[offset + size_t(i)]) << (8 * i);
    return int32_t(u);
}

TRect ReadRect(const std::vector<uint8_t>& data, size_t offset)
{
    return {ReadInt32(data, offset), ReadInt32(data, offset + 4), ReadInt32(data, offset + 8),
            ReadInt32(data, offset + 12)};
}

std::vector<TRect> RectanglesOf(const std::vector<uint8_t>& data)
{
    std::vector<TRect> rects;
    for (int i = 0; i < ReadInt32(data, 8); ++i) rects.push_back(ReadRect(data, 32 + 16 * size_t(i)));
    return rects;
}

TBitmap MaskRow(std::initializer_list<TColor> pixels)
{
    TBitmap b(int(pixels.size()), 1);
    int x = 0;
    for (TColor c : pixels) b.SetPixel(x++, 0, c);
    return b;
}

} // namespace

TEST(MaskRegions, RunsOfPureBlackInTheRegionDataLayout)
{
    std::vector<uint8_t> data = RegionDataFromMask(MaskRow({clBlack, clBlack, clWhite, clBlack}), 0, 0);
    ASSERT_EQ(data.size(), 32u + 2 * 16);
    EXPECT_EQ(ReadInt32(data, 0), 32);
    EXPECT_EQ(ReadInt32(data, 4), 1);
    EXPECT_EQ(ReadInt32(data, 8), 2);
    EXPECT_EQ(ReadInt32(data, 12), 0);
    EXPECT_EQ(ReadRect(data, 16), Rect(0, 0, 4, 1));
    EXPECT_EQ(ReadRect(data, 32), Rect(0, 0, 2, 1));
    EXPECT_EQ(ReadRect(data, 48), Rect(3, 0, 4, 1));

    const uint8_t expectedStart[] = {32, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(data.data(), expectedStart, sizeof expectedStart), 0);
}

TEST(MaskRegions, OnlyPureBlackIsInside)
{
    TBitmap grey(6, 4);
    grey.Fill(RGB(1, 1, 1));
    std::vector<uint8_t> data = RegionDataFromMask(grey, 0, 0);
    ASSERT_EQ(data.size(), 32u);
    EXPECT_EQ(ReadInt32(data, 8), 0);
    EXPECT_EQ(ReadRect(data, 16), Rect(0, 0, 6, 4));

    for (TColor nearBlack : {RGB(1, 0, 0), RGB(0, 1, 0), RGB(0, 0, 1)})
        EXPECT_TRUE(MaskRuns(MaskRow({nearBlack, clBlack}), 0, 0) == std::vector<TRect>{Rect(1, 0, 2, 1)});

    EXPECT_TRUE(RegionDataFromMask(TBitmap(), 0, 0).empty());
    EXPECT_TRUE(RegionDataFromMask(TBitmap(0, 5), 3, 3).empty());
}

TEST(MaskRegions, OffsetsShiftRectanglesAndBounds)
{
    TBitmap mask(3, 2);
    mask.Fill(clWhite);
    mask.SetPixel(1, 1, clBlack);
    mask.SetPixel(2, 1, clBlack);
    std::vector<uint8_t> data = RegionDataFromMask(mask, 10, 20);
    EXPECT_EQ(ReadRect(data, 16), Rect(10, 20, 13, 22));
    EXPECT_TRUE(RectanglesOf(data) == std::vector<TRect>{Rect(11, 21, 13, 22)});
    std::vector<uint8_t> negative = RegionDataFromMask(mask, -5, -7);
    EXPECT_EQ(ReadRect(negative, 16), Rect(-5, -7, -2, -5));
    EXPECT_TRUE(RectanglesOf(negative) == std::vector<TRect>{Rect(-4, -6, -2, -5)});
}

TEST(MaskRegions, ShapesBeyondTenThousandRunsAreKeptWhole)
{
    // 101 rows of 100 single-pixel runs: 10100 rectangles.
    TBitmap mask(200, 101);
    for (int y = 0; y < 101; ++y)
        for (int x = 0; x < 200; ++x) mask.SetPixel(x, y, x % 2 ? clWhite : clBlack);
    std::vector<uint8_t> data = RegionDataFromMask(mask, 0, 0);
    ASSERT_EQ(ReadInt32(data, 8), 10100);
    ASSERT_EQ(data.size(), 32u + 16u * 10100);
    EXPECT_EQ(ReadRect(data, 32 + 16 * 10099), Rect(198, 100, 199, 101));
}

TEST(MaskRegions, RunsCoverExactlyTheBlackPixelsOfAnyMask)
{
    std::mt19937 random(3);
    for (int trial = 0; trial < 40; ++trial) {
        SCOPED_TRACE(trial);
        int w = 1 + int(random() % 40);
        int h = 1 + int(random() % 12);
        TBitmap mask(w, h, trial % 3 == 0 ? TPixelFormat::pf1bit : TPixelFormat::pf24bit);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) mask.SetPixel(x, y, random() % 3 ? clBlack : clWhite);
        std::vector<TRect> runs = MaskRuns(mask, 0, 0);
        std::vector<int> covered(size_t(w * h), 0);
        for (size_t i = 0; i < runs.size(); ++i) {
            const TRect& r = runs[i];
            ASSERT_EQ(r.Height(), 1);
            ASSERT_GT(r.Width(), 0);
            if (i > 0) {
                // Rows top to bottom, runs left to right, never touching in a row.
                const TRect& p = runs[i - 1];
                ASSERT_TRUE(p.Top < r.Top || (p.Top == r.Top && p.Right < r.Left));
            }
            for (int x = r.Left; x < r.Right; ++x) ++covered[size_t(r.Top * w + x)];
        }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(covered[size_t(y * w + x)], mask.GetPixel(x, y) == clBlack ? 1 : 0) << x << "," << y;
    }
}

TEST(MaskFrameParts, BandsOfTheResizedMask)
{
    TBitmap mask = CoordinatePicture(20, 16);
    TSkinCut cut{{5, 6}, {15, 6}, {5, 11}, {15, 11}, Rect(3, 4, 17, 13)};
    TSkinCut n = ResizeSkinCut(cut, {20, 16}, {30, 22});
    TFrameParts parts = BuildMaskFrameParts(mask, cut, 30, n);
    ASSERT_EQ(parts.Left.Width(), 3);
    ASSERT_EQ(parts.Left.Height(), 15);
    ASSERT_EQ(parts.Right.Width(), 3);
    ASSERT_EQ(parts.Right.Height(), 15);
    ASSERT_EQ(parts.Top.Width(), 30);
    ASSERT_EQ(parts.Top.Height(), 4);
    ASSERT_EQ(parts.Bottom.Width(), 30);
    ASSERT_EQ(parts.Bottom.Height(), 3);
    auto row = [](int y) { return y < 2 ? 4 + y : y >= 13 ? y - 2 : 6 + y % 5; };
    auto column = [](int x) { return x < 5 ? x : x >= 25 ? x - 10 : 5 + (x - 5) % 10; };
    EXPECT_TRUE(PixelsMatch(parts.Left, [&](int x, int y) { return mask.GetPixel(x, row(y)); }));
    EXPECT_TRUE(PixelsMatch(parts.Right, [&](int x, int y) { return mask.GetPixel(17 + x, row(y)); }));
    EXPECT_TRUE(PixelsMatch(parts.Top, [&](int x, int y) { return mask.GetPixel(column(x), y); }));
    EXPECT_TRUE(PixelsMatch(parts.Bottom, [&](int x, int y) { return mask.GetPixel(column(x), 13 + y); }));
}

TEST(MaskFrameParts, MissingStripsLeaveWhiteAndEmptyBandsStayEmpty)
{
    TBitmap mask = CoordinatePicture(20, 16);
    TSkinCut cut{{5, 6}, {5, 6}, {5, 11}, {15, 11}, Rect(0, 4, 17, 16)};
    TSkinCut n = ResizeSkinCut(cut, {20, 16}, {30, 22});
    TFrameParts parts = BuildMaskFrameParts(mask, cut, 30, n);
    EXPECT_TRUE(parts.Left.Empty()); // the client touches the left edge
    EXPECT_TRUE(parts.Bottom.Empty());
    ASSERT_EQ(parts.Top.Width(), 30);
    // No top strip: between the left cell and the right cell, moved to x 15, all is white.
    EXPECT_EQ(parts.Top.GetPixel(4, 0), mask.GetPixel(4, 0));
    EXPECT_EQ(parts.Top.GetPixel(5, 0), clWhite);
    EXPECT_EQ(parts.Top.GetPixel(14, 3), clWhite);
    EXPECT_EQ(parts.Top.GetPixel(15, 3), mask.GetPixel(5, 3));
    EXPECT_TRUE(BuildMaskFrameParts(mask, cut, 0, n).Top.Empty());
    TFrameParts none = BuildMaskFrameParts(TBitmap(), cut, 30, n);
    EXPECT_EQ(none.Top.GetPixel(0, 0), clWhite);
}

TEST(SkinRects, EdgesCountAsTheHelpersSay)
{
    EXPECT_EQ(RectWidth(Rect(3, 4, 10, 20)), 7);
    EXPECT_EQ(RectHeight(Rect(3, 4, 10, 20)), 16);
    EXPECT_TRUE(IsNullPoint(Point(0, 5)));
    EXPECT_TRUE(IsNullPoint(Point(5, 0)));
    EXPECT_FALSE(IsNullPoint(Point(-1, 5)));
    EXPECT_TRUE(IsNullRect(Rect(5, 5, 5, 10)));
    EXPECT_TRUE(IsNullRect(Rect(5, 5, 4, 10)));
    EXPECT_FALSE(IsNullRect(Rect(5, 5, 6, 6)));
    EXPECT_TRUE(RectContainsPoint(Rect(0, 0, 10, 10), Point(10, 10)));
    EXPECT_TRUE(RectContainsPoint(Rect(0, 0, 10, 10), Point(0, 0)));
    EXPECT_FALSE(RectContainsPoint(Rect(0, 0, 10, 10), Point(11, 5)));
    EXPECT_FALSE(RectContainsPoint(Rect(0, 0, 10, 10), Point(5, -1)));
    EXPECT_FALSE(RectInsideRect(Rect(0, 0, 10, 10), Rect(0, 0, 10, 10)));
    EXPECT_TRUE(RectInsideRect(Rect(1, 1, 9, 9), Rect(0, 0, 10, 10)));
    EXPECT_FALSE(RectInsideRect(Rect(-1, 1, 9, 9), Rect(0, 0, 10, 10)));
}

namespace {

// A 20 x 16 mask, black but for three white pixels at each top corner and one at each
// bottom corner.
TBitmap RoundedMask()
{
    TBitmap mask(20, 16);
    for (TPoint p : {Point(0, 0), Point(1, 0), Point(0, 1), Point(19, 0), Point(18, 0), Point(19, 1), Point(0, 15),
                     Point(19, 15)})
        mask.SetPixel(p.x, p.y, clWhite);
    return mask;
}

// The mask's shape at 30 x 22: the same corner pixels, moved with the corners.
bool InResizedShape(int x, int y)
{
    for (TPoint p : {Point(0, 0), Point(1, 0), Point(0, 1), Point(29, 0), Point(28, 0), Point(29, 1), Point(0, 21),
                     Point(29, 21)})
        if (p == Point(x, y)) return false;
    return x >= 0 && y >= 0 && x < 30 && y < 22;
}

::testing::AssertionResult ShapeIs(const TRegion& region, const std::function<bool(int, int)>& inside)
{
    for (int y = -2; y < 26; ++y)
        for (int x = -2; x < 34; ++x)
            if (region.Contains(Point(x, y)) != inside(x, y))
                return ::testing::AssertionFailure() << "pixel " << x << "," << y;
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(MaskRegions, RegionFromMaskMatchesTheRegionData)
{
    TBitmap mask = RoundedMask();
    std::optional<TRegion> region = RegionFromMask(mask);
    ASSERT_TRUE(region);
    EXPECT_TRUE(TRegion::FromRegionData(RegionDataFromMask(mask, 0, 0)) == region);
    EXPECT_FALSE(region->Contains(Point(1, 0)));
    EXPECT_TRUE(region->Contains(Point(2, 0)));
    EXPECT_EQ(region->BoundingBox(), Rect(0, 0, 20, 16));

    EXPECT_FALSE(RegionFromMask(TBitmap()));
    TBitmap white(4, 4);
    white.Fill(clWhite);
    std::optional<TRegion> none = RegionFromMask(white);
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->IsEmpty());
}

TEST(FrameRegion, ShapeOfTheResizedElement)
{
    TSkinCut cut{{5, 6}, {15, 6}, {5, 11}, {15, 11}, Rect(3, 4, 17, 13)};
    std::optional<TRegion> region = FrameRegionFromMask(RoundedMask(), cut, 30, ResizeSkinCut(cut, {20, 16}, {30, 22}));
    ASSERT_TRUE(region);
    EXPECT_TRUE(ShapeIs(*region, InResizedShape));
}

TEST(FrameRegion, ClientTouchingTheLeftEdgeKeepsTheOtherBands)
{
    TSkinCut cut{{5, 6}, {15, 6}, {5, 11}, {15, 11}, Rect(0, 4, 17, 13)};
    std::optional<TRegion> region = FrameRegionFromMask(RoundedMask(), cut, 30, ResizeSkinCut(cut, {20, 16}, {30, 22}));
    ASSERT_TRUE(region);
    EXPECT_TRUE(ShapeIs(*region, InResizedShape));
}

TEST(FrameRegion, ClientIsInsideWhateverTheMaskSays)
{
    TBitmap mask(20, 16);
    mask.Fill(clWhite);
    TSkinCut cut{{5, 6}, {15, 6}, {5, 11}, {15, 11}, Rect(3, 4, 17, 13)};
    TSkinCut n = ResizeSkinCut(cut, {20, 16}, {30, 22});
    std::optional<TRegion> region = FrameRegionFromMask(mask, cut, 30, n);
    ASSERT_TRUE(region);
    EXPECT_TRUE(*region == TRegion(n.Client));
}

TEST(FrameRegion, NothingForAnElementSmallerThanItsCorners)
{
    TSkinCut cut{{5, 6}, {15, 6}, {5, 11}, {15, 11}, Rect(3, 4, 17, 13)};
    EXPECT_FALSE(FrameRegionFromMask(RoundedMask(), cut, 9, ResizeSkinCut(cut, {20, 16}, {9, 22})));
    EXPECT_FALSE(FrameRegionFromMask(RoundedMask(), cut, 30, ResizeSkinCut(cut, {20, 16}, {30, 10})));
    // Exactly as small as the corners still has a shape.
    EXPECT_TRUE(FrameRegionFromMask(RoundedMask(), cut, 10, ResizeSkinCut(cut, {20, 16}, {10, 11})));
    EXPECT_FALSE(FrameRegionFromMask(TBitmap(), TSkinCut{}, 0, TSkinCut{}));
}

TEST(MaskRegions, RepeatedRowsMakeTheSameRegion)
{
    // Rows drawn from three patterns, so that runs of equal rows come and go.
    std::mt19937 random(8);
    for (int trial = 0; trial < 30; ++trial) {
        SCOPED_TRACE(trial);
        const int w = 1 + int(random() % 30);
        const int h = 1 + int(random() % 20);
        std::vector<std::vector<bool>> patterns(3, std::vector<bool>(size_t(w)));
        for (auto& p : patterns)
            for (size_t x = 0; x < p.size(); ++x) p[x] = random() % 2;
        TBitmap mask(w, h);
        for (int y = 0; y < h; ++y) {
            const auto& p = patterns[random() % 3];
            for (int x = 0; x < w; ++x) mask.SetPixel(x, y, p[size_t(x)] ? clBlack : clWhite);
        }
        std::optional<TRegion> region = RegionFromMask(mask);
        ASSERT_TRUE(region);
        EXPECT_TRUE(*region == TRegion::FromRects(MaskRuns(mask, 0, 0)));
    }
}
