#include "skin/SkinImageBuilders.h"

#include "support/Pictures.h"

#include <gtest/gtest.h>

#include <random>

using namespace tavrik;
using namespace tavrik::test;

namespace {

constexpr TColor kUntouched = RGB(255, 0, 255);

// The element sits inside a larger picture so that reading outside it would show.
const TRect kElement = Rect(5, 4, 17, 14); // 12 x 10

TColor Source(const TBitmap& picture, int x, int y) { return picture.GetPixel(kElement.Left + x, kElement.Top + y); }

TBitmap Prefilled(int w, int h)
{
    TBitmap b(w, h);
    b.Fill(kUntouched);
    return b;
}

// A plain nine-slice cut: corner points on the client rectangle's corners.
TSkinCut NineSlice(const TRect& client)
{
    return {{client.Left, client.Top}, {client.Right, client.Top}, {client.Left, client.Bottom},
            {client.Right, client.Bottom}, client};
}

TSize ElementSize() { return {kElement.Width(), kElement.Height()}; }

} // namespace

TEST(SkinImageBuilders, NewGeometryKeepsCornersAndBorders)
{
    TSkinCut cut{{4, 3}, {7, 3}, {5, 6}, {8, 6}, Rect(2, 2, 10, 8)};
    TSkinCut n = ResizeSkinCut(cut, {12, 10}, {18, 14});
    EXPECT_EQ(n.LeftTop, Point(4, 3));
    EXPECT_EQ(n.RightTop, Point(13, 3));
    EXPECT_EQ(n.LeftBottom, Point(5, 10));
    EXPECT_EQ(n.RightBottom, Point(14, 10));
    EXPECT_EQ(n.Client, Rect(2, 2, 16, 12));
}

TEST(SkinImageBuilders, ButtonOfSixtyBuiltHundredWide)
{
    TBitmap picture = CoordinatePicture(70, 9);
    TRect button = Rect(4, 2, 64, 8); // 60 x 6
    TBitmap dest;
    BuildHSkinImage(picture, button, 12, 60 - 46, 100, dest);
    ASSERT_EQ(dest.Width(), 100);
    ASSERT_EQ(dest.Height(), 6);
    EXPECT_TRUE(PixelsMatch(dest, [&](int x, int y) {
        int sx = x < 12 ? x : x < 86 ? 12 + (x - 12) % 34 : x - 40;
        return picture.GetPixel(button.Left + sx, button.Top + y);
    }));
    // The third copy of the strip is cut to 6 columns: column 85 is the strip's sixth.
    EXPECT_EQ(GetRValue(dest.GetPixel(85, 0)), button.Left + 17);
    EXPECT_EQ(GetRValue(dest.GetPixel(86, 0)), button.Left + 46);
}

TEST(SkinImageBuilders, ThreePartBuildersAtEveryWidth)
{
    TBitmap picture = CoordinatePicture(30, 20);
    TRect r = Rect(3, 2, 13, 7); // 10 x 5, caps 3 and 2, strip of 5
    for (int w = 0; w <= 23; ++w) {
        SCOPED_TRACE(w);
        TBitmap h;
        BuildHSkinImage(picture, r, 3, 2, w, h);
        ASSERT_EQ(h.Width(), w);
        ASSERT_EQ(h.Height(), 5);
        // Caps win over the middle; the right cap wins where the caps overlap.
        EXPECT_TRUE(PixelsMatch(h, [&](int x, int y) {
            int sx = x >= w - 2 ? x - (w - 10) : x < 3 ? x : 3 + (x - 3) % 5;
            return picture.GetPixel(r.Left + sx, r.Top + y);
        }));

        TBitmap open;
        BuildHSkinImageOpenRight(picture, r, 3, 2, w, open);
        EXPECT_TRUE(PixelsMatch(open, [&](int x, int y) {
            int sx = x < 3 ? x : 3 + (x - 3) % 5;
            return picture.GetPixel(r.Left + sx, r.Top + y);
        }));

        TBitmap tiled;
        BuildHTiledImage(picture, r, 3, 2, w, tiled);
        EXPECT_TRUE(PixelsMatch(tiled, [&](int x, int y) { return picture.GetPixel(r.Left + 3 + x % 5, r.Top + y); }));

        TBitmap v;
        TRect column = Rect(2, 3, 7, 13); // 5 x 10, caps 3 and 2
        BuildVSkinImage(picture, column, 3, 2, w, v);
        ASSERT_EQ(v.Width(), 5);
        ASSERT_EQ(v.Height(), w);
        EXPECT_TRUE(PixelsMatch(v, [&](int x, int y) {
            int sy = y >= w - 2 ? y - (w - 10) : y < 3 ? y : 3 + (y - 3) % 5;
            return picture.GetPixel(column.Left + x, column.Top + sy);
        }));
    }
}

