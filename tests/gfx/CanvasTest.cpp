#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"

#include "support/Pictures.h"

#include <gtest/gtest.h>

using namespace tavrik;
using tavrik::test::FilledBitmap;
using tavrik::test::InkBounds;
using tavrik::test::NoiseBitmap;
using tavrik::test::Picture;
using Rows = std::vector<std::string>;

TEST(Canvas, FillRectCoversExactlyItsPixelsInEveryTargetFormat)
{
    for (TPixelFormat f : {TPixelFormat::pf32bit, TPixelFormat::pf24bit, TPixelFormat::pf16bit, TPixelFormat::pf8bit,
                           TPixelFormat::pf4bit, TPixelFormat::pf1bit}) {
        SCOPED_TRACE(BitsPerPixel(f));
        TBitmap b = FilledBitmap(6, 4, clBlack, f);
        TCanvas c(b);
        c.Brush().Color = clWhite;
        c.FillRect(Rect(1, 1, 4, 3));
        c.FillRect(Rect(-5, -5, 1, 1)); // clipped to the bitmap
        c.FillRect(Rect(5, 3, 5, 9));   // empty
        c.FillRect(Rect(9, 3, 5, 2));   // reversed edges are normalised
        EXPECT_EQ(Picture(b, clBlack), (Rows{"#.....", ".###..", ".###.#", "......"}));
    }
}

