#include "gfx/SystemColors.h"
#include "gfx/SystemIcons.h"

#include <gtest/gtest.h>

using namespace tavrik;

namespace {

double Luminance(TColor c)
{
    return 0.2126 * GetRValue(c) + 0.7152 * GetGValue(c) + 0.0722 * GetBValue(c);
}

uint8_t Alpha(const TBitmap& icon, int x, int y) { return icon.ScanLine(y)[4 * x + 3]; }

} // namespace

TEST(SystemColors, IndicesResolveToACoherentLightPalette)
{
    EXPECT_EQ(clBtnFace, 0xFF00000Fu);
    EXPECT_EQ(clHighlight, 0xFF00000Du);
    EXPECT_EQ(clInfoBk, 0xFF000018u);
    EXPECT_EQ(cl3DDkShadow, 0xFF000015u);
    EXPECT_EQ(ColorToRGB(clBtnFace), GetSysColor(15));
    EXPECT_EQ(ColorToRGB(RGB(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clNavy), clNavy);
    EXPECT_EQ(GetSysColor(200), clBlack);

    // Bevels step from light to dark; texts stand out from the surfaces they are drawn on.
    double highlight = Luminance(ColorToRGB(clBtnHighlight)), light = Luminance(ColorToRGB(cl3DLight)),
           face = Luminance(ColorToRGB(clBtnFace)), shadow = Luminance(ColorToRGB(clBtnShadow)),
           dark = Luminance(ColorToRGB(cl3DDkShadow));
    EXPECT_GE(highlight, face);
    EXPECT_GE(face, light);
    EXPECT_GT(light, shadow);
    EXPECT_GT(shadow, dark);
    EXPECT_GT(face, 200) << "a light palette";
    struct Pair {
        TColor text, background;
    };
    for (Pair p : {Pair{clBtnText, clBtnFace}, Pair{clWindowText, clWindow}, Pair{clHighlightText, clHighlight},
                   Pair{clInfoText, clInfoBk}, Pair{clMenuText, clMenu}, Pair{clCaptionText, clActiveCaption}}) {
        SCOPED_TRACE(testing::Message() << std::hex << p.text);
        EXPECT_GT(std::abs(Luminance(ColorToRGB(p.text)) - Luminance(ColorToRGB(p.background))), 90);
    }
    EXPECT_GT(Luminance(ColorToRGB(clGrayText)), Luminance(ColorToRGB(clBtnText)) + 60);
    EXPECT_LT(Luminance(ColorToRGB(clGrayText)), face - 60);
}

TEST(SystemIcons, AreAntialiasedShapesOnTransparentGround)
{
    struct Case {
        TSystemIcon icon;
        int size;
    };
    for (Case k : {Case{TSystemIcon::Information, 32}, Case{TSystemIcon::Warning, 32}, Case{TSystemIcon::Error, 32},
                   Case{TSystemIcon::Question, 32}, Case{TSystemIcon::Application, 16},
                   Case{TSystemIcon::Application, 32}, Case{TSystemIcon::Application, 48}}) {
        SCOPED_TRACE(testing::Message() << int(k.icon) << " at " << k.size);
        const TBitmap& icon = SystemIcon(k.icon, k.size);
        ASSERT_EQ(icon.Width(), k.size);
        ASSERT_EQ(icon.Height(), k.size);
        ASSERT_EQ(icon.PixelFormat(), TPixelFormat::pf32bit);
        EXPECT_EQ(Alpha(icon, 0, 0), 0);
        EXPECT_EQ(Alpha(icon, k.size - 1, 0), 0);
        EXPECT_EQ(Alpha(icon, k.size / 2, k.size / 2), 255);
        int partial = 0, opaque = 0;
        for (int y = 0; y < k.size; ++y)
            for (int x = 0; x < k.size; ++x) {
                uint8_t a = Alpha(icon, x, y);
                partial += a > 0 && a < 255;
                opaque += a == 255;
            }
        EXPECT_GT(partial, k.size) << "edges are smoothed";
        EXPECT_GT(opaque, k.size * k.size / 3);
        EXPECT_EQ(&SystemIcon(k.icon, k.size), &icon) << "drawn once";
    }
    EXPECT_EQ(SystemIcon(TSystemIcon::Error, 0).Width(), 1);
    EXPECT_EQ(SystemIcon(TSystemIcon::Error, 5000).Width(), 256);
}

TEST(SystemIcons, EachMessageIconHasItsColourAndSymbol)
{
    const TBitmap& info = SystemIcon(TSystemIcon::Information);
    const TBitmap& question = SystemIcon(TSystemIcon::Question);
    const TBitmap& error = SystemIcon(TSystemIcon::Error);
    const TBitmap& warning = SystemIcon(TSystemIcon::Warning);
    // The body left of the symbol.
    TColor infoBody = info.GetPixel(7, 16), errorBody = error.GetPixel(7, 16), warningBody = warning.GetPixel(11, 22);
    EXPECT_GT(GetBValue(infoBody), GetRValue(infoBody) + 80);
    EXPECT_GT(GetRValue(errorBody), GetBValue(errorBody) + 100);
    EXPECT_GT(GetRValue(warningBody), 200);
    EXPECT_GT(GetGValue(warningBody), 150);
    EXPECT_LT(GetBValue(warningBody), 100);
    // The symbols: the stem of the "i", the crossing of the cross, the dark "!".
    EXPECT_EQ(info.GetPixel(16, 19), clWhite);
    EXPECT_EQ(error.GetPixel(16, 16), clWhite);
    EXPECT_LT(GetRValue(warning.GetPixel(16, 15)), 80);
    EXPECT_NE(info, question);
}
