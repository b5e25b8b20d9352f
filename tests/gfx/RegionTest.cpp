#include "gfx/Region.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace tavrik;

namespace {

constexpr int kLo = -4, kHi = 28;

std::vector<TRect> RandomRects(std::mt19937& rng, int count)
{
    std::uniform_int_distribution<int> coord(kLo + 1, kHi - 1);
    std::vector<TRect> rects;
    for (int i = 0; i < count; ++i) {
        int l = coord(rng), t = coord(rng);
        rects.push_back({l, t, l + coord(rng) % 9, t + coord(rng) % 7});
    }
    return rects;
}

bool InAny(const std::vector<TRect>& rects, TPoint p)
{
    for (const TRect& r : rects)
        if (r.Contains(p)) return true;
    return false;
}

// The invariants that make the representation canonical.
void ExpectCanonical(const TRegion& region)
{
    const auto& r = region.Rects();
    for (size_t i = 0; i < r.size(); ++i) {
        ASSERT_FALSE(r[i].IsEmpty());
        if (i == 0) continue;
        const TRect& p = r[i - 1];
        if (p.Top == r[i].Top) {
            ASSERT_EQ(p.Bottom, r[i].Bottom);
            ASSERT_LT(p.Right, r[i].Left) << "touching or overlapping rectangles in one band";
        } else {
            ASSERT_LE(p.Bottom, r[i].Top) << "overlapping bands";
        }
    }
    // Touching bands must differ in their spans, otherwise they should have been merged.
    std::vector<std::vector<TRect>> bands;
    for (const TRect& rect : r) {
        if (bands.empty() || bands.back()[0].Top != rect.Top) bands.emplace_back();
        bands.back().push_back(rect);
    }
    for (size_t i = 1; i < bands.size(); ++i) {
        if (bands[i - 1][0].Bottom != bands[i][0].Top || bands[i - 1].size() != bands[i].size()) continue;
        bool same = true;
        for (size_t k = 0; k < bands[i].size(); ++k)
            same = same && bands[i - 1][k].Left == bands[i][k].Left && bands[i - 1][k].Right == bands[i][k].Right;
        ASSERT_FALSE(same) << "mergeable bands at y " << bands[i][0].Top;
    }
}

void ExpectMatches(const TRegion& region, const std::function<bool(TPoint)>& model)
{
    ExpectCanonical(region);
    TRect box;
    for (int y = kLo - 8; y < kHi + 12; ++y)
        for (int x = kLo - 8; x < kHi + 12; ++x) {
            bool expected = model({x, y});
            ASSERT_EQ(region.Contains(TPoint{x, y}), expected) << "at " << x << ", " << y;
            if (expected) box = UnionRect(box, Rect(x, y, x + 1, y + 1));
        }
    EXPECT_EQ(region.BoundingBox(), box);
    EXPECT_EQ(region.IsEmpty(), box.IsEmpty());
}

} // namespace

TEST(Region, SetAlgebraMatchesPointwiseModel)
{
    std::mt19937 rng(7);
    for (int round = 0; round < 60; ++round) {
        SCOPED_TRACE(round);
        auto ra = RandomRects(rng, 1 + round % 9), rb = RandomRects(rng, 1 + round % 5);
        TRegion a = TRegion::FromRects(ra), b = TRegion::FromRects(rb);
        auto inA = [&](TPoint p) { return InAny(ra, p); };
        auto inB = [&](TPoint p) { return InAny(rb, p); };
        ExpectMatches(a, inA);
        ExpectMatches(a | b, [&](TPoint p) { return inA(p) || inB(p); });
        ExpectMatches(a & b, [&](TPoint p) { return inA(p) && inB(p); });
        ExpectMatches(a - b, [&](TPoint p) { return inA(p) && !inB(p); });
        ExpectMatches(a ^ b, [&](TPoint p) { return inA(p) != inB(p); });
        ExpectMatches(a.Intersect(rb[0]), [&](TPoint p) { return inA(p) && rb[0].Contains(p); });
        ExpectMatches(a.Offset(3, -2), [&](TPoint p) { return inA({p.x - 3, p.y + 2}); });
    }
}

TEST(Region, EqualSetsHaveEqualRepresentations)
{
    std::mt19937 rng(11);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        auto ra = RandomRects(rng, 6), rb = RandomRects(rng, 6);
        TRegion a = TRegion::FromRects(ra), b = TRegion::FromRects(rb);
        // Union built one rectangle at a time, in reverse, equals the one built at once.
        TRegion stepwise;
        for (auto it = ra.rbegin(); it != ra.rend(); ++it) stepwise |= TRegion(*it);
        EXPECT_EQ(stepwise, a);
        EXPECT_EQ(a | b, b | a);
        EXPECT_EQ(a & b, b & a);
        EXPECT_EQ((a - b) | (a & b), a);
        EXPECT_EQ(a ^ b, (a - b) | (b - a));
        EXPECT_EQ((a ^ b) ^ b, a);
        EXPECT_EQ(a.Offset(5, 9).Offset(-5, -9), a);
        EXPECT_TRUE((a - a).IsEmpty());
    }
}

