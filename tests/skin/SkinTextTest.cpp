#include "skin/SkinDrawing.h"

#include "core/Utf8.h"
#include "gfx/Canvas.h"
#include "support/Pictures.h"

#include <gtest/gtest.h>

using namespace tavrik;
using namespace tavrik::test;

namespace {

constexpr TColor kPaper = clWhite;

TBitmap Paper(int w, int h)
{
    TBitmap b(w, h);
    b.Fill(kPaper);
    return b;
}

// Everything outside rect set back to paper.
TBitmap OnlyInside(TBitmap b, const TRect& rect)
{
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if (!rect.Contains(Point(x, y))) b.SetPixel(x, y, kPaper);
    return b;
}

} // namespace

TEST(SkinText, EllipsizeKeepsTheLongestFittingStart)
{
    TBitmap paper = Paper(10, 10);
    TCanvas canvas(paper);
    const std::string text = "Hello, wide world";
    const int full = canvas.TextWidth(text);
    EXPECT_EQ(EllipsizeText(canvas, text, full), text);
    EXPECT_EQ(EllipsizeText(canvas, text, full + 50), text);
    EXPECT_EQ(EllipsizeText(canvas, text, canvas.TextWidth("Hello...")), "Hello...");
    EXPECT_EQ(EllipsizeText(canvas, text, canvas.TextWidth("...") - 1), "...");
    EXPECT_EQ(EllipsizeText(canvas, text, -5), "...");
    EXPECT_EQ(EllipsizeText(canvas, "", 0), "");
    for (int width = 0; width < full; width += 3) {
        SCOPED_TRACE(width);
        std::string shortened = EllipsizeText(canvas, text, width);
        ASSERT_GE(shortened.size(), 3u);
        ASSERT_EQ(shortened.substr(shortened.size() - 3), "...");
        std::string start = shortened.substr(0, shortened.size() - 3);
        ASSERT_EQ(text.substr(0, start.size()), start);
        if (!start.empty()) {
            ASSERT_LE(canvas.TextWidth(shortened), width);
        }
        // One more character would not fit.
        ASSERT_GT(canvas.TextWidth(text.substr(0, start.size() + 1) + "..."), width);
    }
}

TEST(SkinText, EllipsizePathKeepsTheFileName)
{
    TBitmap paper = Paper(10, 10);
    TCanvas canvas(paper);
    const std::string path = "文件位置:/tmp/scratch/home/Pictures/photo.jpg";
    const int w = canvas.TextWidth(path);
    struct Case {
        std::string text;
        int width;
        std::string shown;
    } cases[] = {
        {path, w, path},
        {path, canvas.TextWidth("文件位置:/tmp/.../photo.jpg"), "文件位置:/tmp/.../photo.jpg"},
        {path, canvas.TextWidth("文件位置:/tmp/.../photo.jpg") - 1, "文件位置:/tmp.../photo.jpg"},
        {path, canvas.TextWidth("文.../photo.jpg"), "文.../photo.jpg"},
        // The name alone does not fit: cut at the end like any text.
        {path, canvas.TextWidth("文件...") , "文件..."},
        {"no slash here", canvas.TextWidth("no sl..."), "no sl..."},
        {"/photo.jpg", canvas.TextWidth("/pho..."), "/pho..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shown);
        EXPECT_EQ(EllipsizePathText(canvas, c.text, c.width), c.shown);
    }
    for (int width = 0; width < w; width += 5) {
        SCOPED_TRACE(width);
        const std::string shown = EllipsizePathText(canvas, path, width);
        if (shown != "...") {
            EXPECT_LE(canvas.TextWidth(shown), width);
        }
    }
}

TEST(SkinText, EllipsizeCutsWholeCharacters)
{
    TBitmap paper = Paper(10, 10);
    TCanvas canvas(paper);
    const std::string text = "图片处理完成";
    std::string two = EllipsizeText(canvas, text, canvas.TextWidth("图片..."));
    EXPECT_EQ(two, "图片...");
    for (int width = 0; width < canvas.TextWidth(text); ++width) {
        std::string shortened = EllipsizeText(canvas, text, width);
        std::string start = shortened.substr(0, shortened.size() - 3);
        ASSERT_EQ(Utf8ToUtf32(start).find(U'\uFFFD'), std::u32string::npos) << width;
        ASSERT_EQ(text.substr(0, start.size()), start);
    }
}

TEST(SkinText, TextInRectStartsTwoPixelsInAndIsClipped)
{
    const TRect rect = Rect(5, 4, 40, 24);
    const std::string text = "Wide text beyond";
    for (int indent : {0, 6}) {
        SCOPED_TRACE(indent);
        TBitmap drawn = Paper(80, 30);
        TCanvas canvas(drawn);
        canvas.Brush().Style = TBrushStyle::bsClear;
        DrawTextInRect(canvas, text, rect, indent);

        TBitmap expected = Paper(80, 30);
        TCanvas free(expected);
        free.Brush().Style = TBrushStyle::bsClear;
        free.TextOut(rect.Left + indent + 2, rect.Top + 10 - free.TextHeight(text) / 2, text);
        EXPECT_EQ(drawn, OnlyInside(expected, rect));
        EXPECT_GT(InkCount(drawn, kPaper), 0);
    }
    TBitmap filled = Paper(80, 30);
    TCanvas canvas(filled);
    canvas.Brush().Color = clYellow;
    DrawTextInRect(canvas, "", rect);
    EXPECT_EQ(filled.GetPixel(rect.Left, rect.Top), clYellow);
    EXPECT_EQ(filled.GetPixel(rect.Right, rect.Top), kPaper);
}

TEST(SkinText, VCenteredTextStaysInItsRectangle)
{
    const TRect rect = Rect(3, 2, 45, 38);
    TBitmap drawn = Paper(90, 40);
    TCanvas canvas(drawn);
    canvas.Brush().Style = TBrushStyle::bsClear;
    DrawTextVCentered(canvas, "R&D Tom & Jerry, far too long", rect);
    TRect ink = InkBounds(drawn, kPaper);
    EXPECT_TRUE(rect.Contains(ink));
    EXPECT_LE(ink.Left, rect.Left + 2);
    EXPECT_EQ(ink.Right, rect.Right); // cut at the right edge
    // The cell is centred: as much room above the letters' cell as below it.
    const int cellTop = rect.Top + (rect.Height() - canvas.TextHeight("R")) / 2;
    EXPECT_GE(ink.Top, cellTop);
    EXPECT_LE(ink.Bottom, cellTop + canvas.TextHeight("R"));

    // "&" is shown, not taken as an accelerator mark.
    TBitmap amp = Paper(60, 30);
    TCanvas a(amp);
    a.Brush().Style = TBrushStyle::bsClear;
    DrawTextVCentered(a, "&&", Rect(0, 0, 60, 30));
    TBitmap one = Paper(60, 30);
    TCanvas b(one);
    b.Brush().Style = TBrushStyle::bsClear;
    DrawTextVCentered(b, "&", Rect(0, 0, 60, 30));
    EXPECT_GT(InkCount(amp, kPaper), InkCount(one, kPaper));
}
