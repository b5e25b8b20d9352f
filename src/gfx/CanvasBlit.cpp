#include "gfx/Canvas.h"

#include "gfx/NearestSampler.h"
#include "gfx/PixelOps.h"
#include "gfx/Raster.h"
#include "gfx/SystemColors.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace tavrik {

using raster::Normalized;

struct TCanvas::TBlit {
    TRect dest; // device coordinates; reversed edges mirror (gfx/NearestSampler.h)
    const TBitmap* source = nullptr;
    TRect sourceRect; // reversed edges mirror too
    std::optional<uint32_t> key; // only with cmSrcCopy
    bool alpha = false;          // only unscaled, with cmSrcCopy
    TCopyMode mode = TCopyMode::cmSrcCopy;
};

namespace {

// How the source pixels of one row land on the target row; each mode is its own loop so
// that the compiler keeps them straight.
struct TRowMixer {
    TCopyMode mode;
    bool alpha;

    // A plain copy writes the source pixels as they are.
    bool Mixes() const { return alpha || mode != TCopyMode::cmSrcCopy; }
    bool ReadsTarget() const
    {
        return alpha || mode == TCopyMode::cmSrcInvert || mode == TCopyMode::cmSrcAnd ||
               mode == TCopyMode::cmSrcPaint || mode == TCopyMode::cmDstInvert;
    }

    // target holds the pixels there before (when ReadsTarget); alphas (alpha mixing only)
    // the source's fourth bytes, 4 bytes apart.
    void Mix(const uint32_t* source, const uint32_t* target, uint32_t* out, int n, const uint8_t* alphas) const
    {
        constexpr uint32_t mask = pixels::kRgbMask;
        if (alpha) {
            for (int i = 0; i < n; ++i) out[i] = pixels::Blend(target[i], source[i], alphas[4 * i]);
            return;
        }
        switch (mode) {
        case TCopyMode::cmSrcCopy: std::copy_n(source, n, out); return;
        case TCopyMode::cmSrcInvert: for (int i = 0; i < n; ++i) out[i] = source[i] ^ target[i]; return;
        case TCopyMode::cmSrcAnd: for (int i = 0; i < n; ++i) out[i] = source[i] & target[i]; return;
        case TCopyMode::cmSrcPaint: for (int i = 0; i < n; ++i) out[i] = source[i] | target[i]; return;
        case TCopyMode::cmNotSrcCopy: for (int i = 0; i < n; ++i) out[i] = ~source[i] & mask; return;
        case TCopyMode::cmDstInvert: for (int i = 0; i < n; ++i) out[i] = ~target[i] & mask; return;
        case TCopyMode::cmBlackness: std::fill_n(out, n, 0u); return;
        case TCopyMode::cmWhiteness: std::fill_n(out, n, mask); return;
        }
    }
};

// Reads source rows sampled onto a run of target columns. An enlarged picture samples a
// source row for several target rows; it is read and scaled once.
class TSampledRows {
public:
    TSampledRows(const TBitmap& source, const TNearestSampler& xs, int32_t left, int32_t right,
                 const pixels::TPaletteLut* lut)
        : source_(source), lut_(lut), identity_(xs.Identity()), pixels_(size_t(right - left))
    {
        first_ = xs.Source(left);
        int32_t last = xs.Source(right - 1);
        if (first_ > last) std::swap(first_, last);
        if (identity_) return;
        columns_.resize(pixels_.size());
        for (size_t i = 0; i < columns_.size(); ++i) columns_[i] = xs.Source(left + int32_t(i)) - first_;
        read_.resize(size_t(last - first_ + 1));
    }

    // The lowest source column the row reads.
    int32_t FirstColumn() const { return first_; }

    const uint32_t* Row(int32_t sy)
    {
        if (sy == row_) return pixels_.data();
        row_ = sy;
        if (identity_) {
            pixels::ReadRow(source_, sy, first_, first_ + int32_t(pixels_.size()), pixels_.data(), lut_);
            return pixels_.data();
        }
        pixels::ReadRow(source_, sy, first_, first_ + int32_t(read_.size()), read_.data(), lut_);
        for (size_t i = 0; i < pixels_.size(); ++i) pixels_[i] = read_[size_t(columns_[i])];
        return pixels_.data();
    }

private:
    const TBitmap& source_;
    const pixels::TPaletteLut* lut_;
    bool identity_;
    int32_t first_ = 0;
    int32_t row_ = -1;
    std::vector<int32_t> columns_; // per target column, its source column from first_
    std::vector<uint32_t> read_;
    std::vector<uint32_t> pixels_;
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
    TRect dest = Normalized(blit.dest);
    TNearestSampler xs(blit.dest.Left, blit.dest.Right, blit.sourceRect.Left, blit.sourceRect.Right);
    TNearestSampler ys(blit.dest.Top, blit.dest.Bottom, blit.sourceRect.Top, blit.sourceRect.Bottom);
    TRect area = IntersectRect(dest, DeviceBounds());
    if (area.IsEmpty() || xs.Empty() || ys.Empty() || source.Empty()) return;
    // Only target pixels whose source pixels exist are drawn.
    auto [left, right] = xs.InsideRun(area.Left, area.Right, source.Width());
    auto [top, bottom] = ys.InsideRun(area.Top, area.Bottom, source.Height());
    area = {left, top, right, bottom};
    if (area.IsEmpty()) return;

    TRowMixer mixer{blit.mode, blit.alpha};
    bool unscaled = xs.Identity() && ys.Identity();
    assert(unscaled || !blit.alpha);
    assert(!blit.key || !mixer.Mixes());
    if (unscaled && !mixer.Mixes() && !blit.key && source.PixelFormat() == target_->PixelFormat() &&
        pixels::IsDirect(source.PixelFormat())) {
        ForEachVisible(area, [&](const TRect& piece) {
            CopyRowsDirect(*target_, piece, source, {xs.Source(piece.Left), ys.Source(piece.Top)});
        });
        return;
    }

    pixels::TPaletteLut lut{}, targetLut{};
    if (IsPaletted(source.PixelFormat())) lut = pixels::PaletteLut(source);
    if (IsPaletted(target_->PixelFormat())) targetLut = pixels::PaletteLut(*target_);
    std::vector<uint32_t> targetRow, mixed;
    ForEachVisible(area, [&](const TRect& piece) {
        int width = piece.Width();
        TSampledRows rows(source, xs, piece.Left, piece.Right, &lut);
        targetRow.resize(size_t(width));
        mixed.resize(size_t(width));
        for (int y = piece.Top; y < piece.Bottom; ++y) {
            int32_t sy = ys.Source(y);
            const uint32_t* pixels = rows.Row(sy);
            if (mixer.Mixes()) {
                if (mixer.ReadsTarget()) pixels::ReadRow(*target_, y, piece.Left, piece.Right, targetRow.data(), &targetLut);
                // Alpha mixing only comes unscaled, so the alphas run along the source row.
                const uint8_t* alphas = blit.alpha ? source.ScanLine(sy) + 4 * size_t(rows.FirstColumn()) + 3 : nullptr;
                mixer.Mix(pixels, targetRow.data(), mixed.data(), width, alphas);
                pixels = mixed.data();
            }
            if (blit.key) WriteUnkeyedRuns(y, piece.Left, pixels, width, *blit.key);
            else pixels::WriteRow(*target_, y, piece.Left, piece.Right, pixels);
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