TEST(SkinImageBuilders, ThreePartBuildersWithoutCapsOrStrip)
{
    TBitmap picture = CoordinatePicture(30, 20);
    TRect r = Rect(3, 2, 13, 7);
    {
        SCOPED_TRACE("caps of 0: the whole element is the strip");
        TBitmap h;
        BuildHSkinImage(picture, r, 0, 0, 25, h);
        EXPECT_TRUE(PixelsMatch(h, [&](int x, int y) { return picture.GetPixel(r.Left + x % 10, r.Top + y); }));
    }
    {
        SCOPED_TRACE("caps filling the element: no strip, the run stays as it was");
        TBitmap h = Prefilled(14, 5);
        BuildHSkinImage(picture, r, 6, 4, 14, h);
        EXPECT_TRUE(PixelsMatch(h, [&](int x, int y) {
            return x < 6 ? picture.GetPixel(r.Left + x, r.Top + y)
                   : x >= 10 ? picture.GetPixel(r.Left + x - 4, r.Top + y)
                             : kUntouched;
        }));
    }
    {
        SCOPED_TRACE("an empty source draws nothing");
        TBitmap h = Prefilled(8, 5);
        BuildHSkinImage(TBitmap(), r, 3, 2, 8, h);
        EXPECT_TRUE(PixelsMatch(h, [](int, int) { return kUntouched; }));
    }
}

TEST(SkinImageBuilders, NineSliceTilesEdgesAndClient)
{
    TBitmap picture = CoordinatePicture(40, 30);
    TSkinCut cut = NineSlice(Rect(3, 2, 9, 7)); // client 6 x 5
    for (TSize size : {TSize{31, 23}, TSize{12, 10}, TSize{8, 6}, TSize{9, 3}, TSize{60, 2}}) {
        SCOPED_TRACE(std::to_string(size.cx) + " x " + std::to_string(size.cy));
        int dw = size.cx - 12;
        int dh = size.cy - 10;
        TBitmap dest;
        BuildSkinImage(picture, kElement, cut, size, ResizeSkinCut(cut, ElementSize(), size), TClientFill::Tile, dest);
        ASSERT_EQ(dest.Width(), size.cx);
        ASSERT_EQ(dest.Height(), size.cy);
        auto column = [&](int x) { return x < 3 ? x : x < 9 + dw ? 3 + (x - 3) % 6 : x - dw; };
        auto row = [&](int y) { return y < 2 ? y : y < 7 + dh ? 2 + (y - 2) % 5 : y - dh; };
        if (size.cx >= 6 && size.cy >= 5) { // the new client rectangle is not inverted
            EXPECT_TRUE(PixelsMatch(dest, [&](int x, int y) { return Source(picture, column(x), row(y)); }));
        }
    }
}

