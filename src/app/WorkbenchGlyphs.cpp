#include "app/WorkbenchGlyphs.h"

#include "gfx/Canvas.h"

namespace tavrik {

namespace {

TBitmap Blank()
{
    TBitmap b(16, 16);
    b.Fill(clFuchsia);
    return b;
}

TBitmap Magnifier(bool plus)
{
    TBitmap b = Blank();
    TCanvas c(b);
    c.Pen().Color = RGB(40, 40, 40);
    c.Brush().Color = RGB(220, 235, 250);
    c.Ellipse(1, 1, 12, 12);
    c.Pen().Width = 2;
    c.MoveTo(10, 10);
    c.LineTo(14, 14);
    c.Pen().Width = 1;
    c.Pen().Color = RGB(0, 0, 160);
    c.MoveTo(4, 6);
    c.LineTo(9, 6);
    if (plus) {
        c.MoveTo(6, 4);
        c.LineTo(6, 9);
    }
    return b;
}

// A sheet of paper with its top-right corner folded.
void Page(TCanvas& c)
{
    c.Pen().Color = RGB(90, 90, 90);
    c.Brush().Color = clWhite;
    TPoint outline[] = {{2, 0}, {10, 0}, {13, 3}, {13, 15}, {2, 15}};
    c.Polygon(outline);
    c.MoveTo(10, 0);
    c.LineTo(10, 3);
    c.LineTo(13, 3);
}

} // namespace

TBitmap ZoomInGlyph() { return Magnifier(true); }
TBitmap ZoomOutGlyph() { return Magnifier(false); }

TBitmap BitmapFileIcon()
{
    TBitmap b = Blank();
    TCanvas c(b);
    Page(c);
    c.Pen().Color = RGB(140, 90, 40); // the brush's handle
    c.MoveTo(11, 5);
    c.LineTo(6, 10);
    c.Brush().Color = RGB(200, 40, 40); // its tip
    c.Pen().Color = RGB(200, 40, 40);
    c.Rectangle(4, 10, 7, 13);
    return b;
}

TBitmap PhotoFileIcon()
{
    TBitmap b = Blank();
    TCanvas c(b);
    Page(c);
    c.Brush().Color = RGB(120, 180, 235); // sky
    c.FillRect({4, 5, 12, 10});
    c.Brush().Color = RGB(60, 140, 60); // hill
    c.FillRect({4, 10, 12, 13});
    c.Pen().Color = RGB(250, 200, 60); // sun
    c.SetPixels(9, 6, RGB(250, 200, 60));
    c.SetPixels(10, 6, RGB(250, 200, 60));
    return b;
}

} // namespace tavrik
