#include "skin/SkinImageBuilders.h"

#include "skin/PixelCells.h"

namespace tavrik {

namespace {

constexpr TAxisFit FitFor(bool stretch) { return stretch ? TAxisFit::Scale : TAxisFit::Tile; }

// Draws cells of the element at rect of a source; source cells are given relative to
// the element's top-left corner.
class TCellPainter {
public:
    TCellPainter(const TBitmap& source, const TRect& rect, TBitmap& dest) : source_(source), rect_(rect), dest_(dest) {}

    void Copy(const TRect& cell, const TRect& to) const { Draw(cell, to, TAxisFit::Scale, TAxisFit::Scale); }
    void TileAlongX(const TRect& strip, const TRect& to, bool stretch) const
    {
        Draw(strip, to, FitFor(stretch), TAxisFit::Scale);
    }
    void TileAlongY(const TRect& strip, const TRect& to, bool stretch) const
    {
        Draw(strip, to, TAxisFit::Scale, FitFor(stretch));
    }
    void TileBoth(const TRect& cell, const TRect& to) const { Draw(cell, to, TAxisFit::Tile, TAxisFit::Tile); }

private:
    void Draw(const TRect& cell, const TRect& to, TAxisFit fitX, TAxisFit fitY) const
    {
        BlitCell(dest_, to, source_, cell.Offset(rect_.Left, rect_.Top), fitX, fitY);
    }

