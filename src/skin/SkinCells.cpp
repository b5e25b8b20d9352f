#include "skin/SkinCells.h"

namespace tavrik {

namespace {

constexpr TAxisFit FitFor(bool stretch) { return stretch ? TAxisFit::Scale : TAxisFit::Tile; }

// Collects the cells of a layout by what they do to the element.
class TCellList {
public:
    // Cells relative to the element's top-left corner are moved by offset.
    explicit TCellList(TSkinCells& cells, TPoint offset = {}) : cells_(cells), offset_(offset) {}

    void Copy(const TRect& source, const TRect& dest) { Add(source, dest, TAxisFit::Scale, TAxisFit::Scale); }
    void AlongX(const TRect& strip, const TRect& dest, TAxisFit fit) { Add(strip, dest, fit, TAxisFit::Scale); }
    void AlongY(const TRect& strip, const TRect& dest, TAxisFit fit) { Add(strip, dest, TAxisFit::Scale, fit); }
    void TileBoth(const TRect& source, const TRect& dest) { Add(source, dest, TAxisFit::Tile, TAxisFit::Tile); }

private:
    void Add(const TRect& source, const TRect& dest, TAxisFit fitX, TAxisFit fitY)
    {
        AddCell(cells_, source.Offset(offset_.x, offset_.y), dest, fitX, fitY);
    }