TEST(SkinImageBuilders, CornerPointsInsideTheBorders)
{
    // Corner cells larger than the border: the edges run only between the corner points.
    TBitmap picture = CoordinatePicture(40, 30);
    TSkinCut cut{{4, 3}, {7, 3}, {5, 6}, {8, 6}, Rect(2, 2, 10, 8)};
    TSize size{18, 14};
    TBitmap dest;
    BuildSkinImage(picture, kElement, cut, size, ResizeSkinCut(cut, ElementSize(), size), TClientFill::Tile, dest);
    struct Probe {
        TPoint at;
        TPoint from;
    };
    const Probe probes[] = {
        {{3, 1}, {3, 1}},    // top-left upper corner
        {{4, 0}, {4, 0}},    // top edge, first copy
        {{12, 1}, {6, 1}},   // top edge, third copy, cut after its last column
        {{13, 0}, {7, 0}},   // top-right upper corner starts at the moved point
        {{17, 1}, {11, 1}},  //
        {{1, 2}, {1, 2}},    // top-left side corner: rows from the client's top to LT.y
        {{0, 3}, {0, 3}},    // left edge: rows LT.y to LB.y repeated
        {{1, 9}, {1, 3}},    //
        {{0, 10}, {0, 6}},   // bottom-left side corner: rows LB.y to the bottom
        {{1, 13}, {1, 9}},   //
        {{4, 12}, {4, 8}},   // bottom-left lower corner: columns from the client's left to LB.x
        {{5, 13}, {5, 9}},   // bottom edge from NLB.x, strip LB.x to RB.x
        {{11, 12}, {5, 8}},  //
        {{14, 12}, {8, 8}},  // bottom-right lower corner
        {{16, 11}, {10, 7}}, // bottom-right side corner: rows RB.y to the client's bottom
        {{17, 7}, {11, 4}},  // right edge: rows RT.y to RB.y repeated from NRT.y
        {{16, 2}, {10, 2}},  // top-right side corner
        {{2, 2}, {2, 2}},    // client area tiled from its top-left
        {{11, 9}, {3, 3}},   //
        {{15, 11}, {7, 5}},  //
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(std::to_string(p.at.x) + "," + std::to_string(p.at.y));
        EXPECT_EQ(dest.GetPixel(p.at.x, p.at.y), Source(picture, p.from.x, p.from.y));
    }
}

TEST(SkinImageBuilders, RebuildAtOwnSizeReproducesTheElement)
{
    std::mt19937 random(11);
    TBitmap picture = CoordinatePicture(40, 30);
    auto between = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int trial = 0; trial < 300; ++trial) {
        int w = between(1, 12);
        int h = between(1, 10);
        TRect r = Bounds(between(0, 40 - w), between(0, 30 - h), w, h);
        TSkinCut cut;
        cut.Client.Left = between(0, w);
        cut.Client.Right = between(cut.Client.Left, w);
        cut.Client.Top = between(0, h);
        cut.Client.Bottom = between(cut.Client.Top, h);
        cut.LeftTop = {between(0, w), between(cut.Client.Top, cut.Client.Bottom)};
        cut.RightTop = {between(cut.LeftTop.x, w), between(cut.Client.Top, cut.Client.Bottom)};
        cut.LeftBottom = {between(0, w), between(cut.LeftTop.y, cut.Client.Bottom)};
        cut.RightBottom = {between(cut.LeftBottom.x, w), between(cut.RightTop.y, cut.Client.Bottom)};
        if (cut.RightBottom.x == cut.LeftTop.x || cut.RightBottom.y == cut.LeftTop.y) continue;
        SCOPED_TRACE(trial);
        TSize size{w, h};
        TBitmap dest;
        BuildSkinImage(picture, r, cut, size, ResizeSkinCut(cut, size, size), TClientFill::Tile, dest);
        EXPECT_TRUE(PixelsMatch(dest, [&](int x, int y) { return picture.GetPixel(r.Left + x, r.Top + y); }));
        TBitmap stretched;
        BuildStretchSkinImage(picture, r, cut, size, ResizeSkinCut(cut, size, size), TClientFill::Tile, {true, true, true, true},
                              stretched);
        EXPECT_EQ(stretched, dest);
    }
}

TEST(SkinImageBuilders, DegenerateCutsDrawNothing)
{
    TBitmap picture = CoordinatePicture(40, 30);
    TSkinCut cut = NineSlice(Rect(3, 2, 9, 7));
    TSize size{20, 15};
    TSkinCut n = ResizeSkinCut(cut, ElementSize(), size);
    auto untouched = [](int, int) { return kUntouched; };
    {
        SCOPED_TRACE("RB.x equal to LT.x");
        TSkinCut flat = cut;
        flat.RightBottom.x = flat.LeftTop.x;
        TBitmap dest = Prefilled(20, 15);
        BuildSkinImage(picture, kElement, flat, size, n, TClientFill::Tile, dest);
        EXPECT_TRUE(PixelsMatch(dest, untouched));
    }
    {
        SCOPED_TRACE("RB.y equal to LT.y, new size other than the old");
        TSkinCut flat = cut;
        flat.RightBottom.y = flat.LeftTop.y;
        TBitmap dest = Prefilled(3, 3);
        BuildSkinImage(picture, kElement, flat, size, n, TClientFill::Tile, dest);
        EXPECT_EQ(dest.Width(), 20);
        EXPECT_EQ(dest.Height(), 15);
        EXPECT_EQ(dest.GetPixel(2, 2), kUntouched);
    }
    {
        SCOPED_TRACE("empty source");
        TBitmap dest = Prefilled(20, 15);
        BuildSkinImage(TBitmap(), kElement, cut, size, n, TClientFill::Tile, dest);
        EXPECT_TRUE(PixelsMatch(dest, untouched));
    }
}