TEST(Region, RectangleQueries)
{
    // An L shape: (0,0)-(10,5) and (0,5)-(4,10).
    TRegion l = TRegion(Rect(0, 0, 10, 5)) | TRegion(Rect(0, 5, 4, 10));
    ASSERT_EQ(l.RectCount(), 2u);
    EXPECT_TRUE(l.Contains(Rect(0, 0, 4, 10)));
    EXPECT_TRUE(l.Contains(Rect(2, 2, 10, 5)));
    EXPECT_FALSE(l.Contains(Rect(2, 2, 10, 6)));
    EXPECT_FALSE(l.Contains(Rect(3, 3, 3, 4))) << "an empty rectangle is never contained";
    EXPECT_FALSE(l.Contains(TPoint{10, 0})) << "right edge is exclusive";
    EXPECT_FALSE(l.Contains(TPoint{4, 5}));
    EXPECT_TRUE(l.Contains(TPoint{3, 9}));
    EXPECT_TRUE(l.Intersects(Rect(3, 9, 20, 20)));
    EXPECT_FALSE(l.Intersects(Rect(4, 5, 20, 20)));

    std::vector<TRect> clipped;
    l.ForEachClipped(Rect(2, 3, 20, 7), [&](const TRect& r) { clipped.push_back(r); });
    EXPECT_EQ(clipped, (std::vector<TRect>{Rect(2, 3, 10, 5), Rect(2, 5, 4, 7)}));

    // Vertically adjacent equal spans collapse into one rectangle; side by side ones merge.
    EXPECT_EQ((TRegion(Rect(0, 0, 5, 5)) | TRegion(Rect(0, 5, 5, 9))).Rects(), std::vector<TRect>{Rect(0, 0, 5, 9)});
    EXPECT_EQ((TRegion(Rect(0, 0, 5, 5)) | TRegion(Rect(5, 0, 8, 5))).Rects(), std::vector<TRect>{Rect(0, 0, 8, 5)});
    EXPECT_TRUE(TRegion(Rect(5, 5, 5, 9)).IsEmpty());
}

TEST(Region, RegionDataLayout)
{
    TRegion r = TRegion(Rect(1, 2, 4, 3)) | TRegion(Rect(-7, 10, -2, 12));
    std::vector<uint8_t> data = r.ToRegionData();
    ASSERT_EQ(data.size(), 32u + 2 * 16);
    const std::vector<uint8_t> header = {32, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
                                         0xF9, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 4, 0, 0, 0, 12, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.begin() + 32), header);
    const std::vector<uint8_t> first = {1, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 3, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(data.begin() + 32, data.begin() + 48), first);
    EXPECT_EQ(TRegion::FromRegionData(data), r);

    // Row runs of a mask, one rectangle per run, come in row order and are merged on reading.
    std::vector<uint8_t> runs = {32, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0};
    runs.resize(32);
    for (int y = 0; y < 3; ++y)
        for (int v : {0, y, 2, y + 1}) runs.insert(runs.end(), {uint8_t(v), 0, 0, 0});
    auto merged = TRegion::FromRegionData(runs);
    ASSERT_TRUE(merged);
    EXPECT_EQ(merged->Rects(), std::vector<TRect>{Rect(0, 0, 2, 3)});

    SCOPED_TRACE("damaged blocks");
    EXPECT_FALSE(TRegion::FromRegionData(std::span(data).first(31)));
    EXPECT_FALSE(TRegion::FromRegionData(std::span(data).first(47))) << "count promises more than the block holds";
    auto wrongKind = data;
    wrongKind[4] = 2;
    EXPECT_FALSE(TRegion::FromRegionData(wrongKind));
    auto hugeCount = data;
    hugeCount[11] = 0x7F;
    EXPECT_FALSE(TRegion::FromRegionData(hugeCount));
    EXPECT_EQ(TRegion::FromRegionData(TRegion().ToRegionData()), TRegion());
}

TEST(Region, ManyRectanglesStayBandedAndSearchable)
{
    // A circle-like shape made of one run per row, as a shaped window's mask gives it.
    std::vector<TRect> runs;
    for (int y = 0; y < 4000; ++y) {
        int half = 2000 - std::abs(2000 - y) / 2;
        runs.push_back({2000 - half, y, 2000 + half, y + 1});
        runs.push_back({5000 + (y % 7), y, 5010, y + 1});
    }
    TRegion shape = TRegion::FromRects(runs);
    ExpectCanonical(shape);
    EXPECT_EQ(shape.RectCount(), 8000u);
    EXPECT_TRUE(shape.Contains(TPoint{2000, 2000}));
    EXPECT_FALSE(shape.Contains(TPoint{4999, 3}));
    EXPECT_TRUE(shape.Contains(TPoint{5006, 6}));
    EXPECT_FALSE(shape.Contains(TPoint{5005, 6}));
    TRegion holed = shape - TRegion(Rect(1000, 1000, 3000, 3000));
    EXPECT_FALSE(holed.Contains(TPoint{2000, 2000}));
    EXPECT_EQ((holed | TRegion(Rect(1000, 1000, 3000, 3000))), shape | TRegion(Rect(1000, 1000, 3000, 3000)));
}
