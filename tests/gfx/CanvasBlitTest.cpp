#include "gfx/Canvas.h"

#include "support/Pictures.h"

#include <gtest/gtest.h>

using namespace tavrik;
using tavrik::test::CoordinatePicture;
using tavrik::test::FilledBitmap;
using tavrik::test::NoiseBitmap;

namespace {

TPoint SourceOf(TColor c) { return {GetRValue(c), GetGValue(c)}; }

} // namespace

TEST(CanvasBlit, DrawReadsEveryFormatOntoEveryTarget)
{
    for (TPixelFormat from : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit, TPixelFormat::pf16bit,
                              TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        TBitmap source = NoiseBitmap(13, 5, from, 3);
        if (from == TPixelFormat::pf8bit) source.SetPalette({{1, 2, 3, 0}, {200, 100, 50, 0}}); // short palette
        for (TPixelFormat to : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
            SCOPED_TRACE(testing::Message() << BitsPerPixel(from) << " -> " << BitsPerPixel(to));
            TBitmap target = FilledBitmap(20, 9, clFuchsia, to);
            TCanvas c(target);
            c.Draw(4, 3, source);
            for (int y = 0; y < target.Height(); ++y)
                for (int x = 0; x < target.Width(); ++x) {
                    bool inside = x >= 4 && x < 17 && y >= 3 && y < 8;
                    ASSERT_EQ(target.GetPixel(x, y), inside ? source.GetPixel(x - 4, y - 3) : clFuchsia) << x << ", " << y;
                }
        }
    }
}

TEST(CanvasBlit, CopyRectTakesOnlyExistingSourcePixels)
{
    TBitmap source = CoordinatePicture(6, 4);
    TBitmap target = FilledBitmap(10, 10, clBlack);
    TCanvas c(target);
    c.MoveOrigin(1, 1);
    c.IntersectClipRect(Rect(0, 0, 7, 7));
    // The source rectangle reaches two columns left of the source and past its bottom.
    c.CopyRect(Rect(0, 0, 5, 6), source, Rect(-2, 1, 3, 7));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            SCOPED_TRACE(testing::Message() << x << ", " << y);
            bool inside = x >= 3 && x < 6 && y >= 1 && y < 4;
            if (inside) EXPECT_EQ(SourceOf(target.GetPixel(x, y)), (TPoint{x - 3, y}));
            else EXPECT_EQ(target.GetPixel(x, y), clBlack);
        }
}

TEST(CanvasBlit, ScaledCopyDrawsOnlyWhereSamplesExist)
{
    TBitmap source = CoordinatePicture(4, 1);
    for (bool mirrored : {false, true}) {
        SCOPED_TRACE(mirrored);
        TBitmap target = FilledBitmap(16, 1, clBlack);
        TCanvas c(target);
        c.CopyRect(mirrored ? Rect(16, 0, 0, 1) : Rect(0, 0, 16, 1), source, Rect(-2, 0, 6, 1));
        for (int x = 0; x < 16; ++x) {
            int sx = (mirrored ? 15 - x : x) / 2 - 2;
            if (sx < 0 || sx >= 4) EXPECT_EQ(target.GetPixel(x, 0), clBlack) << x;
            else EXPECT_EQ(SourceOf(target.GetPixel(x, 0)).x, sx) << x;
        }
    }
}

TEST(CanvasBlit, StretchSamplesTheNearestSourcePixel)
{
    TBitmap source = CoordinatePicture(3, 2, TPixelFormat::pf32bit);
    TBitmap target = FilledBitmap(7, 5, clBlack);
    TCanvas c(target);
    c.StretchDraw(Rect(0, 0, 7, 5), source);
    // Column i takes (2i + 1) * 3 / 14, row j takes (2j + 1) * 2 / 10.
    const int columns[] = {0, 0, 1, 1, 1, 2, 2};
    const int rows[] = {0, 0, 1, 1, 1};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) EXPECT_EQ(SourceOf(target.GetPixel(x, y)), (TPoint{columns[x], rows[y]})) << x << ", " << y;

    SCOPED_TRACE("shrinking, mirrored, and from a paletted source");
    TBitmap wide = CoordinatePicture(7, 1);
    TBitmap small = FilledBitmap(3, 1, clBlack);
    TCanvas(small).StretchDraw(Rect(0, 0, 3, 1), wide);
    EXPECT_EQ(SourceOf(small.GetPixel(0, 0)).x, 1);
    EXPECT_EQ(SourceOf(small.GetPixel(1, 0)).x, 3);
    EXPECT_EQ(SourceOf(small.GetPixel(2, 0)).x, 5);
    TCanvas(small).StretchDraw(Rect(3, 0, 0, 1), wide);
    EXPECT_EQ(SourceOf(small.GetPixel(0, 0)).x, 5);
    EXPECT_EQ(SourceOf(small.GetPixel(2, 0)).x, 1);
    TBitmap paletted(2, 1, TPixelFormat::pf4bit);
    paletted.SetPixel(0, 0, clRed);
    paletted.SetPixel(1, 0, clBlue);
    TBitmap out = FilledBitmap(4, 2, clBlack, TPixelFormat::pf24bit);
    TCanvas(out).StretchDraw(Rect(0, 0, 4, 2), paletted);
    EXPECT_EQ(out.GetPixel(1, 1), clRed);
    EXPECT_EQ(out.GetPixel(2, 0), clBlue);
}

