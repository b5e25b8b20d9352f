#include "skindialogs/DialogToolGlyphs.h"

#include "gfx/Canvas.h"

#include <array>

namespace tavrik {

namespace {

constexpr TColor kInk = RGB(40, 40, 40);
constexpr TColor kArrow = RGB(30, 110, 40);
constexpr TColor kFolder = RGB(235, 190, 70);

void Folder(TCanvas& c, int top)
{
    c.Pen().Color = RGB(150, 110, 30);
    c.Brush().Color = kFolder;
    TPoint outline[] = {{1, top}, {6, top}, {7, top + 2}, {14, top + 2}, {14, top + 11}, {1, top + 11}};
    c.Polygon(outline);
}

void Back(TCanvas& c)
{
    c.Pen().Color = kArrow;
    c.Brush().Color = kArrow;
    TPoint head[] = {{1, 8}, {7, 2}, {7, 14}};
    c.Polygon(head);
    c.FillRect({7, 6, 14, 11});
}

void Up(TCanvas& c)
{
    Folder(c, 4);
    c.Pen().Color = kArrow;
    c.Brush().Color = kArrow;
    TPoint head[] = {{10, 0}, {14, 4}, {6, 4}};
    c.Polygon(head);
    c.FillRect({9, 4, 12, 10});
}

void NewFolder(TCanvas& c)
{
    Folder(c, 4);
    c.Pen().Color = RGB(200, 0, 0);
    for (auto [x0, y0, x1, y1] : {std::array{12, 0, 12, 7}, std::array{9, 3, 16, 3}, std::array{10, 1, 15, 6},
                                  std::array{10, 5, 15, 0}}) {
        c.MoveTo(x0, y0);
        c.LineTo(x1, y1);
    }
}

void ListStyle(TCanvas& c)
{
    c.Pen().Color = kInk;
    c.Brush().Color = RGB(60, 90, 170);
    for (int y : {2, 7, 12}) {
        c.FillRect({1, y, 4, y + 3});
        c.MoveTo(6, y + 1);
        c.LineTo(15, y + 1);
    }
}

void Stretch(TCanvas& c)
{
    c.Pen().Color = kInk;
    c.Brush().Color = RGB(170, 210, 240);
    c.Rectangle(4, 4, 12, 12);
    c.Brush().Color = kInk;
    // Inset by one pixel: the bottom-left pixel stays the key colour, which buttons take as
    // the transparent one.
    for (auto [x, y, dx, dy] : {std::array{1, 1, 1, 1}, std::array{14, 1, -1, 1}, std::array{1, 14, 1, -1},
                                std::array{14, 14, -1, -1}}) {
        TPoint corner[] = {{x, y}, {x + 3 * dx, y}, {x, y + 3 * dy}};
        c.Polygon(corner);
    }
}

} // namespace

TBitmap DialogToolGlyph(std::string_view name)
{
    using TPainter = void (*)(TCanvas&);
    struct TNamedGlyph {
        std::string_view name;
        TPainter paint;
    };
    static constexpr TNamedGlyph glyphs[] = {
        {"BS_BACK", Back}, {"BS_UP", Up}, {"BS_NEWFOLDER", NewFolder}, {"BS_LVSTYLE", ListStyle}, {"BS_STRETCH", Stretch},
    };
    for (const TNamedGlyph& glyph : glyphs) {
        if (glyph.name != name) continue;
        TBitmap bitmap(16, 16);
        bitmap.Fill(clFuchsia);
        TCanvas canvas(bitmap);
        glyph.paint(canvas);
        return bitmap;
    }
    return {};
}

} // namespace tavrik
