#include "skin/SkinRegions.h"

#include "gfx/PixelOps.h"
#include "skin/PixelCells.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tavrik {

namespace {

// Writes the values as 4 little-endian bytes each at offset; returns the offset after them.
template <size_t N>
size_t PutInt32s(std::vector<uint8_t>& out, size_t offset, const std::array<int32_t, N>& values)
{
    std::array<uint8_t, 4 * N> bytes;
    for (size_t i = 0; i < 4 * N; ++i) bytes[i] = uint8_t(uint32_t(values[i / 4]) >> (8 * (i % 4)));
    std::copy(bytes.begin(), bytes.end(), out.begin() + ptrdiff_t(offset));
    return offset + bytes.size();
}

size_t PutRect(std::vector<uint8_t>& out, size_t offset, const TRect& r)
{
    return PutInt32s<4>(out, offset, {r.Left, r.Top, r.Right, r.Bottom});
}

bool IsBlack(const uint8_t* pixel) { return (pixel[0] | pixel[1] | pixel[2]) == 0; }

// Whether the four pixels from pixel on are all black, read as two words.
bool FourBlack(const uint8_t* pixel)
{
    uint64_t first;
    uint32_t rest;
    std::memcpy(&first, pixel, 8);
    std::memcpy(&rest, pixel + 8, 4);
    return (first | rest) == 0;
}

TBitmap WhiteBitmap(int width, int height)
{
    TBitmap b(width, height);
    b.Fill(clWhite);
    return b;
}

// Calls found(x0, x1, y) for every maximal run of black pixels of a 24-bit mask.
template <typename Found>
void ForEachRun24(const TBitmap& mask, Found found)
{
    const int w = mask.Width();
    for (int y = 0; y < mask.Height(); ++y) {
        const uint8_t* row = mask.ScanLine(y);
        int x = 0;
        while (x < w) {
            while (x < w && !IsBlack(row + 3 * size_t(x))) ++x;
            if (x == w) break;
            const int start = x;
            // Masks are mostly black: long runs are crossed four pixels at a time.
            while (x + 4 <= w && FourBlack(row + 3 * size_t(x))) x += 4;
            while (x < w && IsBlack(row + 3 * size_t(x))) ++x;
            found(start, x, y);
        }
    }
}

// The same for a mask of any pixel format.
template <typename Found>
void ForEachRun(const TBitmap& mask, Found found)
{
    if (mask.PixelFormat() == TPixelFormat::pf24bit) {
        ForEachRun24(mask, found);
        return;
    }
    pixels::TPaletteLut lut{};
    if (IsPaletted(mask.PixelFormat())) lut = pixels::PaletteLut(mask);
    const int w = mask.Width();
    std::vector<uint32_t> row(size_t(std::max(w, 0)));
    for (int y = 0; y < mask.Height(); ++y) {
        pixels::ReadRow(mask, y, 0, w, row.data(), &lut);
        int x = 0;
        while (x < w) {
            while (x < w && row[size_t(x)] != 0) ++x;
            if (x == w) break;
            const int start = x;
            while (x < w && row[size_t(x)] == 0) ++x;
            found(start, x, y);
        }
    }
}

// Collects runs row by row, left to right, joining a row to the band above when its runs
// cover the same columns. Window masks repeat most rows, so the list a region is built
// from stays orders of magnitude shorter than the runs.
class TBandCollector {
public:
    void Add(const TRect& run)
    {
        if (rowStart_ < rects_.size() && rects_[rowStart_].Top != run.Top) FinishRow();
        rects_.push_back(run);
    }

    std::vector<TRect> Take()
    {
        FinishRow();
        return std::move(rects_);
    }

private:
    void FinishRow()
    {
        const size_t bandSize = rowStart_ - bandStart_;
        bool joins = bandSize > 0 && bandSize == rects_.size() - rowStart_ &&
                     rects_[bandStart_].Bottom == rects_[rowStart_].Top;
        for (size_t j = 0; joins && j < bandSize; ++j)
            joins = rects_[bandStart_ + j].Left == rects_[rowStart_ + j].Left &&
                    rects_[bandStart_ + j].Right == rects_[rowStart_ + j].Right;
        if (joins) {
            for (size_t j = 0; j < bandSize; ++j) rects_[bandStart_ + j].Bottom = rects_[rowStart_].Bottom;
            rects_.resize(rowStart_);
        } else {
            bandStart_ = rowStart_;
            rowStart_ = rects_.size();
        }
    }

    std::vector<TRect> rects_;
    size_t bandStart_ = 0;
    size_t rowStart_ = 0;
};

// The mask's runs at the offset, rows of equal runs joined.
std::vector<TRect> MaskBands(const TBitmap& mask, int offsetX, int offsetY)
{
    TBandCollector bands;
    ForEachRun(mask, [&](int x0, int x1, int y) {
        bands.Add({x0 + offsetX, y + offsetY, x1 + offsetX, y + offsetY + 1});
    });
    return bands.Take();
}

} // namespace