TEST(SkinImageBuilders, ClientLeftAloneWithoutFillClient)
{
    TBitmap picture = CoordinatePicture(40, 30);
    TSkinCut cut = NineSlice(Rect(3, 2, 9, 7));
    TSize size{20, 15};
    TSkinCut n = ResizeSkinCut(cut, ElementSize(), size);
    TBitmap dest = Prefilled(20, 15);
    BuildSkinImage(picture, kElement, cut, size, n, TClientFill::Leave, dest);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(dest.GetPixel(x, y) == kUntouched, n.Client.Contains(Point(x, y))) << x << "," << y;
}

TEST(SkinImageBuilders, ZeroLengthEdgeLeavesItsRunUndrawn)
{
    TBitmap picture = CoordinatePicture(40, 30);
    TSkinCut cut = NineSlice(Rect(3, 2, 9, 7));
    cut.RightTop.x = cut.LeftTop.x; // no top-edge strip
    TSize size{20, 15};
    TSkinCut n = ResizeSkinCut(cut, ElementSize(), size);
    TBitmap dest = Prefilled(20, 15);
    BuildSkinImage(picture, kElement, cut, size, n, TClientFill::Tile, dest);
    // The top-right upper corner now starts at the moved RT.x: x 11 on.
    EXPECT_EQ(dest.GetPixel(2, 0), Source(picture, 2, 0));
    EXPECT_EQ(dest.GetPixel(3, 0), kUntouched);
    EXPECT_EQ(dest.GetPixel(10, 1), kUntouched);
    EXPECT_EQ(dest.GetPixel(11, 1), Source(picture, 3, 1));
    EXPECT_EQ(dest.GetPixel(5, 5), Source(picture, 5, 5)); // the client is still filled
}

TEST(SkinImageBuilders, StretchedEdgesSampleNearestPixels)
{
    TBitmap picture = CoordinatePicture(40, 30);
    TSkinCut cut = NineSlice(Rect(3, 2, 9, 7)); // edge strips of 6 columns and 5 rows
    TSize size{15, 20};                          // top edge 9 long, left edge 15 long
    TSkinCut n = ResizeSkinCut(cut, ElementSize(), size);
    TBitmap dest;
    BuildStretchSkinImage(picture, kElement, cut, size, n, TClientFill::Leave, {true, false, true, false}, dest);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        // Destination column i of 9 shows source column (2i + 1) * 6 / 18 of the strip.
        EXPECT_EQ(dest.GetPixel(3 + i, 1), Source(picture, 3 + (2 * i + 1) * 6 / 18, 1));
        // The bottom edge is not stretched: it tiles.
        EXPECT_EQ(dest.GetPixel(3 + i, 18), Source(picture, 3 + i % 6, 8));
    }
    for (int j = 0; j < 15; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(dest.GetPixel(0, 2 + j), Source(picture, 0, 2 + (2 * j + 1) * 5 / 30));
        EXPECT_EQ(dest.GetPixel(14, 2 + j), Source(picture, 11, 2 + j % 5));
    }
}

TEST(SkinImageBuilders, LeftImageRunsToTheRightEdge)
{
    TBitmap picture = CoordinatePicture(40, 30);
    TSkinCut cut = NineSlice(Rect(3, 2, 9, 7));
    TSize size{25, 10};
    TSkinCut n = ResizeSkinCut(cut, ElementSize(), size);
    TBitmap dest = Prefilled(25, 10);
    BuildLeftSkinImage(picture, kElement, cut, size, n, TClientFill::Tile, dest);
    EXPECT_TRUE(PixelsMatch(dest, [&](int x, int y) {
        int sx = x < 3 ? x : 3 + (x - 3) % 6;
        return Source(picture, sx, y);
    }));
}