    TSkinCells& cells_;
    TPoint offset_;
};

} // namespace

void AddCell(TSkinCells& cells, const TRect& source, const TRect& dest, TAxisFit fitX, TAxisFit fitY)
{
    auto hasArea = [](const TRect& r) { return r.Right > r.Left && r.Bottom > r.Top; };
    if (hasArea(source) && hasArea(dest)) cells.push_back({source, dest, fitX, fitY});
}

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

TSkinCells NineCellLayout(const TSkinCut& c, TSize elementSize, const TSkinCut& n, TSize size,
                          const TNineCellStyle& style)
{
    TSkinCells cells;
    if (c.RightBottom.x == c.LeftTop.x || c.RightBottom.y == c.LeftTop.y) return cells;
    TCellList add(cells);
    const int w = size.cx;
    const int h = size.cy;
    const int ew = elementSize.cx;
    const int eh = elementSize.cy;
    const bool open = style.OpenRight;
    const TEdgeStretch& stretch = style.Stretch;

    add.AlongX(Rect(c.LeftTop.x, 0, c.RightTop.x, c.Client.Top), Rect(n.LeftTop.x, 0, open ? w : n.RightTop.x, n.Client.Top),
               FitFor(stretch.Top));
    add.AlongX(Rect(c.LeftBottom.x, c.Client.Bottom, c.RightBottom.x, eh),
               Rect(n.LeftBottom.x, n.Client.Bottom, open ? w : n.RightBottom.x, h), FitFor(stretch.Bottom));
    // The left edge is as wide as the new client's left, which the new cut keeps.
    add.AlongY(Rect(0, c.LeftTop.y, n.Client.Left, c.LeftBottom.y), Rect(0, n.LeftTop.y, n.Client.Left, n.LeftBottom.y),
               FitFor(stretch.Left));
    if (!open)
        add.AlongY(Rect(c.Client.Right, c.RightTop.y, ew, c.RightBottom.y),
                   Rect(n.Client.Right, n.RightTop.y, w, n.RightBottom.y), FitFor(stretch.Right));

    add.Copy(Rect(0, 0, c.LeftTop.x, c.Client.Top), Rect(0, 0, n.LeftTop.x, n.Client.Top));
    add.Copy(Rect(0, c.Client.Top, c.Client.Left, c.LeftTop.y), Rect(0, n.Client.Top, n.Client.Left, n.LeftTop.y));
    add.Copy(Rect(0, c.LeftBottom.y, c.Client.Left, eh), Rect(0, n.LeftBottom.y, n.Client.Left, h));
    add.Copy(Rect(c.Client.Left, c.Client.Bottom, c.LeftBottom.x, eh),
             Rect(n.Client.Left, n.Client.Bottom, n.LeftBottom.x, h));
    if (!open) {
        add.Copy(Rect(c.RightTop.x, 0, ew, c.Client.Top), Rect(n.RightTop.x, 0, w, n.Client.Top));
        add.Copy(Rect(c.Client.Right, c.Client.Top, ew, c.RightTop.y), Rect(n.Client.Right, n.Client.Top, w, n.RightTop.y));
        add.Copy(Rect(c.RightBottom.x, c.Client.Bottom, ew, eh), Rect(n.RightBottom.x, n.Client.Bottom, w, h));
        add.Copy(Rect(c.Client.Right, c.RightBottom.y, ew, c.Client.Bottom),
                 Rect(n.Client.Right, n.RightBottom.y, w, n.Client.Bottom));
    }

    if (style.Client == TClientFill::Tile)
        add.TileBoth(c.Client, Rect(n.Client.Left, n.Client.Top, open ? w : n.Client.Right, n.Client.Bottom));
    return cells;
}

TSkinCells ThreePartLayout(TSize elementSize, const TThreePart& p)
{
    TSkinCells cells;
    TCellList add(cells);
    const int along = p.Horizontal ? elementSize.cx : elementSize.cy;
    const int across = p.Horizontal ? elementSize.cy : elementSize.cx;
    auto oriented = [&p](int a0, int b0, int a1, int b1) {
        return p.Horizontal ? Rect(a0, b0, a1, b1) : Rect(b0, a0, b1, a1);
    };
    if (p.DrawFirstCap) add.Copy(oriented(0, 0, p.FirstCap, across), oriented(0, 0, p.FirstCap, across));
    TRect strip = oriented(p.FirstCap, 0, along - p.LastCap, across);
    TRect run = oriented(p.RunStart, 0, p.RunEnd, across);
    if (p.Horizontal) add.AlongX(strip, run, TAxisFit::Tile);
    else add.AlongY(strip, run, TAxisFit::Tile);
    if (p.DrawLastCap)
        add.Copy(oriented(along - p.LastCap, 0, along, across), oriented(p.Length - p.LastCap, 0, p.Length, across));
    return cells;
}

TFrameLayout FrameLayout(const TSkinCut& c, TSize elementSize, const TSkinCut& n, TSize size, TEdgeStretch stretch)
{
    TFrameLayout layout;
    const int w = size.cx;
    const int ew = elementSize.cx;
    const int topHeight = n.Client.Top;
    const int bottomHeight = size.cy - n.Client.Bottom;
    const int bandHeight = size.cy - topHeight - bottomHeight;

    // Top and bottom bands take whole rows of the element: its top rows or its bottom ones.
    auto across = [&](TFramePartLayout& part, int sourceTop, int height, TPoint from, TPoint to, TPoint newFrom,
                      TPoint newTo, bool stretched) {
        if (w <= 0 || height <= 0 || to.x <= from.x) return;
        part = {{w, height}, {}, true};
        TCellList add(part.Cells, {0, sourceTop});
        TRect strip = Rect(from.x, 0, to.x, height);
        if (stretched) add.AlongX(strip, Rect(newFrom.x, 0, newTo.x, height), TAxisFit::Scale);
        else add.AlongX(strip, Rect(0, 0, w, height), TAxisFit::Tile);
        add.Copy(Rect(0, 0, from.x, height), Rect(0, 0, newFrom.x, height));
        add.Copy(Rect(to.x, 0, ew, height), Rect(newTo.x, 0, w, height));
    };
    across(layout.Top, 0, topHeight, c.LeftTop, c.RightTop, n.LeftTop, n.RightTop, stretch.Top);
    across(layout.Bottom, elementSize.cy - bottomHeight, bottomHeight, c.LeftBottom, c.RightBottom, n.LeftBottom,
           n.RightBottom, stretch.Bottom);

    // Side bands fill the height between them; their corner cells are the pieces of the
    // side columns above the upper and below the lower corner point.
    auto side = [&](TFramePartLayout& part, int sourceLeft, int width, TPoint from, TPoint to, bool stretched) {
        if (width <= 0 || bandHeight <= 0 || to.y <= from.y) return;
        part = {{width, bandHeight}, {}, true};
        TCellList add(part.Cells, {sourceLeft, 0});
        TRect strip = Rect(0, from.y, width, to.y);
        if (stretched)
            add.AlongY(strip, Rect(0, from.y - c.Client.Top, width, bandHeight + to.y - c.Client.Bottom), TAxisFit::Scale);
        else add.AlongY(strip, Rect(0, 0, width, bandHeight), TAxisFit::Tile);
        add.Copy(Rect(0, c.Client.Top, width, from.y), Rect(0, 0, width, from.y - c.Client.Top));
        add.Copy(Rect(0, to.y, width, c.Client.Bottom), Rect(0, bandHeight - (c.Client.Bottom - to.y), width, bandHeight));
    };
    side(layout.Left, 0, n.Client.Left, c.LeftTop, c.LeftBottom, stretch.Left);
    side(layout.Right, c.Client.Right, w - n.Client.Right, c.RightTop, c.RightBottom, stretch.Right);
    return layout;
}

} // namespace tavrik
