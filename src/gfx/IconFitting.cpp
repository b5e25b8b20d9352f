#include "gfx/IconFitting.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace tavrik {

namespace {

// What one target pixel takes from the source along one axis: the source pixels it covers
// and how much of each. With n source and m target pixels, target pixel t covers the source
// stretch [t * n, (t + 1) * n) and source pixel s the stretch [s * m, (s + 1) * m), in units
// of 1/m source pixels, so the weights are exact integers that sum to n.
struct TSpan {
    int first = 0;
    std::vector<int64_t> weights;
};

std::vector<TSpan> Spans(int n, int m)
{
    std::vector<TSpan> spans(static_cast<size_t>(m));
    for (int t = 0; t < m; ++t) {
        int64_t lo = int64_t(t) * n, hi = int64_t(t + 1) * n;
        TSpan& span = spans[size_t(t)];
        span.first = int(lo / m);
        for (int64_t s = span.first; s < n && s * m < hi; ++s)
            span.weights.push_back(std::min(hi, (s + 1) * m) - std::max(lo, s * m));
    }
    return spans;
}

} // namespace

TBitmap FitIcon(const TBitmap& icon, int width, int height)
{
    TBitmap out(std::max(0, width), std::max(0, height), TPixelFormat::pf32bit);
    if (icon.Empty() || out.Empty()) return out;
    const TBitmap* source = &icon;
    TBitmap converted;
    bool opaque = icon.PixelFormat() != TPixelFormat::pf32bit;
    if (opaque) {
        converted = icon;
        converted.SetPixelFormat(TPixelFormat::pf32bit);
        source = &converted;
    }
    int w = source->Width(), h = source->Height();
    // One factor for both directions: the side that limits it fills the size.
    int fitW = width, fitH = height;
    if (int64_t(w) * height > int64_t(h) * width) fitH = std::max(1, int(int64_t(h) * width / w));
    else fitW = std::max(1, int(int64_t(w) * height / h));
    int left = (width - fitW) / 2, top = (height - fitH) / 2;
    std::vector<TSpan> columns = Spans(w, fitW), rows = Spans(h, fitH);
    const uint64_t area = uint64_t(w) * uint64_t(h);
    for (int ty = 0; ty < fitH; ++ty) {
        const TSpan& row = rows[size_t(ty)];
        uint8_t* target = out.ScanLine(top + ty) + 4 * left;
        for (int tx = 0; tx < fitW; ++tx, target += 4) {
            const TSpan& column = columns[size_t(tx)];
            uint64_t sum[4] = {0, 0, 0, 0}; // blue, green, red premultiplied by alpha; alpha
            for (size_t j = 0; j < row.weights.size(); ++j) {
                const uint8_t* p = source->ScanLine(row.first + int(j)) + 4 * column.first;
                for (size_t i = 0; i < column.weights.size(); ++i, p += 4) {
                    uint64_t weight = uint64_t(row.weights[j] * column.weights[i]);
                    uint64_t alpha = opaque ? 255 : p[3];
                    for (int c = 0; c < 3; ++c) sum[c] += uint64_t(p[c]) * alpha * weight;
                    sum[3] += alpha * weight;
                }
            }
            if (sum[3] == 0) continue;
            for (int c = 0; c < 3; ++c) target[c] = uint8_t((sum[c] + sum[3] / 2) / sum[3]);
            target[3] = uint8_t((sum[3] + area / 2) / area);
        }
    }
    return out;
}

} // namespace tavrik
