#include "skin/SkinImageBuilders.h"

#include "skin/PixelCells.h"

namespace tavrik {

namespace {

TPoint TopLeft(const TRect& r) { return {r.Left, r.Top}; }

void BuildNineCellImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                        const TSkinCut& newCut, const TNineCellStyle& style, TBitmap& dest)
{
    SetPictureSize(dest, size.cx, size.cy);
    DrawCells(dest, source, TopLeft(rect), NineCellLayout(cut, {rect.Width(), rect.Height()}, newCut, size, style));
}

void BuildThreePartImage(const TBitmap& source, const TRect& rect, const TThreePart& part, TBitmap& dest)
{
    const int across = part.Horizontal ? rect.Height() : rect.Width();
    if (part.Horizontal) SetPictureSize(dest, part.Length, across);
    else SetPictureSize(dest, across, part.Length);
    DrawCells(dest, source, TopLeft(rect), ThreePartLayout({rect.Width(), rect.Height()}, part));
}

} // namespace

void BuildSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size, const TSkinCut& newCut,
                    TClientFill client, TBitmap& dest)
{
    BuildNineCellImage(source, rect, cut, size, newCut, {.Client = client}, dest);
}

void BuildStretchSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                           const TSkinCut& newCut, TClientFill client, TEdgeStretch stretch, TBitmap& dest)
{
    BuildNineCellImage(source, rect, cut, size, newCut, {.Client = client, .Stretch = stretch}, dest);
}

void BuildLeftSkinImage(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                        const TSkinCut& newCut, TClientFill client, TBitmap& dest)
{
    BuildNineCellImage(source, rect, cut, size, newCut, {.Client = client, .OpenRight = true}, dest);
}

void BuildHSkinImage(const TBitmap& source, const TRect& rect, int leftCap, int rightCap, int width, TBitmap& dest)
{
    BuildThreePartImage(source, rect,
                        {.FirstCap = leftCap, .LastCap = rightCap, .Length = width, .RunStart = leftCap,
                         .RunEnd = width - rightCap},
                        dest);
}

void BuildHSkinImageOpenRight(const TBitmap& source, const TRect& rect, int leftCap, int rightCap, int width,
                              TBitmap& dest)
{
    BuildThreePartImage(source, rect,
                        {.FirstCap = leftCap, .LastCap = rightCap, .Length = width, .RunStart = leftCap, .RunEnd = width,
                         .DrawLastCap = false},
                        dest);
}

void BuildHTiledImage(const TBitmap& source, const TRect& rect, int leftCap, int rightCap, int width, TBitmap& dest)
{
    // The strip covers the whole image: a scrolling tool bar shows no caps.
    BuildThreePartImage(source, rect,
                        {.FirstCap = leftCap, .LastCap = rightCap, .Length = width, .RunStart = 0, .RunEnd = width,
                         .DrawFirstCap = false, .DrawLastCap = false},
                        dest);
}

void BuildVSkinImage(const TBitmap& source, const TRect& rect, int topCap, int bottomCap, int height, TBitmap& dest)
{
    BuildThreePartImage(source, rect,
                        {.FirstCap = topCap, .LastCap = bottomCap, .Length = height, .RunStart = topCap,
                         .RunEnd = height - bottomCap, .Horizontal = false},
                        dest);
}

void BuildFrameParts(const TBitmap& source, const TRect& rect, const TSkinCut& cut, TSize size,
                     const TSkinCut& newCut, TEdgeStretch stretch, TFrameParts& parts)
{
    TFrameLayout layout = FrameLayout(cut, {rect.Width(), rect.Height()}, newCut, size, stretch);
    auto build = [&](const TFramePartLayout& part, TBitmap& bitmap) {
        if (!part.Made) return;
        SetPictureSize(bitmap, part.Size.cx, part.Size.cy);
        DrawCells(bitmap, source, TopLeft(rect), part.Cells);
    };
    build(layout.Top, parts.Top);
    build(layout.Bottom, parts.Bottom);
    build(layout.Left, parts.Left);
    build(layout.Right, parts.Right);
}

} // namespace tavrik
