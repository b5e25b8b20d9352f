#include "gfx/Canvas.h"
#include "gfx/FontInstance.h"
#include "gfx/TextLayout.h"

#include "support/Pictures.h"

#include <gtest/gtest.h>

using namespace tavrik;
using tavrik::test::FilledBitmap;
using tavrik::test::InkBounds;

namespace {

// One pixel per byte keeps the expected breaks easy to see.
int ByteWidth(std::string_view s) { return int(s.size()); }

std::vector<std::string> Texts(const std::vector<TTextLine>& lines)
{
    std::vector<std::string> out;
    for (const TTextLine& l : lines) out.push_back(l.text);
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(TextLayout, LineBreaksWrappingAndEllipsis)
{
    EXPECT_EQ(Texts(LayoutText("one\ntwo\r\nthree\r\rfour", 0, 100, ByteWidth)), (Lines{"one", "two", "three", "", "four"}));
    EXPECT_EQ(Texts(LayoutText("one\ntwo", DT_SINGLELINE, 100, ByteWidth)), (Lines{"one\ntwo"}));
    EXPECT_EQ(Texts(LayoutText("the quick brown fox", DT_WORDBREAK, 10, ByteWidth)), (Lines{"the quick", "brown fox"}));
    EXPECT_EQ(Texts(LayoutText("the quick brown fox", DT_WORDBREAK, 9, ByteWidth)), (Lines{"the quick", "brown fox"}));
    EXPECT_EQ(Texts(LayoutText("the quick brown fox", DT_WORDBREAK, 8, ByteWidth)), (Lines{"the", "quick", "brown", "fox"}));
    EXPECT_EQ(Texts(LayoutText("a extraordinarily b", DT_WORDBREAK, 5, ByteWidth)), (Lines{"a", "extraordinarily", "b"}))
        << "a long word keeps a line of its own";
    EXPECT_EQ(Texts(LayoutText("ab  cd\n\nef", DT_WORDBREAK, 3, ByteWidth)), (Lines{"ab", "cd", "", "ef"}));
    EXPECT_EQ(Texts(LayoutText("abcdefgh", DT_END_ELLIPSIS, 6, ByteWidth)), (Lines{"abc..."}));
    EXPECT_EQ(Texts(LayoutText("abcdef", DT_END_ELLIPSIS, 6, ByteWidth)), (Lines{"abcdef"}));
    EXPECT_EQ(Texts(LayoutText("abcdef", DT_END_ELLIPSIS, 2, ByteWidth)), (Lines{"..."}));
    EXPECT_EQ(LayoutText("图片处理", DT_END_ELLIPSIS, 9, ByteWidth)[0].text, "图片...") << "cut at whole characters";
}

TEST(TextLayout, AcceleratorPrefixes)
{
    auto lines = LayoutText("&Open && save", 0, 100, ByteWidth);
    EXPECT_EQ(lines[0].text, "Open & save");
    EXPECT_EQ(lines[0].accelerator, 0);
    EXPECT_EQ(LayoutText("Save &as", 0, 100, ByteWidth)[0].accelerator, 5);
    EXPECT_EQ(LayoutText("trailing&", 0, 100, ByteWidth)[0].text, "trailing");
    EXPECT_EQ(LayoutText("&Open", DT_NOPREFIX, 100, ByteWidth)[0].text, "&Open");
    EXPECT_EQ(LayoutText("&Open", DT_NOPREFIX, 100, ByteWidth)[0].accelerator, -1);
    auto wrapped = LayoutText("first &second", DT_WORDBREAK, 6, ByteWidth);
    ASSERT_EQ(Texts(wrapped), (Lines{"first", "second"}));
    EXPECT_EQ(wrapped[0].accelerator, -1);
    EXPECT_EQ(wrapped[1].accelerator, 0);
    EXPECT_EQ(LayoutText("abcdefg&h", DT_END_ELLIPSIS, 6, ByteWidth)[0].accelerator, -1);
}

TEST(TextLayout, DrawTextAlignsMeasuresAndClips)
{
    TBitmap b = FilledBitmap(200, 100, clWhite);
    TCanvas c(b);
    c.Font().Height = 16;
    c.Brush().Style = TBrushStyle::bsClear;
    int width = c.TextWidth("Centre");

    TRect calc = Rect(10, 10, 10, 10);
    EXPECT_EQ(c.DrawText("Centre\nCentre line", calc, DT_CALCRECT), 32);
    EXPECT_EQ(calc, Rect(10, 10, 10 + c.TextWidth("Centre line"), 42));
    EXPECT_EQ(InkBounds(b, clWhite), TRect{}) << "measuring draws nothing";

    TRect box = Rect(20, 20, 180, 80);
    c.DrawText("Centre", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    TRect ink = InkBounds(b, clWhite);
    EXPECT_NEAR((ink.Left + ink.Right) / 2.0, 100, 2.5);
    EXPECT_GE(ink.Top, 20 + (60 - 16) / 2);
    EXPECT_LE(ink.Bottom, 20 + (60 - 16) / 2 + 16);

    b.Fill(clWhite);
    c.DrawText("Right", box, DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
    ink = InkBounds(b, clWhite);
    EXPECT_LE(ink.Right, 180);
    EXPECT_GE(ink.Right, 178);
    EXPECT_GE(ink.Top, 80 - 16);

    b.Fill(clWhite);
    TRect narrow = Rect(0, 0, width / 2, 20);
    c.DrawText("Centre", narrow, 0);
    EXPECT_LE(InkBounds(b, clWhite).Right, width / 2);
    b.Fill(clWhite);
    c.DrawText("Centre", narrow, DT_NOCLIP);
    EXPECT_GT(InkBounds(b, clWhite).Right, width / 2);

    SCOPED_TRACE("the accelerator is underlined");
    b.Fill(clWhite);
    TRect line = Rect(0, 0, 200, 20);
    c.DrawText("&Open", line, 0);
    TBitmap plain = FilledBitmap(200, 100, clWhite);
    TCanvas plainCanvas(plain);
    plainCanvas.SetFont(c.Font());
    plainCanvas.DrawText("Open", line, 0);
    TBitmap difference = FilledBitmap(200, 100, clWhite);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (b.GetPixel(x, y) != plain.GetPixel(x, y)) difference.SetPixel(x, y, clBlack);
    TRect underline = InkBounds(difference, clWhite);
    EXPECT_EQ(underline.Left, 0);
    EXPECT_EQ(underline.Right, c.TextWidth("O"));
    EXPECT_GE(underline.Top, c.ResolvedFont().Ascent());
    EXPECT_LE(underline.Height(), 2);
}
