#include "skin/PixelCells.h"

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
};

TAxisMap MapAxis(int64_t d0, int64_t d1, int64_t s0, int64_t s1, int dstLimit, int srcLimit, TAxisFit fit)
{
    TAxisMap map;
    int64_t dn = d1 - d0;
    int64_t sn = s1 - s0;
    if (dn <= 0 || sn <= 0) return map;
    int64_t lo = std::max<int64_t>(d0, 0);
    int64_t hi = std::min<int64_t>(d1, dstLimit);
    if (lo >= hi) return map;
    map.first = int(lo);
    map.source.reserve(size_t(hi - lo));
    for (int64_t d = lo; d < hi; ++d) {
        int64_t i = d - d0;
        int64_t s = s0 + (fit == TAxisFit::Tile ? i % sn : ScaledSourceOffset(i, sn, dn));
        map.source.push_back(s >= 0 && s < srcLimit ? int(s) : -1);
    }
    for (size_t i = 0; i < map.source.size(); ++i) {
        if (map.source[i] < 0) map.allValid = false;
        if (map.source[i] != map.source[0] + int(i)) map.contiguous = false;
    }
    map.contiguous = map.contiguous && map.allValid;
    return map;
}

void CopyMappedRow(uint8_t* dst, const uint8_t* srcRow, const TAxisMap& xs)
{
    if (xs.contiguous) {
        std::memcpy(dst, srcRow + 3 * size_t(xs.source[0]), 3 * xs.source.size());
        return;
    }
    for (int sx : xs.source) {
        if (sx >= 0) std::memcpy(dst, srcRow + 3 * size_t(sx), 3);
        dst += 3;
    }
}

} // namespace

void BlitCell(TBitmap& dst, const TRect& dstRect, const TBitmap& src, const TRect& srcRect, TAxisFit fitX,
              TAxisFit fitY)
{
    if (dst.PixelFormat() != TPixelFormat::pf24bit || src.PixelFormat() != TPixelFormat::pf24bit) return;
    TAxisMap xs = MapAxis(dstRect.Left, dstRect.Right, srcRect.Left, srcRect.Right, dst.Width(), src.Width(), fitX);
    TAxisMap ys = MapAxis(dstRect.Top, dstRect.Bottom, srcRect.Top, srcRect.Bottom, dst.Height(), src.Height(), fitY);
    if (xs.source.empty() || ys.source.empty()) return;
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
        CopyMappedRow(d, src.ScanLine(sy), xs);
        if (xs.allValid) dstRowOf[size_t(sy)] = dy;
    }
}

const TBitmap& AsPictureBuffer(const TBitmap& src, TBitmap& holder)
{
    if (src.PixelFormat() == TPixelFormat::pf24bit) return src;
    holder = src.ToPictureBuffer();
    return holder;
}

void SetPictureSize(TBitmap& bitmap, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    // An empty bitmap has nothing to keep; a fresh one also spares TBitmap::SetSize copying
    // rows of no bytes.
    if (width == 0 || height == 0) {
        bitmap = TBitmap(width, height);
        return;
    }
    if (bitmap.PixelFormat() != TPixelFormat::pf24bit) bitmap.SetPixelFormat(TPixelFormat::pf24bit);
    bitmap.SetSize(width, height);
}

} // namespace tavrik
