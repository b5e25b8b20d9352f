#include "gfx/Canvas.h"
#include "gfx/FontInstance.h"
#include "gfx/SystemColors.h"

#include "support/Pictures.h"

#include <gtest/gtest.h>

using namespace tavrik;
using tavrik::test::FilledBitmap;
using tavrik::test::InkBounds;
using tavrik::test::InkCount;

namespace {

TFontRequest Arial(int height, TFontStyles style = 0)
{
    TFontRequest f;
    f.Height = height;
    f.Style = style;
    return f;
}

struct TDrawn {
    TBitmap bitmap;
    int width = 0;
    int height = 0;
};

TDrawn Draw(const std::string& text, const TFontRequest& font, TPoint at = {4, 4}, TSize size = {300, 60})
{
    TDrawn d{FilledBitmap(size.cx, size.cy, clWhite)};
    TCanvas c(d.bitmap);
    c.SetFont(font);
    c.Brush().Style = TBrushStyle::bsClear;
    c.TextOut(at.x, at.y, text);
    d.width = c.TextWidth(text);
    d.height = c.TextHeight(text);
    return d;
}

} // namespace

TEST(Text, ArialResolvesToAMetricCompatibleFaceWithWindowsHeights)
{
    auto font = TFontInstance::Get(Arial(14));
    EXPECT_EQ(font->FamilyName(), "Liberation Sans");
    EXPECT_NEAR(font->EmSize(), 12.53, 0.01) << "a positive height is the cell height";
    for (int h : {8, 11, 13, 14, 16, 20, 27, 40}) {
        SCOPED_TRACE(h);
        auto f = TFontInstance::Get(Arial(h));
        EXPECT_EQ(f->Height(), h);
        EXPECT_GT(f->Ascent(), f->Descent());
        auto em = TFontInstance::Get(Arial(-h));
        EXPECT_DOUBLE_EQ(em->EmSize(), h) << "a negative height is the em size";
        EXPECT_GE(em->Height(), h);
        EXPECT_LE(em->Height(), h * 5 / 4 + 1);
    }
    EXPECT_EQ(TFontInstance::Get(Arial(14)), font) << "instances are shared";
    EXPECT_EQ(TFontInstance::Get(Arial(100000))->Height(), 1000) << "absurd heights are clamped";
}

TEST(Text, DrawnTextIsInkedWithinItsCellAndGrowsWithItsString)
{
    TDrawn one = Draw("Hello", Arial(16));
    TDrawn two = Draw("Hello, World", Arial(16));
    EXPECT_GT(InkCount(one.bitmap, clWhite), 40);
    EXPECT_GT(two.width, one.width);
    EXPECT_GT(InkCount(two.bitmap, clWhite), InkCount(one.bitmap, clWhite));
    EXPECT_EQ(one.height, 16);
    TRect cell = Bounds(4, 4, two.width, two.height);
    EXPECT_TRUE(cell.Inflate(1, 0).Contains(InkBounds(two.bitmap, clWhite)));
    // Widths add up: the width of a string is the sum of its parts.
    TBitmap scratch(1, 1);
    TCanvas c(scratch);
    c.SetFont(Arial(16));
    EXPECT_EQ(c.TextWidth("Hello, World"), c.TextWidth("Hello,") + c.TextWidth(" World"));
    EXPECT_EQ(c.TextWidth("a\tb\r\n"), c.TextWidth("ab")) << "control characters take no room";
    EXPECT_EQ(c.TextExtent(""), (TSize{0, 16}));
}

TEST(Text, ChineseComesFromACjkFaceAndIsNotABox)
{
    auto font = TFontInstance::Get(Arial(16));
    const TGlyph& tu = font->Glyph(U'图');
    const TGlyph& pian = font->Glyph(U'片');
    const TGlyph& missing = font->Glyph(U'\U000E01EF'); // no installed face has it
    EXPECT_NE(tu.face, 0);
    EXPECT_NE(font->FaceFile(tu.face), font->FaceFile(0));
    EXPECT_EQ(missing.face, 0);
    EXPECT_NE(tu.coverage, pian.coverage);
    EXPECT_NE(tu.coverage, missing.coverage);
    EXPECT_GT(tu.advance, font->Glyph(U'i').advance);

    TDrawn text = Draw("图片处理", Arial(16));
    EXPECT_GT(InkCount(text.bitmap, clWhite), 4 * 40);
}