std::vector<TRect> MaskRuns(const TBitmap& mask, int offsetX, int offsetY)
{
    std::vector<TRect> runs;
    ForEachRun(mask, [&](int x0, int x1, int y) {
        runs.push_back({x0 + offsetX, y + offsetY, x1 + offsetX, y + offsetY + 1});
    });
    return runs;
}

std::vector<uint8_t> RegionDataFromMask(const TBitmap& mask, int offsetX, int offsetY)
{
    if (mask.Empty()) return {};
    // Counting first sizes the list once: a shape of many runs makes a list of megabytes.
    size_t count = 0;
    ForEachRun(mask, [&](int, int, int) { ++count; });
    std::vector<uint8_t> data(kRegionDataHeaderSize + 16 * count);
    size_t at = PutInt32s<4>(data, 0, {int32_t(kRegionDataHeaderSize), 1, int32_t(count), 0});
    at = PutRect(data, at, Bounds(offsetX, offsetY, mask.Width(), mask.Height()));
    ForEachRun(mask, [&](int x0, int x1, int y) {
        at = PutRect(data, at, {x0 + offsetX, y + offsetY, x1 + offsetX, y + offsetY + 1});
    });
    return data;
}

TFrameParts BuildMaskFrameParts(const TBitmap& mask, const TSkinCut& cut, int newWidth, const TSkinCut& newCut)
{
    TFrameParts parts;
    const int mw = mask.Width();
    const int mh = mask.Height();
    const TRect& c = cut.Client;
    const int bandHeight = newCut.Client.Height();

    // Side bands: a strip of rows tiled from the band's top, the cells between the client's
    // edges and the corner points over its ends.
    auto side = [&](TBitmap& part, int left, int right, TPoint upper, TPoint lower) {
        const int width = right - left;
        if (width <= 0 || bandHeight <= 0) return;
        TSkinCells cells;
        AddCell(cells, Rect(left, upper.y, right, lower.y), Rect(0, 0, width, bandHeight), TAxisFit::Scale,
                TAxisFit::Tile);
        AddCell(cells, Rect(left, c.Top, right, upper.y), Rect(0, 0, width, upper.y - c.Top));
        AddCell(cells, Rect(left, lower.y, right, c.Bottom), Rect(0, bandHeight - (c.Bottom - lower.y), width, bandHeight));
        part = WhiteBitmap(width, bandHeight);
        DrawCells(part, mask, {0, 0}, cells);
    };
    side(parts.Left, 0, c.Left, cut.LeftTop, cut.LeftBottom);
    side(parts.Right, c.Right, mw, cut.RightTop, cut.RightBottom);

    // Top and bottom bands: the strip between the corner points tiled from the new left
    // point, the corner cells copied at both ends.
    auto across = [&](TBitmap& part, int top, int bottom, TPoint from, TPoint to, TPoint newFrom, TPoint newTo) {
        const int height = bottom - top;
        if (newWidth <= 0 || height <= 0) return;
        TSkinCells cells;
        AddCell(cells, Rect(from.x, top, to.x, bottom), Rect(newFrom.x, 0, newTo.x, height), TAxisFit::Tile,
                TAxisFit::Scale);
        AddCell(cells, Rect(0, top, from.x, bottom), Rect(0, 0, from.x, height));
        AddCell(cells, Rect(to.x, top, mw, bottom), Rect(newTo.x, 0, newTo.x + mw - to.x, height));
        part = WhiteBitmap(newWidth, height);
        DrawCells(part, mask, {0, 0}, cells);
    };
    across(parts.Top, 0, c.Top, cut.LeftTop, cut.RightTop, newCut.LeftTop, newCut.RightTop);
    across(parts.Bottom, c.Bottom, mh, cut.LeftBottom, cut.RightBottom, newCut.LeftBottom, newCut.RightBottom);
    return parts;
}

std::optional<TRegion> RegionFromMask(const TBitmap& mask)
{
    if (mask.Empty()) return std::nullopt;
    return TRegion::FromRects(MaskBands(mask, 0, 0));
}

std::optional<TRegion> FrameRegionFromMask(const TBitmap& mask, const TSkinCut& cut, int newWidth,
                                           const TSkinCut& newCut)
{
    if (newCut.RightTop.x < newCut.LeftTop.x || newCut.LeftBottom.y < newCut.LeftTop.y) return std::nullopt;
    return RegionOfMaskParts(BuildMaskFrameParts(mask, cut, newWidth, newCut), newCut.Client);
}

std::optional<TRegion> RegionOfMaskParts(const TFrameParts& parts, const TRect& client)
{
    std::vector<TRect> shape;
    bool any = !client.IsEmpty();
    if (any) shape.push_back(client);
    auto add = [&](const TBitmap& part, int x, int y) {
        if (part.Empty()) return;
        any = true;
        std::vector<TRect> runs = MaskBands(part, x, y);
        shape.insert(shape.end(), runs.begin(), runs.end());
    };
    add(parts.Top, 0, 0);
    add(parts.Bottom, 0, client.Bottom);
    add(parts.Left, 0, client.Top);
    add(parts.Right, client.Right, client.Top);
    if (!any) return std::nullopt;
    return TRegion::FromRects(shape);
}

} // namespace tavrik
