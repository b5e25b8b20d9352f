#include "gfx/Region.h"

#include <algorithm>
#include <limits>

namespace tavrik {

namespace {

struct TSpan {
    int32_t left;
    int32_t right;

    friend bool operator==(const TSpan&, const TSpan&) = default;
};

struct TBand {
    int32_t top;
    int32_t bottom;
    size_t begin;
    size_t end;
};

std::vector<TBand> BandsOf(const std::vector<TRect>& rects)
{
    std::vector<TBand> bands;
    for (size_t i = 0; i < rects.size(); ++i) {
        if (bands.empty() || rects[i].Top != bands.back().top)
            bands.push_back({rects[i].Top, rects[i].Bottom, i, i});
        bands.back().end = i + 1;
    }
    return bands;
}

// Combines two sorted span lists with a set operation given as a truth table over
// (inside first, inside second); emits maximal spans only.
template <typename Op>
void CombineSpans(std::span<const TRect> a, std::span<const TRect> b, Op op, std::vector<TSpan>& out)
{
    constexpr int32_t kEnd = std::numeric_limits<int32_t>::max();
    size_t i = 0, j = 0;
    bool inA = false, inB = false, inside = false;
    int32_t start = 0;
    while (i < a.size() || j < b.size()) {
        int32_t nextA = i < a.size() ? (inA ? a[i].Right : a[i].Left) : kEnd;
        int32_t nextB = j < b.size() ? (inB ? b[j].Right : b[j].Left) : kEnd;
        int32_t x = std::min(nextA, nextB);
        if (nextA == x && !(inA = !inA)) ++i;
        if (nextB == x && !(inB = !inB)) ++j;
        bool now = op(inA, inB);
        if (now == inside) continue;
        if (now) start = x;
        else out.push_back({start, x});
        inside = now;
    }
}

} // namespace

// Appends bands from top to bottom and merges each into the one above when they touch and
// hold the same spans, which keeps the result canonical.
class TRegionBuilder {
public:
    void AddBand(int32_t top, int32_t bottom, std::span<const TSpan> spans)
    {
        if (spans.empty() || top >= bottom) return;
        if (CanMergeIntoLast(top, spans)) {
            for (size_t i = lastBand_; i < rects_.size(); ++i) rects_[i].Bottom = bottom;
            return;
        }
        lastBand_ = rects_.size();
        for (const TSpan& s : spans) rects_.push_back({s.left, top, s.right, bottom});
    }

    TRegion Finish()
    {
        TRegion r;
        r.rects_ = std::move(rects_);
        r.UpdateBounds();
        return r;
    }

private:
    bool CanMergeIntoLast(int32_t top, std::span<const TSpan> spans) const
    {
        if (rects_.empty() || rects_.back().Bottom != top || rects_.size() - lastBand_ != spans.size()) return false;
        for (size_t i = 0; i < spans.size(); ++i)
            if (rects_[lastBand_ + i].Left != spans[i].left || rects_[lastBand_ + i].Right != spans[i].right)
                return false;
        return true;
    }