TEST(CanvasBlit, TransparentDrawLeavesTheKeyColourOut)
{
    // A strip frame: the bottom-left pixel names the colour that is not drawn.
    TBitmap strip(3, 2, TPixelFormat::pf8bit);
    strip.SetPixel(0, 0, clRed);
    strip.SetPixel(1, 0, clFuchsia);
    strip.SetPixel(2, 0, clLime);
    for (int x = 0; x < 3; ++x) strip.SetPixel(x, 1, clFuchsia);
    strip.SetPixel(2, 1, clBlue);
    ASSERT_EQ(TCanvas::TransparentColorOf(strip), clFuchsia);
    TBitmap target = FilledBitmap(5, 3, clGray);
    TCanvas c(target);
    c.DrawTransparent(1, 1, strip, TCanvas::TransparentColorOf(strip));
    EXPECT_EQ(target.GetPixel(1, 1), clRed);
    EXPECT_EQ(target.GetPixel(2, 1), clGray);
    EXPECT_EQ(target.GetPixel(3, 1), clLime);
    EXPECT_EQ(target.GetPixel(1, 2), clGray);
    EXPECT_EQ(target.GetPixel(3, 2), clBlue);

    for (TPixelFormat f : {TPixelFormat::pf24bit, TPixelFormat::pf32bit}) {
        SCOPED_TRACE(testing::Message() << "from the target's own format " << BitsPerPixel(f));
        TBitmap same = strip;
        same.SetPixelFormat(f);
        TBitmap sameTarget = FilledBitmap(5, 3, clGray, f);
        TCanvas(sameTarget).DrawTransparent(1, 1, same, clFuchsia);
        EXPECT_EQ(sameTarget.GetPixel(2, 1), clGray);
        EXPECT_EQ(sameTarget.GetPixel(3, 1), clLime);
    }

    TBitmap big = FilledBitmap(6, 4, clGray);
    TCanvas(big).StretchDrawTransparent(Rect(0, 0, 6, 4), strip, clFuchsia);
    EXPECT_EQ(big.GetPixel(0, 0), clRed);
    EXPECT_EQ(big.GetPixel(2, 1), clGray);
    EXPECT_EQ(big.GetPixel(5, 3), clBlue);
    EXPECT_EQ(TCanvas::TransparentColorOf(TBitmap()), clNone);
}

TEST(CanvasBlit, CopyModesCombineWithTheTarget)
{
    const TBitmap picture = NoiseBitmap(8, 6, TPixelFormat::pf24bit, 5);
    const TBitmap overlay = NoiseBitmap(8, 6, TPixelFormat::pf32bit, 6);
    TBitmap b = picture;
    TCanvas c(b);
    c.SetCopyMode(TCopyMode::cmSrcInvert);
    c.Draw(0, 0, overlay);
    EXPECT_EQ(b.GetPixel(3, 2), (picture.GetPixel(3, 2) ^ overlay.GetPixel(3, 2)));
    c.Draw(0, 0, overlay);
    EXPECT_EQ(b, picture);

    struct Case {
        TCopyMode mode;
        TColor expected;
    };
    TColor s = RGB(0xF0, 0x0F, 0x55), d = RGB(0x3C, 0x3C, 0xFF);
    for (Case k : {Case{TCopyMode::cmSrcAnd, s & d}, Case{TCopyMode::cmSrcPaint, s | d},
                   Case{TCopyMode::cmNotSrcCopy, ~s & 0xFFFFFF}, Case{TCopyMode::cmDstInvert, ~d & 0xFFFFFF},
                   Case{TCopyMode::cmBlackness, clBlack}, Case{TCopyMode::cmWhiteness, clWhite}}) {
        SCOPED_TRACE(int(k.mode));
        TBitmap one = FilledBitmap(1, 1, d);
        TCanvas oc(one);
        oc.SetCopyMode(k.mode);
        oc.Draw(0, 0, FilledBitmap(1, 1, s, TPixelFormat::pf24bit));
        EXPECT_EQ(one.GetPixel(0, 0), k.expected);
    }
}

TEST(CanvasBlit, CopyWithinOneBitmapReadsThePictureAsItWas)
{
    const TBitmap original = CoordinatePicture(10, 6, TPixelFormat::pf32bit);
    TBitmap b = original;
    TCanvas c(b);
    c.CopyRect(Rect(2, 1, 10, 6), c, Rect(0, 0, 8, 5)); // scroll down-right by (2, 1)
    for (int y = 1; y < 6; ++y)
        for (int x = 2; x < 10; ++x) ASSERT_EQ(b.GetPixel(x, y), original.GetPixel(x - 2, y - 1));
    EXPECT_EQ(b.GetPixel(1, 3), original.GetPixel(1, 3));

    SCOPED_TRACE("from another canvas, through its origin");
    TBitmap other = CoordinatePicture(10, 6);
    TCanvas source(other);
    source.MoveOrigin(3, 2);
    TBitmap out = FilledBitmap(2, 2, clBlack);
    TCanvas(out).CopyRect(Rect(0, 0, 2, 2), source, Rect(1, 1, 3, 3));
    EXPECT_EQ(SourceOf(out.GetPixel(0, 0)), (TPoint{4, 3}));
}

TEST(CanvasBlit, AlphaDrawMixesByTheFourthByte)
{
    TBitmap icon(3, 1, TPixelFormat::pf32bit);
    const uint8_t alphas[] = {0, 255, 128};
    for (int x = 0; x < 3; ++x) {
        icon.SetPixel(x, 0, clWhite);
        icon.ScanLine(0)[4 * x + 3] = alphas[x];
    }
    TBitmap b = FilledBitmap(3, 1, clBlack, TPixelFormat::pf24bit);
    TCanvas(b).DrawAlpha(0, 0, icon);
    EXPECT_EQ(b.GetPixel(0, 0), clBlack);
    EXPECT_EQ(b.GetPixel(1, 0), clWhite);
    EXPECT_EQ(b.GetPixel(2, 0), RGB(128, 128, 128));
}