    const TBitmap& source_;
    TRect rect_;
    TBitmap& dest_;
};

enum class TRightSide : uint8_t { Drawn, Open };

// The common body of the three nine-cell builders. With an open right side the top and
// bottom edges and the client run to the image's right edge and nothing right of them is
// drawn.
void BuildNineCellImage(const TBitmap& picture, const TRect& r, const TSkinCut& c, TSize size, const TSkinCut& n,
                        bool fillClient, TEdgeStretch stretch, TRightSide right, TBitmap& dest)
{
    const int w = size.cx;
    const int h = size.cy;
    SetPictureSize(dest, w, h);
    if (c.RightBottom.x == c.LeftTop.x || c.RightBottom.y == c.LeftTop.y || picture.Empty()) return;
    TCellPainter paint(picture, r, dest);
    const bool open = right == TRightSide::Open;
    const int rw = r.Width();
    const int rh = r.Height();

    paint.TileAlongX(Rect(c.LeftTop.x, 0, c.RightTop.x, c.Client.Top),
                     Rect(n.LeftTop.x, 0, open ? w : n.RightTop.x, n.Client.Top), stretch.Top);
    paint.TileAlongX(Rect(c.LeftBottom.x, c.Client.Bottom, c.RightBottom.x, rh),
                     Rect(n.LeftBottom.x, n.Client.Bottom, open ? w : n.RightBottom.x, h), stretch.Bottom);
    paint.TileAlongY(Rect(0, c.LeftTop.y, n.Client.Left, c.LeftBottom.y),
                     Rect(0, n.LeftTop.y, n.Client.Left, n.LeftBottom.y), stretch.Left);
    if (!open)
        paint.TileAlongY(Rect(c.Client.Right, c.RightTop.y, rw, c.RightBottom.y),
                         Rect(n.Client.Right, n.RightTop.y, w, n.RightBottom.y), stretch.Right);

    paint.Copy(Rect(0, 0, c.LeftTop.x, c.Client.Top), Rect(0, 0, n.LeftTop.x, n.Client.Top));
    paint.Copy(Rect(0, c.Client.Top, c.Client.Left, c.LeftTop.y), Rect(0, n.Client.Top, n.Client.Left, n.LeftTop.y));
    paint.Copy(Rect(0, c.LeftBottom.y, c.Client.Left, rh), Rect(0, n.LeftBottom.y, n.Client.Left, h));
    paint.Copy(Rect(c.Client.Left, c.Client.Bottom, c.LeftBottom.x, rh),
               Rect(n.Client.Left, n.Client.Bottom, n.LeftBottom.x, h));
    if (!open) {
        paint.Copy(Rect(c.RightTop.x, 0, rw, c.Client.Top), Rect(n.RightTop.x, 0, w, n.Client.Top));
        paint.Copy(Rect(c.Client.Right, c.Client.Top, rw, c.RightTop.y),
                   Rect(n.Client.Right, n.Client.Top, w, n.RightTop.y));
        paint.Copy(Rect(c.RightBottom.x, c.Client.Bottom, rw, rh), Rect(n.RightBottom.x, n.Client.Bottom, w, h));
        paint.Copy(Rect(c.Client.Right, c.RightBottom.y, rw, c.Client.Bottom),
                   Rect(n.Client.Right, n.RightBottom.y, w, n.Client.Bottom));
    }

    if (fillClient)
        paint.TileBoth(c.Client, Rect(n.Client.Left, n.Client.Top, open ? w : n.Client.Right, n.Client.Bottom));
}

// Caps copied unchanged at both ends of a run, the strip between them tiled along it.
// Lengths run along x when horizontal, along y otherwise.
struct TThreePart {
    int firstCap = 0;
    int lastCap = 0;
    int length = 0;
    int runStart = 0;
    int runEnd = 0;
    bool drawFirstCap = true;
    bool drawLastCap = true;
};

void BuildThreePartImage(const TBitmap& picture, const TRect& r, const TThreePart& p, bool horizontal, TBitmap& dest)
{
    const int along = horizontal ? r.Width() : r.Height();
    const int across = horizontal ? r.Height() : r.Width();
    auto oriented = [horizontal](int a0, int b0, int a1, int b1) {
        return horizontal ? Rect(a0, b0, a1, b1) : Rect(b0, a0, b1, a1);
    };
    if (horizontal) SetPictureSize(dest, p.length, across);
    else SetPictureSize(dest, across, p.length);
    TCellPainter paint(picture, r, dest);
    if (p.drawFirstCap && p.firstCap != 0)
        paint.Copy(oriented(0, 0, p.firstCap, across), oriented(0, 0, p.firstCap, across));
    TRect strip = oriented(p.firstCap, 0, along - p.lastCap, across);
    TRect run = oriented(p.runStart, 0, p.runEnd, across);
    if (horizontal) paint.TileAlongX(strip, run, false);
    else paint.TileAlongY(strip, run, false);
    if (p.drawLastCap && p.lastCap != 0)
        paint.Copy(oriented(along - p.lastCap, 0, along, across), oriented(p.length - p.lastCap, 0, p.length, across));
}

} // namespace

TSkinCut ResizeSkinCut(const TSkinCut& cut, TSize elementSize, TSize newSize)
{
    const int dw = newSize.cx - elementSize.cx;
    const int dh = newSize.cy - elementSize.cy;
    TSkinCut n;
    n.LeftTop = cut.LeftTop;
    n.RightTop = {cut.RightTop.x + dw, cut.RightTop.y};
    n.LeftBottom = {cut.LeftBottom.x, cut.LeftBottom.y + dh};
    n.RightBottom = {cut.RightBottom.x + dw, cut.RightBottom.y + dh};
    n.Client = {cut.Client.Left, cut.Client.Top, cut.Client.Right + dw, cut.Client.Bottom + dh};
    return n;
}

void BuildSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size, const TSkinCut& newCut,
                    bool fillClient, TBitmap& dest)
{
    BuildNineCellImage(source, rect, cut, size, newCut, fillClient, {}, TRightSide::Drawn, dest);
}

void BuildStretchSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                           const TSkinCut& newCut, bool fillClient, TEdgeStretch stretch, TBitmap& dest)
{
    BuildNineCellImage(source, rect, cut, size, newCut, fillClient, stretch, TRightSide::Drawn, dest);
}

void BuildLeftSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                        const TSkinCut& newCut, bool fillClient, TBitmap& dest)
{
    BuildNineCellImage(source, rect, cut, size, newCut, fillClient, {}, TRightSide::Open, dest);
}

void BuildHSkinImage(const TBitmap& source, const TRect& rect, int leftCap, int rightCap, int width, TBitmap& dest)
{
    TThreePart p{.firstCap = leftCap, .lastCap = rightCap, .length = width, .runStart = leftCap, .runEnd = width - rightCap};
    BuildThreePartImage(source, rect, p, true, dest);
}

void BuildHSkinImageOpenRight(const TBitmap& source, const TRect& rect, int leftCap, int rightCap, int width,
                              TBitmap& dest)
{
    TThreePart p{.firstCap = leftCap, .lastCap = rightCap, .length = width, .runStart = leftCap, .runEnd = width,
                 .drawLastCap = false};
    BuildThreePartImage(source, rect, p, true, dest);
}