TEST(SkinImageBuilders, PalettedSourceBuildsLikeItsTrueColourCopy)
{
    TBitmap paletted(12, 10, TPixelFormat::pf8bit);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) paletted.SetPixel(x, y, (x + y) % 3 ? clRed : clNavy);
    TSkinCut cut = NineSlice(Rect(3, 2, 9, 7));
    TSize size{30, 25};
    TSkinCut n = ResizeSkinCut(cut, {12, 10}, size);
    TBitmap fromPaletted;
    TBitmap fromTrueColour;
    BuildSkinImage(paletted, Rect(0, 0, 12, 10), cut, size, n, TClientFill::Tile, fromPaletted);
    BuildSkinImage(paletted.ToPictureBuffer(), Rect(0, 0, 12, 10), cut, size, n, TClientFill::Tile, fromTrueColour);
    EXPECT_EQ(fromPaletted.PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(fromPaletted, fromTrueColour);
}

TEST(SkinImageBuilders, ArbitraryGeometryNeverReachesOutside)
{
    // Skins may hold any numbers; the builders must stay within both bitmaps.
    std::mt19937 random(5);
    auto any = [&] { return std::uniform_int_distribution<int>(-30, 60)(random); };
    TBitmap picture = CoordinatePicture(20, 15);
    for (int trial = 0; trial < 400; ++trial) {
        TRect r = Rect(any(), any(), any(), any());
        TSkinCut cut{{any(), any()}, {any(), any()}, {any(), any()}, {any(), any()}, Rect(any(), any(), any(), any())};
        TSkinCut n{{any(), any()}, {any(), any()}, {any(), any()}, {any(), any()}, Rect(any(), any(), any(), any())};
        TSize size{std::abs(any()) % 40, std::abs(any()) % 40};
        TEdgeStretch stretch{trial % 2 == 0, trial % 3 == 0, trial % 5 == 0, trial % 7 == 0};
        TBitmap dest;
        BuildStretchSkinImage(picture, r, cut, size, n, TClientFill::Tile, stretch, dest);
        BuildLeftSkinImage(picture, r, cut, size, n, TClientFill::Tile, dest);
        BuildHSkinImage(picture, r, any(), any(), size.cx, dest);
        BuildVSkinImage(picture, r, any(), any(), size.cy, dest);
        TFrameParts parts;
        BuildFrameParts(picture, r, cut, size, n, stretch, parts);
    }
}

namespace {

// A frame picture of 30 x 24 whose corner cells reach past the border widths.
const TSkinCut kFrameCut{{8, 9}, {22, 9}, {8, 17}, {22, 17}, Rect(4, 6, 26, 20)};

} // namespace

TEST(FrameParts, TiledBandsStartAtThePartsOrigin)
{
    TBitmap picture = CoordinatePicture(30, 24);
    TSize size{50, 40};
    TSkinCut n = ResizeSkinCut(kFrameCut, {30, 24}, size);
    TFrameParts parts;
    BuildFrameParts(picture, Rect(0, 0, 30, 24), kFrameCut, size, n, {}, parts);
    ASSERT_EQ(parts.Top.Width(), 50);
    ASSERT_EQ(parts.Top.Height(), 6);
    ASSERT_EQ(parts.Bottom.Width(), 50);
    ASSERT_EQ(parts.Bottom.Height(), 4);
    ASSERT_EQ(parts.Left.Width(), 4);
    ASSERT_EQ(parts.Left.Height(), 30);
    ASSERT_EQ(parts.Right.Width(), 4);
    ASSERT_EQ(parts.Right.Height(), 30);
    auto column = [](int x) { return x < 8 ? x : x >= 42 ? x - 20 : 8 + x % 14; };
    auto row = [](int y) { return y < 3 ? 6 + y : y >= 27 ? y - 10 : 9 + y % 8; };
    EXPECT_TRUE(PixelsMatch(parts.Top, [&](int x, int y) { return picture.GetPixel(column(x), y); }));
    EXPECT_TRUE(PixelsMatch(parts.Bottom, [&](int x, int y) { return picture.GetPixel(column(x), 20 + y); }));
    EXPECT_TRUE(PixelsMatch(parts.Left, [&](int x, int y) { return picture.GetPixel(x, row(y)); }));
    EXPECT_TRUE(PixelsMatch(parts.Right, [&](int x, int y) { return picture.GetPixel(26 + x, row(y)); }));
}

