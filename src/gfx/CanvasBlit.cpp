#include "gfx/Canvas.h"

#include "gfx/PixelOps.h"
#include "gfx/Raster.h"
#include "gfx/SystemColors.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <functional>

namespace tavrik {

using raster::Normalized;

namespace {

// Nearest-neighbour source index of target index i out of n, for a source run of length m
// starting at first: the source sample nearest to the centre of the target pixel.
int32_t SampleIndex(int64_t i, int64_t n, int64_t m, int32_t first, bool mirror)
{
    if (mirror) i = n - 1 - i;
    return first + int32_t((2 * i + 1) * m / (2 * n));
}

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

// How one row of source pixels lands on the target row; each case is its own loop so that
// the plain copy stays a straight conversion. Keyed rows are written run by run instead.
struct TRowMixer {
    TCopyMode mode;
    std::optional<uint32_t> key;
    bool alpha;

    bool ReadsTarget() const
    {
        return alpha || mode == TCopyMode::cmSrcInvert || mode == TCopyMode::cmSrcAnd ||
               mode == TCopyMode::cmSrcPaint || mode == TCopyMode::cmDstInvert;
    }

    // out holds the source pixels and receives the result; target the pixels there before.
    // alphas (alpha mixing only) has the source's fourth bytes, 4 bytes apart.
    void Mix(uint32_t* out, const uint32_t* target, int n, const uint8_t* alphas) const
    {
        constexpr uint32_t mask = pixels::kRgbMask;
        if (alpha) {
            for (int i = 0; i < n; ++i) out[i] = pixels::Blend(target[i], out[i], alphas[4 * i]);
            return;
        }
        switch (mode) {
        case TCopyMode::cmSrcCopy: return;
        case TCopyMode::cmSrcInvert: for (int i = 0; i < n; ++i) out[i] ^= target[i]; return;
        case TCopyMode::cmSrcAnd: for (int i = 0; i < n; ++i) out[i] &= target[i]; return;
        case TCopyMode::cmSrcPaint: for (int i = 0; i < n; ++i) out[i] |= target[i]; return;
        case TCopyMode::cmNotSrcCopy: for (int i = 0; i < n; ++i) out[i] = ~out[i] & mask; return;
        case TCopyMode::cmDstInvert: for (int i = 0; i < n; ++i) out[i] = ~target[i] & mask; return;
        case TCopyMode::cmBlackness: std::fill_n(out, n, 0u); return;
        case TCopyMode::cmWhiteness: std::fill_n(out, n, mask); return;
        }
    }
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

// The target columns (or rows) from first to last whose samples fall inside the source;
// the mapping is monotonic, so they are one run.
std::pair<int32_t, int32_t> SampledRun(int32_t first, int32_t last, int32_t sourceSize,
                                       const std::function<int32_t(int32_t)>& sample)
{
    auto inside = [&](int32_t t) {
        int32_t s = sample(t);
        return s >= 0 && s < sourceSize;
    };
    while (first < last && !inside(first)) ++first;
    while (last > first && !inside(last - 1)) --last;
    return {first, last};
}

} // namespace

void TCanvas::Blit(const TBlit& blit)
{
    const TBitmap& source = *blit.source;
    TBlitGeometry g{Normalized(blit.dest), Normalized(blit.sourceRect),
                    (blit.dest.Right < blit.dest.Left) != (blit.sourceRect.Right < blit.sourceRect.Left),
                    (blit.dest.Bottom < blit.dest.Top) != (blit.sourceRect.Bottom < blit.sourceRect.Top)};
    TRect area = IntersectRect(g.dest, DeviceBounds());
    if (area.IsEmpty() || g.source.IsEmpty() || source.Empty()) return;
    // Only target pixels whose source pixels exist are drawn.
    auto [left, right] = SampledRun(area.Left, area.Right, source.Width(), [&](int32_t x) { return g.SourceX(x); });
    auto [top, bottom] = SampledRun(area.Top, area.Bottom, source.Height(), [&](int32_t y) { return g.SourceY(y); });
    area = {left, top, right, bottom};
    if (area.IsEmpty()) return;

    TRowMixer mixer{blit.mode, blit.key, blit.alpha};
    bool unscaled = g.Unscaled();
    assert(unscaled || !blit.alpha);
    if (unscaled && !mixer.ReadsTarget() && !blit.key && blit.mode == TCopyMode::cmSrcCopy &&
        source.PixelFormat() == target_->PixelFormat() && pixels::IsDirect(source.PixelFormat())) {
        ForEachVisible(area, [&](const TRect& piece) {
            CopyRowsDirect(*target_, piece, source, {g.SourceX(piece.Left), g.SourceY(piece.Top)});
        });
        return;
    }

    pixels::TPaletteLut lut{}, targetLut{};
    if (IsPaletted(source.PixelFormat())) lut = pixels::PaletteLut(source);
    if (IsPaletted(target_->PixelFormat())) targetLut = pixels::PaletteLut(*target_);
    std::vector<int32_t> columns;
    std::vector<uint32_t> sourceRow, out, targetRow;
    ForEachVisible(area, [&](const TRect& piece) {
        int width = piece.Width();
        out.resize(size_t(width));
        targetRow.resize(size_t(width));
        int32_t lo = g.SourceX(piece.Left), hi = g.SourceX(piece.Right - 1);
        if (lo > hi) std::swap(lo, hi);
        if (!unscaled) {
            columns.resize(size_t(width));
            for (int i = 0; i < width; ++i) columns[size_t(i)] = g.SourceX(piece.Left + i) - lo;
            sourceRow.resize(size_t(hi - lo + 1));
        }
        int32_t previousSy = -1;
        for (int y = piece.Top; y < piece.Bottom; ++y) {
            int32_t sy = g.SourceY(y);
            if (unscaled) {
                pixels::ReadRow(source, sy, lo, hi + 1, out.data(), &lut);
            } else if (sy != previousSy || mixer.ReadsTarget()) {
                pixels::ReadRow(source, sy, lo, hi + 1, sourceRow.data(), &lut);
                for (int i = 0; i < width; ++i) out[size_t(i)] = sourceRow[size_t(columns[size_t(i)])];
            } else {
                // The same source row as the last target row: its result is still in out.
                if (blit.key) WriteUnkeyedRuns(y, piece.Left, out.data(), width, *blit.key);
                else pixels::WriteRow(*target_, y, piece.Left, piece.Right, out.data());
                continue;
            }
            previousSy = sy;
            if (mixer.ReadsTarget()) {
                pixels::ReadRow(*target_, y, piece.Left, piece.Right, targetRow.data(), &targetLut);
                // Alpha mixing only comes unscaled (DrawAlpha), so the alphas run along the source row.
                mixer.Mix(out.data(), targetRow.data(), width, source.ScanLine(sy) + 4 * lo + 3);
            } else if (blit.key) {
                WriteUnkeyedRuns(y, piece.Left, out.data(), width, *blit.key);
                continue;
            } else {
                mixer.Mix(out.data(), nullptr, width, nullptr);
            }
            pixels::WriteRow(*target_, y, piece.Left, piece.Right, out.data());
        }
    });
}

void TCanvas::WriteUnkeyedRuns(int y, int x, const uint32_t* row, int width, uint32_t key)
{
    for (int i = 0; i < width;) {
        while (i < width && row[i] == key) ++i;
        int start = i;
        while (i < width && row[i] != key) ++i;
        if (i > start) pixels::WriteRow(*target_, y, x + start, x + i, row + start);
    }
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