void BuildHTiledImage(const TBitmap& source, const TRect& rect, int leftCap, int rightCap, int width, TBitmap& dest)
{
    // The strip covers the whole image: a scrolling tool bar shows no caps.
    TThreePart p{.firstCap = leftCap, .lastCap = rightCap, .length = width, .runStart = 0, .runEnd = width,
                 .drawFirstCap = false, .drawLastCap = false};
    BuildThreePartImage(source, rect, p, true, dest);
}

void BuildVSkinImage(const TBitmap& source, const TRect& rect, int topCap, int bottomCap, int height, TBitmap& dest)
{
    TThreePart p{.firstCap = topCap, .lastCap = bottomCap, .length = height, .runStart = topCap, .runEnd = height - bottomCap};
    BuildThreePartImage(source, rect, p, false, dest);
}

void BuildFrameParts(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                     const TSkinCut& newCut, TEdgeStretch stretch, TFrameParts& parts)
{
    const TSkinCut& c = cut;
    const TSkinCut& n = newCut;
    const int w = size.cx;
    const int rw = rect.Width();
    const int topHeight = n.Client.Top;
    const int bottomHeight = size.cy - n.Client.Bottom;
    const int bandHeight = size.cy - topHeight - bottomHeight;

    // Top and bottom parts take whole rows of the element: the top rows or the bottom ones.
    auto horizontalPart = [&](TBitmap& part, int sourceTop, int height, TPoint from, TPoint to, TPoint newFrom,
                              TPoint newTo, bool stretched) {
        if (w <= 0 || height <= 0 || to.x <= from.x) return;
        SetPictureSize(part, w, height);
        TCellPainter paint(source, Rect(rect.Left, rect.Top + sourceTop, rect.Right, rect.Top + sourceTop + height),
                           part);
        TRect strip = Rect(from.x, 0, to.x, height);
        if (stretched) paint.TileAlongX(strip, Rect(newFrom.x, 0, newTo.x, height), true);
        else paint.TileAlongX(strip, Rect(0, 0, w, height), false);
        paint.Copy(Rect(0, 0, from.x, height), Rect(0, 0, newFrom.x, height));
        paint.Copy(Rect(to.x, 0, rw, height), Rect(newTo.x, 0, w, height));
    };
    horizontalPart(parts.Top, 0, topHeight, c.LeftTop, c.RightTop, n.LeftTop, n.RightTop, stretch.Top);
    horizontalPart(parts.Bottom, rect.Height() - bottomHeight, bottomHeight, c.LeftBottom, c.RightBottom,
                   n.LeftBottom, n.RightBottom, stretch.Bottom);

    // Left and right parts fill the band between them; their corner cells are the pieces of
    // the side columns above the upper and below the lower corner point.
    auto verticalPart = [&](TBitmap& part, int sourceLeft, int width, TPoint from, TPoint to, bool stretched) {
        if (width <= 0 || bandHeight <= 0 || to.y <= from.y) return;
        SetPictureSize(part, width, bandHeight);
        TCellPainter paint(source, Rect(rect.Left + sourceLeft, rect.Top, rect.Left + sourceLeft + width, rect.Bottom),
                           part);
        TRect strip = Rect(0, from.y, width, to.y);
        if (stretched)
            paint.TileAlongY(strip, Rect(0, from.y - c.Client.Top, width, bandHeight + to.y - c.Client.Bottom), true);
        else paint.TileAlongY(strip, Rect(0, 0, width, bandHeight), false);
        if (from.y > c.Client.Top)
            paint.Copy(Rect(0, c.Client.Top, width, from.y), Rect(0, 0, width, from.y - c.Client.Top));
        if (c.Client.Bottom > to.y)
            paint.Copy(Rect(0, to.y, width, c.Client.Bottom),
                       Rect(0, bandHeight - (c.Client.Bottom - to.y), width, bandHeight));
    };
    verticalPart(parts.Left, 0, n.Client.Left, c.LeftTop, c.LeftBottom, stretch.Left);
    verticalPart(parts.Right, c.Client.Right, w - n.Client.Right, c.RightTop, c.RightBottom, stretch.Right);
}

} // namespace tavrik
