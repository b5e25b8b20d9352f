#include "skin/Glyphs.h"
#include "skin/SkinDrawing.h"

#include "gfx/Canvas.h"
#include "support/Pictures.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::test;

namespace {

using Rows = std::vector<std::string>;

constexpr TColor kPaper = clWhite;
constexpr TColor kInk = RGB(10, 20, 30);

// What a glyph leaves on blank paper of the given size.
Rows Drawn(int w, int h, const std::function<void(TCanvas&)>& draw)
{
    TBitmap paper(w, h);
    paper.Fill(kPaper);
    TCanvas canvas(paper);
    draw(canvas);
    EXPECT_TRUE(canvas.Pen().Color == clBlack && canvas.SavedStates() == 0) << "the canvas state must be restored";
    return Picture(paper, kPaper);
}

} // namespace

TEST(Glyphs, ArrowsPointFromTheCentre)
{
    const TRect cell = Rect(0, 0, 9, 9); // centre (4, 4)
    auto arrow = [&](TArrowDirection d) {
        return Drawn(9, 9, [&](TCanvas& c) { DrawArrowGlyph(c, cell, kInk, d); });
    };
    EXPECT_EQ(arrow(TArrowDirection::Left), (Rows{".........", ".....#...", "....##...", "...###...", "..####...",
                                                  "...###...", "....##...", ".....#...", "........."}));
    EXPECT_EQ(arrow(TArrowDirection::Right), (Rows{".........", "...#.....", "...##....", "...###...", "...####..",
                                                   "...###...", "...##....", "...#.....", "........."}));
    EXPECT_EQ(arrow(TArrowDirection::Up), (Rows{".........", ".........", "....#....", "...###...", "..#####..",
                                                ".#######.", ".........", ".........", "........."}));
    EXPECT_EQ(arrow(TArrowDirection::Down), (Rows{".........", ".........", ".........", ".#######.", "..#####..",
                                                  "...###...", "....#....", ".........", "........."}));
    EXPECT_EQ(Drawn(9, 9, [&](TCanvas& c) { DrawSmallDownArrow(c, Rect(0, 0, 10, 9), kInk); }),
              (Rows{".........", ".........", ".........", ".........", "...#####.", "....###..", ".....#...",
                    ".........", "........."}));
}

TEST(Glyphs, CheckAndDot)
{
    EXPECT_EQ(Drawn(9, 9, [](TCanvas& c) { DrawCheckGlyph(c, 1, 1, kInk); }),
              (Rows{".........", ".........", ".......#.", "......##.", ".#...###.", ".##.###..", ".#####...",
                    "..###....", "...#....."}));
    TBitmap paper(8, 8);
    paper.Fill(kPaper);
    TCanvas canvas(paper);
    DrawDotGlyph(canvas, 1, 2, kInk);
    EXPECT_EQ(InkBounds(paper, kPaper), Rect(1, 2, 7, 8));
    EXPECT_EQ(InkCount(paper, kPaper), 36);
    EXPECT_EQ(paper.GetPixel(3, 3), kInk);
}

TEST(Glyphs, CaptionButtonSymbols)
{
    EXPECT_EQ(Drawn(11, 10, [](TCanvas& c) { DrawCloseGlyph(c, 0, 0, kInk); }),
              (Rows{"...........", ".##.....##.", "..##...##..", "...##.##...", "....###....", "....###....",
                    "...##.##...", "..##...##..", ".##.....##.", "..........."}));
    EXPECT_EQ(Drawn(11, 10, [](TCanvas& c) { DrawCloseGlyph(c, Rect(-4, -4, 16, 16), kInk); }),
              Drawn(11, 10, [](TCanvas& c) { DrawCloseGlyph(c, 1, 1, kInk); }));
    EXPECT_EQ(Drawn(12, 11, [](TCanvas& c) { DrawMaximizeGlyph(c, 0, 0, kInk); }),
              (Rows{"###########.", "###########.", "#.........#.", "#.........#.", "#.........#.", "#.........#.",
                    "#.........#.", "#.........#.", "#.........#.", "###########.", "............"}));
    EXPECT_EQ(Drawn(11, 11, [](TCanvas& c) { DrawRestoreGlyph(c, 0, 0, kInk); }),
              (Rows{"..########.", "..########.", "..#......#.", "..#......#.", "#######..#.", "##########.",
                    "#.....#....", "#.....#....", "#.....#....", "#######....", "..........."}));
    EXPECT_EQ(Drawn(10, 7, [](TCanvas& c) { DrawSysMenuGlyph(c, 0, 0, kInk); }),
              (Rows{"..........", "..........", "..........", ".########.", ".#......#.", ".########.",
                    ".........."}));
    EXPECT_EQ(Drawn(10, 11, [](TCanvas& c) { DrawMinimizeGlyph(c, 0, 0, kInk); }),
              (Rows{"..........", "..........", "..........", "..........", "..........", "..........",
                    "..........", "..........", ".########.", ".########.", ".........."}));
    EXPECT_EQ(Drawn(10, 8, [](TCanvas& c) { DrawRollUpGlyph(c, 0, 0, kInk); }),
              (Rows{"..........", "..........", "..........", "....##....", "...####...", "..######..",
                    ".########.", ".........."}));
    EXPECT_EQ(Drawn(10, 8, [](TCanvas& c) { DrawRollDownGlyph(c, 0, 0, kInk); }),
              (Rows{"..........", "..........", ".########.", "..######..", "...####...", "....##....",
                    "..........", ".........."}));
    TBitmap paper(9, 9);
    paper.Fill(kPaper);
    TCanvas canvas(paper);
    DrawTrayGlyph(canvas, 1, 0, kInk);
    EXPECT_EQ(InkBounds(paper, kPaper), Rect(3, 2, 8, 7));
    EXPECT_EQ(InkCount(paper, kPaper), 25);
}

