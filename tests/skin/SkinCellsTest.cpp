#include "skin/SkinCells.h"

#include <gtest/gtest.h>

#include <ostream>

namespace tavrik {

// Readable cells in failure messages.
inline void PrintTo(const TSkinCell& c, std::ostream* os)
{
    auto rect = [os](const TRect& r) { *os << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")"; };
    rect(c.Source);
    *os << " -> ";
    rect(c.Dest);
    *os << (c.FitX == TAxisFit::Tile ? " tile" : " scale") << (c.FitY == TAxisFit::Tile ? "/tile" : "/scale");
}

} // namespace tavrik

using namespace tavrik;

namespace {

constexpr TAxisFit S = TAxisFit::Scale;
constexpr TAxisFit T = TAxisFit::Tile;

// A 12 x 10 element whose corner points lie inside its borders, so that every one of the
// thirteen cells has its own size.
const TSize kElement{12, 10};
const TSkinCut kCut{{4, 3}, {7, 3}, {5, 6}, {8, 6}, Rect(2, 2, 10, 8)};

TSkinCells Layout(TSize size, const TNineCellStyle& style, const TSkinCut& cut = kCut)
{
    return NineCellLayout(cut, kElement, ResizeSkinCut(cut, kElement, size), size, style);
}

} // namespace

TEST(SkinCells, NineCellsOfAGrownElement)
{
    // 8 wider and 3 higher: edges and client grow, corners keep their size and move out.
    TSkinCells expected{
        {Rect(4, 0, 7, 2), Rect(4, 0, 15, 2), T, S},      // top edge
        {Rect(5, 8, 8, 10), Rect(5, 11, 16, 13), T, S},   // bottom edge
        {Rect(0, 3, 2, 6), Rect(0, 3, 2, 9), S, T},       // left edge
        {Rect(10, 3, 12, 6), Rect(18, 3, 20, 9), S, T},   // right edge
        {Rect(0, 0, 4, 2), Rect(0, 0, 4, 2)},             // top-left, upper
        {Rect(0, 2, 2, 3), Rect(0, 2, 2, 3)},             // top-left, side
        {Rect(0, 6, 2, 10), Rect(0, 9, 2, 13)},           // bottom-left, side
        {Rect(2, 8, 5, 10), Rect(2, 11, 5, 13)},          // bottom-left, lower
        {Rect(7, 0, 12, 2), Rect(15, 0, 20, 2)},          // top-right, upper
        {Rect(10, 2, 12, 3), Rect(18, 2, 20, 3)},         // top-right, side
        {Rect(8, 8, 12, 10), Rect(16, 11, 20, 13)},       // bottom-right, lower
        {Rect(10, 6, 12, 8), Rect(18, 9, 20, 11)},        // bottom-right, side
        {Rect(2, 2, 10, 8), Rect(2, 2, 18, 11), T, T},    // client
    };
    EXPECT_EQ(Layout({20, 13}, {.Client = TClientFill::Tile}), expected);

    // Without the client, and with stretched edges, the same cells otherwise.
    TSkinCells withoutClient(expected.begin(), expected.end() - 1);
    EXPECT_EQ(Layout({20, 13}, {}), withoutClient);
    TSkinCells stretched = withoutClient;
    for (int i = 0; i < 4; ++i) stretched[size_t(i)].FitX = stretched[size_t(i)].FitY = S;
    EXPECT_EQ(Layout({20, 13}, {.Stretch = {true, true, true, true}}), stretched);

    // Open to the right: no right edge or corners; edges and client run to the image's edge.
    TSkinCells open{expected[0], expected[1], expected[2], expected[4], expected[5], expected[6], expected[7], expected[12]};
    open[0].Dest.Right = open[1].Dest.Right = open[7].Dest.Right = 20;
    EXPECT_EQ(Layout({20, 13}, {.Client = TClientFill::Tile, .OpenRight = true}), open);

    // At its own size every cell lands where it was cut from.
    for (const TSkinCell& cell : Layout(kElement, {.Client = TClientFill::Tile})) {
        SCOPED_TRACE(testing::PrintToString(cell));
        EXPECT_EQ(cell.Source, cell.Dest);
    }
}

