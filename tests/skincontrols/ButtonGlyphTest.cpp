#include "skincontrols/ButtonGlyph.h"

#include "gfx/Canvas.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

using L = TButtonLayout;

TEST(ButtonGlyphTest, PlacesGlyphAndCaptionForEveryLayout)
{
    // The rectangle's centre is (37, 12); glyph 16 x 16, caption 40 x 14, spacing 1.
    const TRect r{0, 0, 75, 25};
    const TSize glyph{16, 16}, text{40, 14};
    struct TCase {
        L layout;
        int margin;
        TPoint glyph;
        TPoint text;
    } cases[] = {
        // Centred: half of 40 + 16 + 1 is 28, so the pair runs from 37 - 28 to 37 + 28.
        {L::blGlyphLeft, -1, {9, 4}, {25, 5}},
        {L::blGlyphRight, -1, {49, 4}, {9, 5}},
        // Vertically: half of 14 + 16 + 1 is 15.
        {L::blGlyphTop, -1, {29, -3}, {17, 13}},
        {L::blGlyphBottom, -1, {29, 11}, {17, -3}},
        {L::blGlyphLeft, 4, {4, 4}, {21, 5}},
        {L::blGlyphRight, 4, {55, 4}, {14, 5}},
        {L::blGlyphTop, 2, {29, 2}, {17, 19}},
        {L::blGlyphBottom, 2, {29, 7}, {17, -8}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.layout) * 100 + c.margin);
        TGlyphTextPlacement p = PlaceGlyphAndText(r, c.margin, 1, c.layout, glyph, text, false);
        EXPECT_EQ(p.Glyph, c.glyph);
        EXPECT_EQ(p.Text, c.text);
        TGlyphTextPlacement pressed = PlaceGlyphAndText(r, c.margin, 1, c.layout, glyph, text, true);
        EXPECT_EQ(pressed.Glyph, Point(c.glyph.x + 1, c.glyph.y + 1));
        EXPECT_EQ(pressed.Text, Point(c.text.x + 1, c.text.y + 1));
    }
    // No glyph: the caption alone is centred.
    EXPECT_EQ(PlaceGlyphAndText(r, -1, 0, L::blGlyphLeft, {}, text, false).Text, Point(17, 5));
}

TEST(ButtonGlyphTest, ChoosesTheCellByStateAndCellCount)
{
    struct TCase {
        bool down, active, enabled;
        int cells[4]; // for 1 to 4 cells
    } cases[] = {
        {false, false, true, {1, 1, 1, 1}},
        {false, false, false, {1, 2, 2, 2}},
        {false, true, true, {1, 1, 1, 4}},
        {true, true, true, {1, 1, 3, 3}},
        {true, false, true, {1, 1, 1, 1}},
        {true, true, false, {1, 2, 3, 3}},
        {false, true, false, {1, 2, 2, 4}},
    };
    for (const TCase& c : cases)
        for (int n = 1; n <= 4; ++n) {
            SCOPED_TRACE(std::to_string(c.down) + std::to_string(c.active) + std::to_string(c.enabled) + " n=" +
                         std::to_string(n));
            EXPECT_EQ(GlyphCellFor(n, c.down, c.active, c.enabled), c.cells[n - 1]);
        }
}

TEST(ButtonGlyphTest, CellsOfOddStripsStayInsideTheStrip)
{
    EXPECT_EQ(GlyphCellSize({64, 16}, 4), (TSize{16, 16}));
    EXPECT_EQ(GlyphCellSize({50, 16}, 3), (TSize{16, 16})); // two columns unused
    EXPECT_EQ(GlyphCellSize({3, 16}, 4), (TSize{}));        // narrower than its count
    EXPECT_EQ(GlyphCellSize({16, 16}, 0), (TSize{}));
    EXPECT_EQ(GlyphCellSize({16, 16}, -2), (TSize{}));
    EXPECT_EQ(GlyphCellSize({0, 16}, 1), (TSize{}));
}

// A strip 50 wide of three cells: each pixel's red is its column, and the bottom-left pixel of
// every cell is the key colour. Drawing cell 3 copies columns 32 to 47 and leaves the key out.
TEST(ButtonGlyphTest, DrawsTheChosenCellTransparently)
{
    TBitmap strip(50, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 50; ++x) strip.SetPixel(x, y, RGB(uint8_t(x), uint8_t(y), 200));
    const TColor key = RGB(1, 2, 3);
    for (int cell = 0; cell < 3; ++cell) strip.SetPixel(cell * 16, 7, key);
    strip.SetPixel(32 + 5, 3, key);

    const TColor background = RGB(250, 250, 250);
    TBitmap target(40, 20);
    target.Fill(background);
    TCanvas canvas(target);
    TGlyphAndText what;
    what.Glyph = &strip;
    what.CellCount = 3;
    what.Cell = 3;
    DrawGlyphAndText(canvas, {0, 0, 40, 20}, what);
    // Centred: the glyph's top-left is at (20 - (16 + 1) / 2, 10 - 4) = (12, 6).
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 12 && x < 28 && y >= 6 && y < 14;
            TColor want = inside ? RGB(uint8_t(32 + x - 12), uint8_t(y - 6), 200) : background;
            const bool keyed = (x - 12 == 0 && y - 6 == 7) || (x - 12 == 5 && y - 6 == 3);
            if (inside && keyed) want = background;
            ASSERT_EQ(target.GetPixel(x, y), want) << x << "," << y;
        }

    // Cells beyond the strip draw nothing; nothing reads past it.
    target.Fill(background);
    what.CellCount = 60;
    what.Cell = 1;
    DrawGlyphAndText(canvas, {0, 0, 40, 20}, what);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(target.GetPixel(x, y), background);
}

} // namespace
} // namespace tavrik