    std::vector<TRect> rects_;
    size_t lastBand_ = 0;
};

namespace {

// The classic band sweep: walks the y slices where the band structure of either operand
// changes and combines the two span lists of each slice.
template <typename Op>
TRegion Combine(const std::vector<TRect>& a, const std::vector<TRect>& b, Op op)
{
    std::vector<TBand> bandsA = BandsOf(a), bandsB = BandsOf(b);
    std::span<const TRect> rectsA(a), rectsB(b);
    TRegionBuilder builder;
    std::vector<TSpan> spans;
    size_t ia = 0, ib = 0;
    int32_t y = std::numeric_limits<int32_t>::min();
    while (ia < bandsA.size() || ib < bandsB.size()) {
        const TBand* ba = ia < bandsA.size() ? &bandsA[ia] : nullptr;
        const TBand* bb = ib < bandsB.size() ? &bandsB[ib] : nullptr;
        int32_t topA = ba ? std::max(ba->top, y) : std::numeric_limits<int32_t>::max();
        int32_t topB = bb ? std::max(bb->top, y) : std::numeric_limits<int32_t>::max();
        int32_t top = std::min(topA, topB);
        bool useA = ba && topA == top, useB = bb && topB == top;
        // The slice ends where a used band ends or where an unused one begins.
        int32_t bottom = std::numeric_limits<int32_t>::max();
        if (ba) bottom = std::min(bottom, useA ? ba->bottom : topA);
        if (bb) bottom = std::min(bottom, useB ? bb->bottom : topB);
        spans.clear();
        CombineSpans(useA ? rectsA.subspan(ba->begin, ba->end - ba->begin) : std::span<const TRect>(),
                     useB ? rectsB.subspan(bb->begin, bb->end - bb->begin) : std::span<const TRect>(), op, spans);
        builder.AddBand(top, bottom, spans);
        y = bottom;
        if (useA && ba->bottom <= y) ++ia;
        if (useB && bb->bottom <= y) ++ib;
    }
    return builder.Finish();
}

} // namespace

TRegion::TRegion(const TRect& rect)
{
    if (rect.IsEmpty()) return;
    rects_.push_back(rect);
    bounds_ = rect;
}

TRegion TRegion::FromRects(std::span<const TRect> rects)
{
    std::vector<TRect> byTop;
    std::vector<int32_t> edges;
    for (const TRect& r : rects) {
        if (r.IsEmpty()) continue;
        byTop.push_back(r);
        edges.push_back(r.Top);
        edges.push_back(r.Bottom);
    }
    std::sort(byTop.begin(), byTop.end(), [](const TRect& a, const TRect& b) { return a.Top < b.Top; });
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    TRegionBuilder builder;
    std::vector<TRect> active;
    std::vector<TSpan> spans;
    size_t next = 0;
    for (size_t k = 0; k + 1 < edges.size(); ++k) {
        int32_t top = edges[k], bottom = edges[k + 1];
        std::erase_if(active, [top](const TRect& r) { return r.Bottom <= top; });
        while (next < byTop.size() && byTop[next].Top == top) active.push_back(byTop[next++]);
        std::sort(active.begin(), active.end(), [](const TRect& a, const TRect& b) { return a.Left < b.Left; });
        spans.clear();
        for (const TRect& r : active) {
            if (!spans.empty() && r.Left <= spans.back().right) spans.back().right = std::max(spans.back().right, r.Right);
            else spans.push_back({r.Left, r.Right});
        }
        builder.AddBand(top, bottom, spans);
    }
    return builder.Finish();
}

void TRegion::UpdateBounds()
{
    bounds_ = {};
    if (rects_.empty()) return;
    bounds_ = {rects_.front().Left, rects_.front().Top, rects_.front().Right, rects_.back().Bottom};
    for (const TRect& r : rects_) {
        bounds_.Left = std::min(bounds_.Left, r.Left);
        bounds_.Right = std::max(bounds_.Right, r.Right);
    }
}

size_t TRegion::FirstBandBelow(int32_t y) const
{
    return size_t(std::partition_point(rects_.begin(), rects_.end(), [y](const TRect& r) { return r.Bottom <= y; }) -
                  rects_.begin());
}

size_t TRegion::BandEnd(size_t i) const
{
    int32_t top = rects_[i].Top;
    return size_t(std::partition_point(rects_.begin() + ptrdiff_t(i), rects_.end(),
                                       [top](const TRect& r) { return r.Top == top; }) -
                  rects_.begin());
}

bool TRegion::Contains(TPoint p) const
{
    if (!bounds_.Contains(p)) return false;
    size_t i = FirstBandBelow(p.y);
    if (i == rects_.size() || rects_[i].Top > p.y) return false;
    int32_t top = rects_[i].Top;
    auto it = std::partition_point(rects_.begin() + ptrdiff_t(i), rects_.end(),
                                   [top, p](const TRect& r) { return r.Top == top && r.Right <= p.x; });
    return it != rects_.end() && it->Top == top && it->Left <= p.x;
}

bool TRegion::Contains(const TRect& rect) const
{
    if (rect.IsEmpty() || !bounds_.Contains(rect)) return false;
    int32_t y = rect.Top;
    for (size_t i = FirstBandBelow(y); y < rect.Bottom; i = BandEnd(i)) {
        if (i == rects_.size() || rects_[i].Top > y) return false;
        size_t end = BandEnd(i);
        bool covered = false;
        for (size_t j = i; j < end && !covered; ++j)
            covered = rects_[j].Left <= rect.Left && rects_[j].Right >= rect.Right;
        if (!covered) return false;
        y = rects_[i].Bottom;
    }
    return true;
}

bool TRegion::Intersects(const TRect& rect) const
{
    if (IntersectRect(bounds_, rect).IsEmpty()) return false;
    for (size_t i = FirstBandBelow(rect.Top); i < rects_.size() && rects_[i].Top < rect.Bottom; ++i)
        if (rects_[i].Right > rect.Left && rects_[i].Left < rect.Right) return true;
    return false;
}

TRegion TRegion::Union(const TRegion& other) const
{
    if (other.IsEmpty() || (other.rects_.size() == 1 && Contains(other.bounds_))) return *this;
    if (IsEmpty() || (rects_.size() == 1 && other.Contains(bounds_))) return other;
    return Combine(rects_, other.rects_, [](bool a, bool b) { return a || b; });
}

TRegion TRegion::Intersect(const TRegion& other) const
{
    if (IntersectRect(bounds_, other.bounds_).IsEmpty()) return {};
    if (other.rects_.size() == 1) return Intersect(other.bounds_);
    if (rects_.size() == 1) return other.Intersect(bounds_);
    return Combine(rects_, other.rects_, [](bool a, bool b) { return a && b; });
}

TRegion TRegion::Subtract(const TRegion& other) const
{
    if (IntersectRect(bounds_, other.bounds_).IsEmpty()) return *this;
    return Combine(rects_, other.rects_, [](bool a, bool b) { return a && !b; });
}

TRegion TRegion::Xor(const TRegion& other) const
{
    return Combine(rects_, other.rects_, [](bool a, bool b) { return a != b; });
}

TRegion TRegion::Intersect(const TRect& rect) const
{
    if (rect.Contains(bounds_)) return *this;
    TRegionBuilder builder;
    std::vector<TSpan> spans;
    for (size_t i = FirstBandBelow(rect.Top); i < rects_.size() && rects_[i].Top < rect.Bottom;) {
        size_t end = BandEnd(i);
        spans.clear();
        for (size_t j = i; j < end; ++j) {
            int32_t left = std::max(rects_[j].Left, rect.Left), right = std::min(rects_[j].Right, rect.Right);
            if (left < right) spans.push_back({left, right});
        }
        builder.AddBand(std::max(rects_[i].Top, rect.Top), std::min(rects_[i].Bottom, rect.Bottom), spans);
        i = end;
    }
    return builder.Finish();
}

TRegion TRegion::Offset(int32_t dx, int32_t dy) const
{
    TRegion r = *this;
    for (TRect& rect : r.rects_) rect = rect.Offset(dx, dy);
    if (!r.IsEmpty()) r.bounds_ = bounds_.Offset(dx, dy);
    return r;
}

namespace {

constexpr size_t kRegionHeaderBytes = 32;
constexpr uint32_t kRegionKindRectangles = 1;

void PutInt32(std::vector<uint8_t>& out, int64_t value)
{
    auto v = uint32_t(value);
    for (int shift = 0; shift < 32; shift += 8) out.push_back(uint8_t(v >> shift));
}

int32_t GetInt32(std::span<const uint8_t> data, size_t offset)
{
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | data[offset + size_t(i)];
    return int32_t(v);
}

void PutRect(std::vector<uint8_t>& out, const TRect& r)
{
    PutInt32(out, r.Left);
    PutInt32(out, r.Top);
    PutInt32(out, r.Right);
    PutInt32(out, r.Bottom);
}

} // namespace

std::vector<uint8_t> TRegion::ToRegionData() const
{
    std::vector<uint8_t> out;
    out.reserve(kRegionHeaderBytes + 16 * rects_.size());
    PutInt32(out, kRegionHeaderBytes);
    PutInt32(out, kRegionKindRectangles);
    PutInt32(out, int64_t(rects_.size()));
    PutInt32(out, 0);
    PutRect(out, bounds_);
    for (const TRect& r : rects_) PutRect(out, r);
    return out;
}

std::optional<TRegion> TRegion::FromRegionData(std::span<const uint8_t> data)
{
    if (data.size() < kRegionHeaderBytes) return std::nullopt;
    if (GetInt32(data, 0) != int32_t(kRegionHeaderBytes) || GetInt32(data, 4) != int32_t(kRegionKindRectangles))
        return std::nullopt;
    auto count = uint32_t(GetInt32(data, 8));
    if ((data.size() - kRegionHeaderBytes) / 16 < count) return std::nullopt;
    std::vector<TRect> rects(count);
    for (size_t i = 0; i < count; ++i) {
        size_t at = kRegionHeaderBytes + 16 * i;
        rects[i] = {GetInt32(data, at), GetInt32(data, at + 4), GetInt32(data, at + 8), GetInt32(data, at + 12)};
    }
    return FromRects(rects);
}

} // namespace tavrik