TEST(Canvas, OutlinesLieInsideTheirRectangle)
{
    TBitmap b = FilledBitmap(7, 6, clBlack);
    TCanvas c(b);
    c.Brush().Color = clWhite;
    c.FrameRect(Rect(1, 1, 6, 5));
    EXPECT_EQ(Picture(b, clBlack), (Rows{".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}));

    b.Fill(clBlack);
    c.Pen().Color = clRed;
    c.Brush().Color = clLime;
    c.Rectangle(0, 0, 5, 4);
    EXPECT_EQ(Picture(b, clBlack), (Rows{"#####..", "#####..", "#####..", "#####..", ".......", "......."}));
    EXPECT_EQ(b.GetPixel(0, 0), clRed);
    EXPECT_EQ(b.GetPixel(4, 3), clRed);
    EXPECT_EQ(b.GetPixel(1, 1), clLime);
    EXPECT_EQ(b.GetPixel(3, 2), clLime);
    EXPECT_EQ(b.GetPixel(4, 2), clRed);

    SCOPED_TRACE("pen of width 3 centred on the outline, and inside it");
    b.Fill(clBlack);
    c.Brush().Style = TBrushStyle::bsClear;
    c.Pen().Width = 3;
    c.Rectangle(2, 2, 6, 5);
    EXPECT_EQ(Picture(b, clBlack), (Rows{".......", ".######", ".######", ".######", ".######", ".######"}));
    b.Fill(clBlack);
    c.Pen().Style = TPenStyle::psInsideFrame;
    c.Pen().Width = 2;
    c.Rectangle(0, 0, 6, 6);
    EXPECT_EQ(Picture(b, clBlack), (Rows{"######.", "######.", "##..##.", "##..##.", "######.", "######."}));
}

TEST(Canvas, LinesDrawTheirStartAndLeaveOutTheirEnd)
{
    TBitmap b = FilledBitmap(6, 5, clBlack);
    TCanvas c(b);
    c.Pen().Color = clWhite;
    c.MoveTo(0, 0);
    c.LineTo(4, 0);
    EXPECT_EQ(c.PenPos(), (TPoint{4, 0}));
    c.LineTo(4, 3);
    c.MoveTo(0, 1);
    c.LineTo(3, 4);
    c.MoveTo(5, 4);
    c.LineTo(5, 4); // zero length: nothing
    EXPECT_EQ(Picture(b, clBlack), (Rows{"#####.", "#...#.", ".#..#.", "..#...", "......"}));

    SCOPED_TRACE("a straight line far beyond the bitmap is cut to it");
    b.Fill(clBlack);
    c.MoveTo(-2000000000, 2);
    c.LineTo(2000000000, 2);
    c.MoveTo(1, 2000000000);
    c.LineTo(1, -2000000000);
    EXPECT_EQ(Picture(b, clBlack), (Rows{".#....", ".#....", "######", ".#....", ".#...."}));

    SCOPED_TRACE("a polyline draws each joint once");
    b.Fill(clBlack);
    c.Pen().Mode = TPenMode::pmXor;
    TPoint zigzag[] = {{0, 0}, {5, 0}, {5, 4}, {0, 4}, {0, 0}};
    c.Polyline(zigzag);
    EXPECT_EQ(Picture(b, clBlack), (Rows{"######", "#....#", "#....#", "#....#", "######"}));
}

TEST(Canvas, DashedPensLeaveGaps)
{
    TBitmap b = FilledBitmap(30, 1, clBlack);
    TCanvas c(b);
    c.Pen().Color = clWhite;
    c.Pen().Style = TPenStyle::psDot;
    c.MoveTo(0, 0);
    c.LineTo(12, 0);
    EXPECT_EQ(Picture(b, clBlack)[0].substr(0, 13), "###...###....");
    b.Fill(clBlack);
    c.Pen().Style = TPenStyle::psClear;
    c.LineTo(0, 0);
    EXPECT_EQ(InkBounds(b, clBlack), TRect{});
}

TEST(Canvas, InvertingModesRestoreThePictureWhenDrawnTwice)
{
    const TBitmap original = NoiseBitmap(40, 30);
    struct Case {
        const char* name;
        std::function<void(TCanvas&)> draw;
    };
    const Case cases[] = {
        {"rectangle, clear brush", [](TCanvas& c) { c.Rectangle(3, 4, 30, 20); }},
        {"rectangle, brush", [](TCanvas& c) { c.Brush().Style = TBrushStyle::bsSolid; c.Rectangle(3, 4, 30, 20); }},
        {"rectangle, wide pen", [](TCanvas& c) { c.Pen().Width = 4; c.Rectangle(3, 4, 30, 20); }},
        {"dashed rectangle", [](TCanvas& c) { c.Pen().Style = TPenStyle::psDash; c.Rectangle(3, 4, 30, 20); }},
        {"ellipse", [](TCanvas& c) { c.Brush().Style = TBrushStyle::bsSolid; c.Ellipse(2, 2, 37, 25); }},
        {"wide ellipse", [](TCanvas& c) { c.Pen().Width = 3; c.Ellipse(2, 2, 37, 25); }},
        {"diagonal line", [](TCanvas& c) { c.MoveTo(-3, 1); c.LineTo(45, 29); }},
        {"wide line", [](TCanvas& c) { c.Pen().Width = 5; c.MoveTo(5, 25); c.LineTo(35, 2); }},
        {"polygon", [](TCanvas& c) {
             TPoint p[] = {{2, 2}, {30, 5}, {12, 28}};
             c.Brush() = {RGB(10, 200, 30), TBrushStyle::bsSolid};
             c.Pen().Style = TPenStyle::psClear;
             c.Polygon(p);
         }},
        {"focus rectangle", [](TCanvas& c) { c.DrawFocusRect(Rect(1, 1, 20, 9)); }},
        {"inverted rectangle", [](TCanvas& c) { c.InvertRect(Rect(1, 1, 20, 9)); }},
    };
    for (TPenMode mode : {TPenMode::pmNot, TPenMode::pmXor, TPenMode::pmNotXor}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(k.name);
            SCOPED_TRACE(int(mode));
            TBitmap b = original;
            TCanvas c(b);
            c.Pen().Mode = mode;
            c.Pen().Color = RGB(200, 90, 17);
            c.Brush().Style = TBrushStyle::bsClear;
            c.Save();
            k.draw(c);
            c.Restore();
            EXPECT_NE(b, original) << "the first drawing changes the picture";
            k.draw(c);
            EXPECT_EQ(b, original);
        }
    }
}

TEST(Canvas, EllipseIsSymmetricAndTouchesItsRectangle)
{
    for (TRect r : {Rect(0, 0, 9, 7), Rect(0, 0, 8, 8), Rect(0, 0, 12, 5), Rect(0, 0, 3, 3), Rect(0, 0, 2, 6)}) {
        SCOPED_TRACE(testing::Message() << r.Width() << " x " << r.Height());
        TBitmap b = FilledBitmap(r.Width(), r.Height(), clBlack);
        TCanvas c(b);
        c.Pen().Color = clWhite;
        c.Brush().Color = clRed;
        c.Ellipse(r);
        EXPECT_EQ(InkBounds(b, clBlack), r);
        Rows rows = Picture(b, clBlack);
        for (int y = 0; y < r.Height(); ++y) {
            EXPECT_EQ(rows[size_t(y)], std::string(rows[size_t(y)].rbegin(), rows[size_t(y)].rend()));
            EXPECT_EQ(rows[size_t(y)], rows[size_t(r.Height() - 1 - y)]);
        }
        // The outline closes the shape: every filled pixel has outline or fill around it.
        for (int y = 0; y < r.Height(); ++y)
            for (int x = 0; x < r.Width(); ++x)
                for (TPoint d : {TPoint{1, 0}, TPoint{-1, 0}, TPoint{0, 1}, TPoint{0, -1}}) {
                    if (b.GetPixel(x, y) != clRed) continue;
                    EXPECT_NE(b.GetPixel(x + d.x, y + d.y), clBlack) << x << ", " << y;
                }
    }
}

TEST(Canvas, PolygonFillsPixelCentresInside)
{
    TBitmap b = FilledBitmap(6, 5, clBlack);
    TCanvas c(b);
    c.Pen().Style = TPenStyle::psClear;
    c.Brush().Color = clWhite;
    TPoint square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
    c.Polygon(square);
    EXPECT_EQ(Picture(b, clBlack), (Rows{"......", ".####.", ".####.", ".####.", "......"}));
    b.Fill(clBlack);
    TPoint triangle[] = {{0, 0}, {6, 0}, {0, 6}};
    c.Polygon(triangle);
    EXPECT_EQ(Picture(b, clBlack), (Rows{"#####.", "####..", "###...", "##....", "#....."}));
}

TEST(Canvas, ClippingAndOriginWorkInLogicalCoordinates)
{
    TBitmap b = FilledBitmap(10, 8, clBlack);
    TCanvas c(b);
    c.Brush().Color = clWhite;
    c.MoveOrigin(2, 1);
    c.IntersectClipRect(Rect(0, 0, 6, 5));
    c.ExcludeClipRect(Rect(2, 1, 4, 3));
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 6, 5));
    EXPECT_FALSE(c.RectVisible(Rect(2, 1, 4, 3)));
    EXPECT_TRUE(c.RectVisible(Rect(5, 4, 9, 9)));
    c.FillRect(Rect(-10, -10, 100, 100));
    EXPECT_EQ(Picture(b, clBlack), (Rows{"..........", "..######..", "..##..##..", "..##..##..", "..######..",
                                         "..######..", "..........", ".........."}));
    EXPECT_EQ(c.Pixels(0, 0), clWhite);
    EXPECT_EQ(c.Pixels(2, 1), clNone) << "outside the clip";
    EXPECT_EQ(c.Pixels(-3, 0), clNone);
    c.SetPixels(2, 1, clRed);
    EXPECT_EQ(b.GetPixel(4, 2), clBlack);
    c.ResetClip();
    EXPECT_EQ(c.ClipRect(), Rect(-2, -1, 8, 7));
    c.SetPixels(2, 1, clRed);
    EXPECT_EQ(b.GetPixel(4, 2), clRed);
}

