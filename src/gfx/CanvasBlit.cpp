#include "gfx/Canvas.h"

#include "gfx/PixelOps.h"
#include "gfx/Raster.h"
#include "gfx/SystemColors.h"

#include <algorithm>
#include <cstring>

namespace tavrik {

using raster::Normalized;

namespace {

uint32_t CombineCopy(uint32_t src, uint32_t dst, TCopyMode mode)
{
    switch (mode) {
    case TCopyMode::cmSrcCopy: return src;
    case TCopyMode::cmSrcInvert: return src ^ dst;
    case TCopyMode::cmSrcAnd: return src & dst;
    case TCopyMode::cmSrcPaint: return src | dst;
    case TCopyMode::cmNotSrcCopy: return ~src & pixels::kRgbMask;
    case TCopyMode::cmDstInvert: return ~dst & pixels::kRgbMask;
    case TCopyMode::cmBlackness: return 0;
    case TCopyMode::cmWhiteness: return pixels::kRgbMask;
    }
    return src;
}

bool ModeReadsTarget(TCopyMode mode)
{
    return mode == TCopyMode::cmSrcInvert || mode == TCopyMode::cmSrcAnd || mode == TCopyMode::cmSrcPaint ||
           mode == TCopyMode::cmDstInvert;
}

// Nearest-neighbour source index of target index i out of n, for a source run of length m
// starting at first: the source sample nearest to the centre of the target pixel.
int32_t SampleIndex(int64_t i, int64_t n, int64_t m, int32_t first, bool mirror)
{
    if (mirror) i = n - 1 - i;
    return first + int32_t((2 * i + 1) * m / (2 * n));
}

constexpr int32_t kSkip = -1;

} // namespace

struct TCanvas::TBlit {
    TRect dest; // device coordinates, reversed edges mirror
    const TBitmap* source = nullptr;
    TRect sourceRect; // reversed edges mirror too
    std::optional<uint32_t> key;
    bool alpha = false;
    TCopyMode mode = TCopyMode::cmSrcCopy;
};

namespace {

struct TBlitGeometry {
    TRect dest, source;
    bool mirrorX, mirrorY;

