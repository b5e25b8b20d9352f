#include "skin/SkinRegions.h"

#include "skin/PixelCells.h"

namespace tavrik {

namespace {

void PutInt32(uint8_t*& out, int32_t v)
{
    uint32_t u = uint32_t(v);
    for (int i = 0; i < 4; ++i) *out++ = uint8_t(u >> (8 * i));
}

void PutRect(uint8_t*& out, const TRect& r)
{
    PutInt32(out, r.Left);
    PutInt32(out, r.Top);
    PutInt32(out, r.Right);
    PutInt32(out, r.Bottom);
}

bool IsBlack(const uint8_t* pixel) { return (pixel[0] | pixel[1] | pixel[2]) == 0; }

TBitmap WhiteBitmap(int width, int height)
{
    TBitmap b(width, height);
    b.Fill(clWhite);
    return b;
}

} // namespace

std::vector<TRect> MaskRuns(const TBitmap& mask, int offsetX, int offsetY)
{
    std::vector<TRect> runs;
    TBitmap converted;
    const TBitmap& pixels = AsPictureBuffer(mask, converted);
    const int w = pixels.Width();
    for (int y = 0; y < pixels.Height(); ++y) {
        const uint8_t* row = pixels.ScanLine(y);
        int x = 0;
        while (x < w) {
            while (x < w && !IsBlack(row + 3 * size_t(x))) ++x;
            if (x == w) break;
            const int start = x;
            while (x < w && IsBlack(row + 3 * size_t(x))) ++x;
            runs.push_back({start + offsetX, y + offsetY, x + offsetX, y + offsetY + 1});
        }
    }
    return runs;
}

std::vector<uint8_t> RegionDataFromMask(const TBitmap& mask, int offsetX, int offsetY)
{
    if (mask.Empty()) return {};
    std::vector<TRect> runs = MaskRuns(mask, offsetX, offsetY);
    std::vector<uint8_t> data(kRegionDataHeaderSize + 16 * runs.size());
    uint8_t* out = data.data();
    PutInt32(out, int32_t(kRegionDataHeaderSize));
    PutInt32(out, 1);
    PutInt32(out, int32_t(runs.size()));
    PutInt32(out, 0);
    PutRect(out, Bounds(offsetX, offsetY, mask.Width(), mask.Height()));
    for (const TRect& r : runs) PutRect(out, r);
    return data;
}

TFrameParts BuildMaskFrameParts(const TBitmap& mask, const TSkinCut& cut, int newWidth, const TSkinCut& newCut)
{
    TFrameParts parts;
    TBitmap converted;
    const TBitmap& m = AsPictureBuffer(mask, converted);
    const int mw = m.Width();
    const int mh = m.Height();
    const TRect& c = cut.Client;
    const int bandHeight = newCut.Client.Height();

    // Side bands: a strip of rows tiled from the band's top, the cells between the client's
    // edges and the corner points over its ends.
    auto side = [&](TBitmap& part, int left, int right, TPoint upper, TPoint lower) {
        const int width = right - left;
        if (width <= 0 || bandHeight <= 0) return;
        part = WhiteBitmap(width, bandHeight);
        BlitCell(part, Rect(0, 0, width, bandHeight), m, Rect(left, upper.y, right, lower.y), TAxisFit::Scale,
                 TAxisFit::Tile);
        if (upper.y > c.Top) BlitCell(part, Rect(0, 0, width, upper.y - c.Top), m, Rect(left, c.Top, right, upper.y));
        if (c.Bottom > lower.y)
            BlitCell(part, Rect(0, bandHeight - (c.Bottom - lower.y), width, bandHeight), m,
                     Rect(left, lower.y, right, c.Bottom));
    };
    side(parts.Left, 0, c.Left, cut.LeftTop, cut.LeftBottom);
    side(parts.Right, c.Right, mw, cut.RightTop, cut.RightBottom);

    // Top and bottom bands: the strip between the corner points tiled from the new left
    // point, the corner cells copied at both ends.
    auto across = [&](TBitmap& part, int top, int bottom, TPoint from, TPoint to, TPoint newFrom, TPoint newTo) {
        const int height = bottom - top;
        if (newWidth <= 0 || height <= 0) return;
        part = WhiteBitmap(newWidth, height);
        BlitCell(part, Rect(newFrom.x, 0, newTo.x, height), m, Rect(from.x, top, to.x, bottom), TAxisFit::Tile,
                 TAxisFit::Scale);
        BlitCell(part, Rect(0, 0, from.x, height), m, Rect(0, top, from.x, bottom));
        BlitCell(part, Rect(newTo.x, 0, newTo.x + mw - to.x, height), m, Rect(to.x, top, mw, bottom));
    };
    across(parts.Top, 0, c.Top, cut.LeftTop, cut.RightTop, newCut.LeftTop, newCut.RightTop);
    across(parts.Bottom, c.Bottom, mh, cut.LeftBottom, cut.RightBottom, newCut.LeftBottom, newCut.RightBottom);
    return parts;
}

} // namespace tavrik