TEST(SkinCells, DegenerateCutsAndSizesLeaveCellsOut)
{
    // Smaller than its corners: the edges and the client have no room and are left out; the
    // corners overlap, each drawn over those before it.
    TSkinCells corners{
        {Rect(0, 0, 4, 2), Rect(0, 0, 4, 2)},    {Rect(0, 2, 2, 3), Rect(0, 2, 2, 3)},
        {Rect(0, 6, 2, 10), Rect(0, 0, 2, 4)},   {Rect(2, 8, 5, 10), Rect(2, 2, 5, 4)},
        {Rect(7, 0, 12, 2), Rect(1, 0, 6, 2)},   {Rect(10, 2, 12, 3), Rect(4, 2, 6, 3)},
        {Rect(8, 8, 12, 10), Rect(2, 2, 6, 4)},  {Rect(10, 6, 12, 8), Rect(4, 0, 6, 2)},
    };
    EXPECT_EQ(Layout({6, 4}, {.Client = TClientFill::Tile}), corners);

    struct TCase {
        const char* name;
        TSkinCut cut;
        size_t cells;
    };
    const TCase cases[] = {
        // The top edge's points coincide: its strip has no length; the other twelve remain.
        {"zero-length top edge", {{5, 3}, {5, 3}, {5, 6}, {8, 6}, Rect(2, 2, 10, 8)}, 12},
        // Corner points on the client's corners: no side corner cells, edges and client only
        // with the four upper and lower corners.
        {"plain nine-slice", {{2, 2}, {10, 2}, {2, 8}, {10, 8}, Rect(2, 2, 10, 8)}, 9},
        // A client of no width: nothing to tile over the new one.
        {"empty client", {{4, 3}, {7, 3}, {5, 6}, {8, 6}, Rect(2, 2, 2, 8)}, 12},
        // Edges of no length in either direction: nothing is drawn at all.
        {"no horizontal length", {{4, 3}, {7, 3}, {4, 6}, {4, 6}, Rect(2, 2, 10, 8)}, 0},
        {"no vertical length", {{4, 3}, {7, 3}, {5, 6}, {8, 3}, Rect(2, 2, 10, 8)}, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TSkinCells cells = Layout({20, 13}, {.Client = TClientFill::Tile}, c.cut);
        EXPECT_EQ(cells.size(), c.cells);
        for (const TSkinCell& cell : cells) {
            SCOPED_TRACE(testing::PrintToString(cell));
            EXPECT_TRUE(cell.Source.Width() > 0 && cell.Source.Height() > 0);
            EXPECT_TRUE(cell.Dest.Width() > 0 && cell.Dest.Height() > 0);
        }
    }
}

TEST(SkinCells, ThreePartRuns)
{
    // A 60 x 6 button with caps of 12 and 14, 100 wide; then narrower than its two caps.
    TThreePart button{.FirstCap = 12, .LastCap = 14, .Length = 100, .RunStart = 12, .RunEnd = 86};
    EXPECT_EQ(ThreePartLayout({60, 6}, button), (TSkinCells{{Rect(0, 0, 12, 6), Rect(0, 0, 12, 6)},
                                                            {Rect(12, 0, 46, 6), Rect(12, 0, 86, 6), T, S},
                                                            {Rect(46, 0, 60, 6), Rect(86, 0, 100, 6)}}));
    TThreePart narrow{.FirstCap = 12, .LastCap = 14, .Length = 20, .RunStart = 12, .RunEnd = 6};
    EXPECT_EQ(ThreePartLayout({60, 6}, narrow),
              (TSkinCells{{Rect(0, 0, 12, 6), Rect(0, 0, 12, 6)}, {Rect(46, 0, 60, 6), Rect(6, 0, 20, 6)}}));
    // Vertical, without caps: the strip alone, tiled down.
    TThreePart column{.Length = 9, .RunStart = 0, .RunEnd = 9, .DrawFirstCap = false, .DrawLastCap = false,
                      .Horizontal = false};
    EXPECT_EQ(ThreePartLayout({4, 5}, column), (TSkinCells{{Rect(0, 0, 4, 5), Rect(0, 0, 4, 9), S, T}}));
}

TEST(SkinCells, FrameBands)
{
    // The element grown to 20 x 13; the bands take their source rows and columns from the
    // element's edges, and tiled edges start at the band's origin.
    TSkinCut n = ResizeSkinCut(kCut, kElement, {20, 13});
    TFrameLayout tiled = FrameLayout(kCut, kElement, n, {20, 13}, {});
    EXPECT_EQ(tiled.Top.Size, (TSize{20, 2}));
    EXPECT_EQ(tiled.Top.Cells, (TSkinCells{{Rect(4, 0, 7, 2), Rect(0, 0, 20, 2), T, S},
                                           {Rect(0, 0, 4, 2), Rect(0, 0, 4, 2)},
                                           {Rect(7, 0, 12, 2), Rect(15, 0, 20, 2)}}));
    EXPECT_EQ(tiled.Bottom.Size, (TSize{20, 2}));
    EXPECT_EQ(tiled.Bottom.Cells.front(), (TSkinCell{Rect(5, 8, 8, 10), Rect(0, 0, 20, 2), T, S}));
    EXPECT_EQ(tiled.Left.Size, (TSize{2, 9}));
    EXPECT_EQ(tiled.Left.Cells, (TSkinCells{{Rect(0, 3, 2, 6), Rect(0, 0, 2, 9), S, T},
                                            {Rect(0, 2, 2, 3), Rect(0, 0, 2, 1)},
                                            {Rect(0, 6, 2, 8), Rect(0, 7, 2, 9)}}));
    EXPECT_EQ(tiled.Right.Cells.front(), (TSkinCell{Rect(10, 3, 12, 6), Rect(0, 0, 2, 9), S, T}));

    // Stretched edges scale between the corner points instead.
    TFrameLayout stretched = FrameLayout(kCut, kElement, n, {20, 13}, {true, true, true, true});
    EXPECT_EQ(stretched.Top.Cells.front(), (TSkinCell{Rect(4, 0, 7, 2), Rect(4, 0, 15, 2)}));
    EXPECT_EQ(stretched.Left.Cells.front(), (TSkinCell{Rect(0, 3, 2, 6), Rect(0, 1, 2, 7)}));

    // No room between the top and bottom bands: no side bands.
    TSkinCut flat = ResizeSkinCut(kCut, kElement, {20, 4});
    TFrameLayout squeezed = FrameLayout(kCut, kElement, flat, {20, 4}, {});
    EXPECT_TRUE(squeezed.Top.Made && squeezed.Bottom.Made);
    EXPECT_FALSE(squeezed.Left.Made || squeezed.Right.Made);
}