    bool Unscaled() const
    {
        return dest.Width() == source.Width() && dest.Height() == source.Height() && !mirrorX && !mirrorY;
    }
    int32_t SourceX(int32_t x) const { return SampleIndex(x - dest.Left, dest.Width(), source.Width(), source.Left, mirrorX); }
    int32_t SourceY(int32_t y) const { return SampleIndex(y - dest.Top, dest.Height(), source.Height(), source.Top, mirrorY); }
};

// Copies rows of one direct format into the same format, byte for byte.
void CopyRowsDirect(TBitmap& target, const TRect& piece, const TBitmap& source, TPoint sourceTopLeft)
{
    size_t bytes = size_t(pixels::WholeBytesPerPixel(target.PixelFormat()));
    size_t length = size_t(piece.Width()) * bytes;
    for (int y = piece.Top; y < piece.Bottom; ++y)
        std::memcpy(target.ScanLine(y) + size_t(piece.Left) * bytes,
                    source.ScanLine(sourceTopLeft.y + y - piece.Top) + size_t(sourceTopLeft.x) * bytes, length);
}

} // namespace

void TCanvas::Blit(const TBlit& blit)
{
    const TBitmap& source = *blit.source;
    TBlitGeometry g{Normalized(blit.dest), Normalized(blit.sourceRect),
                    (blit.dest.Right < blit.dest.Left) != (blit.sourceRect.Right < blit.sourceRect.Left),
                    (blit.dest.Bottom < blit.dest.Top) != (blit.sourceRect.Bottom < blit.sourceRect.Top)};
    if (g.dest.IsEmpty() || g.source.IsEmpty() || source.Empty()) return;
    TRect sourceBounds{0, 0, source.Width(), source.Height()};
    TCopyMode mode = blit.mode;
    bool direct = !blit.key && !blit.alpha && mode == TCopyMode::cmSrcCopy && g.Unscaled() &&
                  source.PixelFormat() == target_->PixelFormat() && pixels::IsDirect(source.PixelFormat());
    if (direct) {
        // Only the part of the target whose source pixels exist is drawn.
        TRect reachable = IntersectRect(g.dest, sourceBounds.Offset(g.dest.Left - g.source.Left, g.dest.Top - g.source.Top));
        ForEachVisible(reachable, [&](const TRect& piece) {
            CopyRowsDirect(*target_, piece, source,
                           {g.source.Left + piece.Left - g.dest.Left, g.source.Top + piece.Top - g.dest.Top});
        });
        return;
    }

    pixels::TPaletteLut lut{}, targetLut{};
    if (IsPaletted(source.PixelFormat())) lut = pixels::PaletteLut(source);
    if (IsPaletted(target_->PixelFormat())) targetLut = pixels::PaletteLut(*target_);
    bool readsTarget = ModeReadsTarget(mode) || blit.key || blit.alpha;
    std::vector<int32_t> columns;
    std::vector<uint32_t> sourceRow, out, targetRow;
    ForEachVisible(g.dest, [&](const TRect& piece) {
        int width = piece.Width();
        columns.resize(size_t(width));
        int32_t lo = INT32_MAX, hi = INT32_MIN;
        for (int i = 0; i < width; ++i) {
            int32_t sx = g.SourceX(piece.Left + i);
            columns[size_t(i)] = sourceBounds.Contains(TPoint{sx, 0}) ? sx : kSkip;
            if (sx >= 0 && sx < source.Width()) lo = std::min(lo, sx), hi = std::max(hi, sx);
        }
        if (lo > hi) return;
        sourceRow.resize(size_t(hi - lo + 1));
        out.resize(size_t(width));
        targetRow.resize(size_t(width));
        int32_t previousSy = kSkip;
        for (int y = piece.Top; y < piece.Bottom; ++y) {
            int32_t sy = g.SourceY(y);
            if (sy < 0 || sy >= source.Height()) continue;
            if (sy != previousSy || readsTarget) {
                pixels::ReadRow(source, sy, lo, hi + 1, sourceRow.data(), &lut);
                if (readsTarget) pixels::ReadRow(*target_, y, piece.Left, piece.Right, targetRow.data(), &targetLut);
                const uint8_t* raw = source.ScanLine(sy);
                for (int i = 0; i < width; ++i) {
                    int32_t sx = columns[size_t(i)];
                    uint32_t d = readsTarget ? targetRow[size_t(i)] : 0;
                    if (sx == kSkip) {
                        out[size_t(i)] = d;
                        continue;
                    }
                    uint32_t s = sourceRow[size_t(sx - lo)];
                    if (blit.key && s == *blit.key) out[size_t(i)] = d;
                    else if (blit.alpha) out[size_t(i)] = pixels::Blend(d, s, raw[4 * sx + 3]);
                    else out[size_t(i)] = CombineCopy(s, d, mode);
                }
                previousSy = sy;
            }
            pixels::WriteRow(*target_, y, piece.Left, piece.Right, out.data());
        }
    });
}

void TCanvas::Draw(int x, int y, const TBitmap& source)
{
    CopyRect(Bounds(x, y, source.Width(), source.Height()), source, {0, 0, source.Width(), source.Height()});
}

void TCanvas::StretchDraw(const TRect& rect, const TBitmap& source)
{
    CopyRect(rect, source, {0, 0, source.Width(), source.Height()});
}

void TCanvas::CopyRect(const TRect& rect, const TBitmap& source, const TRect& sourceRect)
{
    TBlit blit;
    blit.dest = ToDevice(rect);
    blit.source = &source;
    blit.sourceRect = sourceRect;
    blit.mode = state_.copyMode;
    if (&source != target_) {
        Blit(blit);
        return;
    }
    // Copying within one bitmap (scrolling) must read the pixels as they were before.
    TRect area = IntersectRect(Normalized(sourceRect), {0, 0, source.Width(), source.Height()});
    TBitmap copy(area.Width(), area.Height(), source.PixelFormat());
    copy.SetPalette(source.Palette());
    if (!area.IsEmpty()) TCanvas(copy).CopyRect({0, 0, area.Width(), area.Height()}, source, area);
    blit.source = &copy;
    blit.sourceRect = sourceRect.Offset(-area.Left, -area.Top);
    Blit(blit);
}

void TCanvas::CopyRect(const TRect& rect, const TCanvas& source, const TRect& sourceRect)
{
    CopyRect(rect, source.Target(), sourceRect.Offset(source.Origin().x, source.Origin().y));
}

void TCanvas::DrawTransparent(int x, int y, const TBitmap& source, TColor key)
{
    CopyRectTransparent(Bounds(x, y, source.Width(), source.Height()), source, {0, 0, source.Width(), source.Height()},
                        key);
}

void TCanvas::StretchDrawTransparent(const TRect& rect, const TBitmap& source, TColor key)
{
    CopyRectTransparent(rect, source, {0, 0, source.Width(), source.Height()}, key);
}

void TCanvas::CopyRectTransparent(const TRect& rect, const TBitmap& source, const TRect& sourceRect, TColor key)
{
    TBlit blit;
    blit.dest = ToDevice(rect);
    blit.source = &source;
    blit.sourceRect = sourceRect;
    blit.key = pixels::FromColor(ColorToRGB(key));
    Blit(blit);
}

TColor TCanvas::TransparentColorOf(const TBitmap& bitmap)
{
    return bitmap.Empty() ? clNone : bitmap.GetPixel(0, bitmap.Height() - 1);
}

void TCanvas::DrawAlpha(int x, int y, const TBitmap& source)
{
    if (source.PixelFormat() != TPixelFormat::pf32bit) {
        Draw(x, y, source);
        return;
    }
    TBlit blit;
    blit.dest = ToDevice(Bounds(x, y, source.Width(), source.Height()));
    blit.source = &source;
    blit.sourceRect = {0, 0, source.Width(), source.Height()};
    blit.alpha = true;
    Blit(blit);
}

} // namespace tavrik