TEST(FrameParts, StretchedBandsAtOwnSizeReproduceTheBorder)
{
    TBitmap picture = CoordinatePicture(40, 30);
    TRect r = Rect(6, 3, 36, 27);
    TSize size{30, 24};
    TFrameParts parts;
    BuildFrameParts(picture, r, kFrameCut, size, kFrameCut, {true, true, true, true}, parts);
    auto at = [&](int x, int y) { return picture.GetPixel(r.Left + x, r.Top + y); };
    EXPECT_TRUE(PixelsMatch(parts.Top, [&](int x, int y) { return at(x, y); }));
    EXPECT_TRUE(PixelsMatch(parts.Bottom, [&](int x, int y) { return at(x, 20 + y); }));
    EXPECT_TRUE(PixelsMatch(parts.Left, [&](int x, int y) { return at(x, 6 + y); }));
    EXPECT_TRUE(PixelsMatch(parts.Right, [&](int x, int y) { return at(26 + x, 6 + y); }));
}

TEST(FrameParts, StretchedBandsScaleBetweenTheCornerPoints)
{
    TBitmap picture = CoordinatePicture(30, 24);
    TSize size{64, 50};
    TSkinCut n = ResizeSkinCut(kFrameCut, {30, 24}, size);
    TFrameParts parts;
    BuildFrameParts(picture, Rect(0, 0, 30, 24), kFrameCut, size, n, {true, false, true, false}, parts);
    // Top: strip 8..22 (14 columns) scaled onto 8..56 (48 columns).
    for (int i = 0; i < 48; ++i)
        ASSERT_EQ(parts.Top.GetPixel(8 + i, 2), picture.GetPixel(8 + (2 * i + 1) * 14 / 96, 2)) << i;
    // Left: strip rows 9..17 scaled onto 3..(band 40 + 17 - 20 = 37).
    ASSERT_EQ(parts.Left.Height(), 40);
    for (int j = 0; j < 34; ++j)
        ASSERT_EQ(parts.Left.GetPixel(1, 3 + j), picture.GetPixel(1, 9 + (2 * j + 1) * 8 / 68)) << j;
    EXPECT_EQ(parts.Left.GetPixel(0, 39), picture.GetPixel(0, 19));
    // The right band still tiles from its origin.
    EXPECT_EQ(parts.Right.GetPixel(2, 10), picture.GetPixel(28, 9 + 10 % 8));
}

TEST(FrameParts, BandsWithoutRoomAreLeftAsTheyWere)
{
    TBitmap picture = CoordinatePicture(30, 24);
    auto build = [&](TSize size, const TSkinCut& cut) {
        TFrameParts parts;
        for (TBitmap* b : {&parts.Top, &parts.Bottom, &parts.Left, &parts.Right}) *b = Prefilled(1, 1);
        BuildFrameParts(picture, Rect(0, 0, 30, 24), cut, size, ResizeSkinCut(cut, {30, 24}, size), {}, parts);
        return parts;
    };
    auto unchanged = [](const TBitmap& b) { return b.Width() == 1 && b.Height() == 1 && b.GetPixel(0, 0) == kUntouched; };
    {
        SCOPED_TRACE("a form exactly as high as its top and bottom bands");
        TFrameParts parts = build({50, 10}, kFrameCut);
        EXPECT_EQ(parts.Top.Height(), 6);
        EXPECT_EQ(parts.Bottom.Height(), 4);
        EXPECT_TRUE(unchanged(parts.Left));
        EXPECT_TRUE(unchanged(parts.Right));
    }
    {
        SCOPED_TRACE("no width");
        TFrameParts parts = build({0, 40}, kFrameCut);
        EXPECT_TRUE(unchanged(parts.Top));
        EXPECT_TRUE(unchanged(parts.Bottom));
    }
    {
        SCOPED_TRACE("edges without strips");
        TSkinCut cut = kFrameCut;
        cut.RightTop = {8, 9};     // top strip of no width
        cut.LeftBottom = {8, 9};   // left strip of no height
        cut.RightBottom = {8, 9};  // bottom strip of no width, right strip of no height
        TFrameParts parts = build({50, 40}, cut);
        for (const TBitmap* b : {&parts.Top, &parts.Bottom, &parts.Left, &parts.Right}) EXPECT_TRUE(unchanged(*b));
    }
}