TEST(Text, BoldIsWiderThanRegularAlsoForSynthesisedFaces)
{
    for (const char* text : {"Batch compression", "批量压缩"}) {
        SCOPED_TRACE(text);
        TDrawn regular = Draw(text, Arial(16)), bold = Draw(text, Arial(16, fsBold));
        EXPECT_GT(bold.width, regular.width);
        EXPECT_GT(InkCount(bold.bitmap, clWhite), InkCount(regular.bitmap, clWhite) * 11 / 10);
    }
    TDrawn italic = Draw("Italic", Arial(16, fsItalic)), upright = Draw("Italic", Arial(16));
    EXPECT_NE(italic.bitmap, upright.bitmap);
}

TEST(Text, TurnedTextIsTheQuarterTurnOfUnturnedText)
{
    TFontRequest font = Arial(14);
    TDrawn flat = Draw("Roll 图片", font, {0, 0}, {120, 20});
    font.Orientation = 900;
    TDrawn turned = Draw("Roll 图片", font, {0, 120}, {20, 120});
    EXPECT_EQ(turned.width, flat.width) << "the extent is that of unturned text";
    // Unturned pixel (u, v) lands on (v, 119 - u).
    for (int v = 0; v < 20; ++v)
        for (int u = 0; u < 120; ++u) ASSERT_EQ(turned.bitmap.GetPixel(v, 119 - u), flat.bitmap.GetPixel(u, v)) << u << ", " << v;
    TRect ink = InkBounds(turned.bitmap, clWhite), flatInk = InkBounds(flat.bitmap, clWhite);
    EXPECT_EQ(ink.Width(), flatInk.Height());
    EXPECT_EQ(ink.Height(), flatInk.Width());
}

TEST(Text, UnderlineAndStrikeOutAreLinesAcrossTheText)
{
    auto font = TFontInstance::Get(Arial(20));
    TDrawn plain = Draw("ace", Arial(20), {0, 0});
    for (TFontStyles style : {fsUnderline, fsStrikeOut}) {
        SCOPED_TRACE(style);
        TDrawn lined = Draw("ace", Arial(20, style), {0, 0});
        TBitmap difference = FilledBitmap(300, 60, clWhite);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 300; ++x)
                if (lined.bitmap.GetPixel(x, y) != plain.bitmap.GetPixel(x, y)) difference.SetPixel(x, y, clBlack);
        TRect line = InkBounds(difference, clWhite);
        EXPECT_EQ(line.Left, 0);
        EXPECT_EQ(line.Right, plain.width);
        EXPECT_LE(line.Height(), 2);
        if (style == fsUnderline) EXPECT_GE(line.Top, font->Ascent());
        else EXPECT_LT(line.Bottom, font->Ascent());
        EXPECT_LT(line.Top, font->Height());
    }
}

TEST(Text, BackgroundAndClipping)
{
    TBitmap b = FilledBitmap(100, 30, clWhite);
    TCanvas c(b);
    c.SetFont(Arial(14));
    c.Font().Color = clHighlightText;
    c.Brush().Color = clHighlight;
    c.TextOut(3, 2, "Opaque");
    int width = c.TextWidth("Opaque");
    EXPECT_EQ(InkBounds(b, clWhite), Bounds(3, 2, width, 14)) << "the opaque cell is exactly the text's extent";
    EXPECT_EQ(b.GetPixel(3, 2), GetSysColor(13));
    EXPECT_EQ(c.PenPos(), (TPoint{3 + width, 2}));

    b.Fill(clWhite);
    c.TextRect(Rect(10, 5, 30, 12), 0, 0, "Clipped text reaching far");
    EXPECT_EQ(InkBounds(b, clWhite), Rect(10, 5, 30, 12));
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 100, 30)) << "the clip is restored afterwards";

    b.Fill(clWhite);
    c.Brush().Style = TBrushStyle::bsClear;
    c.Font().Color = clBlack;
    c.TextRect(Rect(10, 0, 30, 30), 0, 5, "Clipped text reaching far");
    TRect ink = InkBounds(b, clWhite);
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, 30);
    EXPECT_FALSE(ink.IsEmpty());

    b.Fill(clWhite);
    c.Font().Color = clNone;
    c.TextOut(0, 0, "Invisible");
    EXPECT_EQ(InkCount(b, clWhite), 0);
}

TEST(Text, RenderingIsRepeatableAndGlyphsAreCached)
{
    TDrawn a = Draw("Repeatable 文字", Arial(15, fsBold));
    TDrawn b = Draw("Repeatable 文字", Arial(15, fsBold));
    EXPECT_EQ(a.bitmap, b.bitmap);
    auto font = TFontInstance::Get(Arial(15, fsBold));
    EXPECT_EQ(&font->Glyph(U'R'), &font->Glyph(U'R'));
}