TEST(Glyphs, FollowTheCanvasOriginAndClip)
{
    TBitmap paper(12, 12);
    paper.Fill(kPaper);
    TCanvas canvas(paper);
    canvas.SetOrigin({3, 2});
    canvas.SetClipRect(Rect(0, 0, 4, 20));
    DrawTrayGlyph(canvas, 0, 0, kInk); // solid (2, 2)-(7, 7), cut at x 4
    EXPECT_EQ(InkBounds(paper, kPaper), Rect(5, 4, 7, 9));
    EXPECT_EQ(canvas.Origin(), Point(3, 2));
}

TEST(SkinDrawing, Frame3DTwoColours)
{
    TBitmap paper(7, 6);
    paper.Fill(kPaper);
    TCanvas canvas(paper);
    DrawFrame3D(canvas, Rect(1, 1, 6, 5), clRed, clBlue);
    Rows rows;
    for (int y = 0; y < 6; ++y) {
        std::string row;
        for (int x = 0; x < 7; ++x) {
            TColor c = paper.GetPixel(x, y);
            row += c == clRed ? 'r' : c == clBlue ? 'b' : c == kPaper ? '.' : '?';
        }
        rows.push_back(row);
    }
    EXPECT_EQ(rows, (Rows{".......", ".rrrrb.", ".r...b.", ".r...b.", ".bbbbb.", "......."}));
}

TEST(SkinDrawing, StripFrameLeavesOutItsBottomLeftColour)
{
    // Three frames of 3 x 2 in a strip 10 wide (the last column belongs to no frame).
    TBitmap strip(10, 2);
    for (int x = 0; x < 10; ++x) {
        strip.SetPixel(x, 0, RGB(uint8_t(x), 100, 0));
        strip.SetPixel(x, 1, x % 3 == 0 ? clLime : RGB(uint8_t(x), 200, 0));
    }
    auto draw = [&](int k, int n) {
        TBitmap paper(6, 4);
        paper.Fill(kPaper);
        TCanvas canvas(paper);
        DrawStripFrame(canvas, 2, 1, k, n, strip);
        return paper;
    };
    TBitmap second = draw(2, 3);
    for (int x = 0; x < 3; ++x) {
        SCOPED_TRACE(x);
        EXPECT_EQ(second.GetPixel(2 + x, 1), RGB(uint8_t(3 + x), 100, 0));
        EXPECT_EQ(second.GetPixel(2 + x, 2), x == 0 ? kPaper : RGB(uint8_t(3 + x), 200, 0));
    }
    EXPECT_EQ(InkCount(second, kPaper), 5);
    for (auto [k, n] : {std::pair{0, 3}, std::pair{4, 3}, std::pair{1, 0}, std::pair{1, 11}}) {
        SCOPED_TRACE(std::to_string(k) + " of " + std::to_string(n));
        EXPECT_EQ(InkCount(draw(k, n), kPaper), 0);
    }
    TBitmap paper(3, 3);
    TCanvas canvas(paper);
    DrawStripFrame(canvas, 0, 0, 1, 1, TBitmap());
    EXPECT_EQ(paper.GetPixel(0, 0), clBlack);
}