TEST(Canvas, ConstructionLimitCannotBeLeft)
{
    TBitmap b = FilledBitmap(8, 4, clBlack);
    TRegion visible = TRegion(Rect(2, 0, 4, 4)) | TRegion(Rect(6, 0, 8, 4));
    TCanvas c(b, visible, {2, 0});
    c.Brush().Color = clWhite;
    c.SetClipRect(Rect(-100, -100, 100, 100));
    c.FillRect(Rect(-2, 0, 6, 1));
    c.ResetClip();
    c.FillRect(Rect(-2, 1, 6, 2));
    c.ExcludeClipRect(Rect(0, 2, 1, 3));
    c.FillRect(Rect(-2, 2, 6, 3));
    EXPECT_EQ(Picture(b, clBlack), (Rows{"..##..##", "..##..##", "...#..##", "........"}));
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 6, 4));
}

TEST(Canvas, SaveAndRestoreCoverTheWholeState)
{
    TBitmap b = FilledBitmap(8, 8, clBlack);
    TCanvas c(b);
    c.Pen().Color = clRed;
    c.Brush().Color = clBlue;
    c.Font().Height = 20;
    c.MoveTo(1, 2);
    {
        TCanvasStateSaver saver(c);
        c.Pen().Color = clLime;
        c.Brush().Style = TBrushStyle::bsClear;
        c.Font().Name = "Other";
        c.SetCopyMode(TCopyMode::cmSrcInvert);
        c.MoveOrigin(3, 3);
        c.IntersectClipRect(Rect(0, 0, 1, 1));
        c.MoveTo(5, 5);
        EXPECT_EQ(c.SavedStates(), 1u);
    }
    EXPECT_EQ(c.SavedStates(), 0u);
    EXPECT_EQ(c.Pen().Color, clRed);
    EXPECT_EQ(c.Brush(), (TBrush{clBlue, TBrushStyle::bsSolid}));
    EXPECT_EQ(c.Font().Name, "Arial");
    EXPECT_EQ(c.Font().Height, 20);
    EXPECT_EQ(c.CopyMode(), TCopyMode::cmSrcCopy);
    EXPECT_EQ(c.Origin(), (TPoint{0, 0}));
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 8, 8));
    EXPECT_EQ(c.PenPos(), (TPoint{1, 2}));
#ifndef NDEBUG
    EXPECT_DEATH(c.Restore(), "Restore without a matching Save");
#else
    c.Restore(); // unbalanced: the state stays
    EXPECT_EQ(c.Pen().Color, clRed);
#endif
}

TEST(Canvas, ColoursAreResolvedAndNoneDrawsNothing)
{
    TBitmap b = FilledBitmap(4, 4, clBlack);
    TCanvas c(b);
    c.Brush().Color = clBtnFace;
    c.FillRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(b.GetPixel(1, 1), GetSysColor(15));
    c.Brush().Color = clNone;
    c.FillRect(Rect(0, 0, 4, 4));
    c.Pen().Color = clNone;
    c.Rectangle(0, 0, 4, 4);
    c.SetPixels(3, 3, clNone);
    EXPECT_EQ(b.GetPixel(3, 3), clBlack);
    EXPECT_EQ(b.GetPixel(1, 1), GetSysColor(15));
    // The pmNot pen needs no colour.
    c.Pen().Mode = TPenMode::pmNot;
    c.MoveTo(0, 3);
    c.LineTo(4, 3);
    EXPECT_EQ(b.GetPixel(3, 3), clWhite);
}
