#include "skin/PixelCells.h"

#include "gfx/NearestSampler.h"
#include "gfx/PixelOps.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tavrik {

namespace {

// The source position of every visible destination position along one axis; -1 marks a
// destination pixel whose source lies outside the source bitmap.
struct TAxisMap {
    int first = 0;
    std::vector<int> source;
    bool allValid = true;
    bool contiguous = true;
    int lowest = 0;  // the smallest valid source position
    int highest = 0; // the largest one
};

TAxisMap MapAxis(int32_t d0, int32_t d1, int32_t s0, int32_t s1, int dstLimit, int srcLimit, TAxisFit fit)
{
    TAxisMap map;
    TNearestSampler sampler(d0, d1, s0, s1);
    if (sampler.Empty()) return map;
    int32_t lo = std::max(sampler.TargetStart(), 0);
    int32_t hi = std::min(sampler.TargetEnd(), dstLimit);
    if (lo >= hi) return map;
    map.first = lo;
    map.source.reserve(size_t(hi - lo));
    map.lowest = srcLimit;
    map.highest = -1;
    for (int32_t d = lo; d < hi; ++d) {
        int32_t s = fit == TAxisFit::Tile ? sampler.TiledSource(d) : sampler.Source(d);
        bool valid = s >= 0 && s < srcLimit;
        map.source.push_back(valid ? s : -1);
        if (!valid) continue;
        map.lowest = std::min(map.lowest, s);
        map.highest = std::max(map.highest, s);
    }
    for (size_t i = 0; i < map.source.size(); ++i) {
        if (map.source[i] < 0) map.allValid = false;
        if (map.source[i] != map.source[0] + int(i)) map.contiguous = false;
    }
    map.contiguous = map.contiguous && map.allValid;
    return map;
}

// Copies the mapped pixels of one source row; row holds the source's pixels from column
// base on, 3 bytes each.
void CopyMappedRow(uint8_t* dst, const uint8_t* row, int base, const TAxisMap& xs)
{
    if (xs.contiguous) {
        std::memcpy(dst, row + 3 * size_t(xs.source[0] - base), 3 * xs.source.size());
        return;
    }
    for (int sx : xs.source) {
        if (sx >= 0) std::memcpy(dst, row + 3 * size_t(sx - base), 3);
        dst += 3;
    }
}

// Hands out source rows as 24-bit pixels: a 24-bit source's own rows, any other format's
// rows converted over the columns the copy needs.
class TSourceRows {
public:
    TSourceRows(const TBitmap& src, int lowest, int highest) : src_(src), base_(lowest)
    {
        if (src.PixelFormat() == TPixelFormat::pf24bit) {
            base_ = 0;
            return;
        }
        if (IsPaletted(src.PixelFormat())) lut_ = pixels::PaletteLut(src);
        values_.resize(size_t(highest - lowest + 1));
        converted_.resize(3 * values_.size());
    }

    int Base() const { return base_; }

    const uint8_t* Row(int y)
    {
        if (values_.empty()) return src_.ScanLine(y);
        pixels::ReadRow(src_, y, base_, base_ + int(values_.size()), values_.data(), &lut_);
        for (size_t i = 0; i < values_.size(); ++i) {
            converted_[3 * i] = uint8_t(values_[i]);
            converted_[3 * i + 1] = uint8_t(values_[i] >> 8);
            converted_[3 * i + 2] = uint8_t(values_[i] >> 16);
        }
        return converted_.data();
    }

private:
    const TBitmap& src_;
    int base_;
    pixels::TPaletteLut lut_{};
    std::vector<uint32_t> values_;
    std::vector<uint8_t> converted_;
};

} // namespace

void BlitCell(TBitmap& dst, const TRect& dstRect, const TBitmap& src, const TRect& srcRect, TAxisFit fitX,
              TAxisFit fitY)
{
    if (dst.PixelFormat() != TPixelFormat::pf24bit) return;
    TAxisMap xs = MapAxis(dstRect.Left, dstRect.Right, srcRect.Left, srcRect.Right, dst.Width(), src.Width(), fitX);
    TAxisMap ys = MapAxis(dstRect.Top, dstRect.Bottom, srcRect.Top, srcRect.Bottom, dst.Height(), src.Height(), fitY);
    if (xs.source.empty() || ys.source.empty() || xs.highest < 0) return;
    TSourceRows rows(src, xs.lowest, xs.highest);
    // Tiling and enlarging repeat source rows; a repeated row is copied from the destination
    // row that already holds it, which matters for wide tiled areas.
    std::vector<int> dstRowOf;
    if (xs.allValid) dstRowOf.assign(size_t(src.Height()), -1);
    size_t rowBytes = 3 * xs.source.size();
    for (size_t j = 0; j < ys.source.size(); ++j) {
        int sy = ys.source[j];
        if (sy < 0) continue;
        int dy = ys.first + int(j);
        uint8_t* d = dst.ScanLine(dy) + 3 * size_t(xs.first);
        if (xs.allValid && dstRowOf[size_t(sy)] >= 0) {
            std::memcpy(d, dst.ScanLine(dstRowOf[size_t(sy)]) + 3 * size_t(xs.first), rowBytes);
            continue;
        }
        CopyMappedRow(d, rows.Row(sy), rows.Base(), xs);
        if (xs.allValid) dstRowOf[size_t(sy)] = dy;
    }
}

void DrawCells(TBitmap& dst, const TBitmap& src, TPoint origin, const TSkinCells& cells)
{
    for (const TSkinCell& cell : cells)
        BlitCell(dst, cell.Dest, src, cell.Source.Offset(origin.x, origin.y), cell.FitX, cell.FitY);
}

void SetPictureSize(TBitmap& bitmap, int width, int height)
{
    if (bitmap.PixelFormat() != TPixelFormat::pf24bit) bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    bitmap.SetSize(std::max(width, 0), std::max(height, 0));
}

} // namespace tavrik
