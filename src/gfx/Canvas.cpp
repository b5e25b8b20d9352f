#include "gfx/Canvas.h"

#include "gfx/PixelOps.h"
#include "gfx/Raster.h"
#include "gfx/SystemColors.h"

#include <algorithm>
#include <array>
#include <cassert>

namespace tavrik {

using raster::Normalized;

namespace {

uint32_t DeviceValue(TColor color) { return pixels::FromColor(ColorToRGB(color)); }

uint32_t MixPen(uint32_t pen, uint32_t dst, TPenMode mode)
{
    switch (mode) {
    case TPenMode::pmBlack: return 0;
    case TPenMode::pmWhite: return pixels::kRgbMask;
    case TPenMode::pmNop: return dst;
    case TPenMode::pmNot: return ~dst;
    case TPenMode::pmCopy: return pen;
    case TPenMode::pmNotCopy: return ~pen;
    case TPenMode::pmMerge: return pen | dst;
    case TPenMode::pmMask: return pen & dst;
    case TPenMode::pmXor: return pen ^ dst;
    case TPenMode::pmNotXor: return ~(pen ^ dst);
    }
    return dst;
}

bool ModeUsesColor(TPenMode mode)
{
    return mode != TPenMode::pmBlack && mode != TPenMode::pmWhite && mode != TPenMode::pmNop && mode != TPenMode::pmNot;
}

// On and off run lengths of the dashed styles of one-pixel pens.
std::span<const int> DashPattern(TPenStyle style)
{
    static constexpr std::array<int, 2> dash = {18, 6}, dot = {3, 3};
    static constexpr std::array<int, 4> dashDot = {9, 6, 3, 6};
    static constexpr std::array<int, 6> dashDotDot = {9, 3, 3, 3, 3, 3};
    switch (style) {
    case TPenStyle::psDash: return dash;
    case TPenStyle::psDot: return dot;
    case TPenStyle::psDashDot: return dashDot;
    case TPenStyle::psDashDotDot: return dashDotDot;
    default: return {};
    }
}

bool PatternIsOn(std::span<const int> pattern, int position)
{
    if (pattern.empty()) return true;
    int period = 0;
    for (int run : pattern) period += run;
    position %= period;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (position < pattern[i]) return i % 2 == 0;
        position -= pattern[i];
    }
    return true;
}

TRegion RegionOfSpans(const std::vector<raster::TSpan>& spans)
{
    std::vector<TRect> rects;
    rects.reserve(spans.size());
    for (const raster::TSpan& s : spans) rects.push_back({s.left, s.y, s.right, s.y + 1});
    return TRegion::FromRects(rects);
}

} // namespace

TCanvas::TCanvas(TBitmap& target) : target_(&target) {}

TCanvas::TCanvas(TBitmap& target, const TRegion& limitClip, TPoint origin) : target_(&target), limitClip_(limitClip)
{
    state_.clip = limitClip;
    state_.origin = origin;
}

TCanvas::~TCanvas() = default;

void TCanvas::Save() { saved_.push_back(state_); }

void TCanvas::Restore()
{
    // An unmatched Restore is a fault of the caller's painting code; a build without checks
    // leaves the state as it is rather than reading past the stack.
    assert(!saved_.empty() && "Restore without a matching Save");
    if (saved_.empty()) return;
    state_ = std::move(saved_.back());
    saved_.pop_back();
}

TRegion TCanvas::DeviceClipOrBounds() const { return state_.clip ? *state_.clip : TRegion(DeviceBounds()); }

bool TCanvas::PointVisible(TPoint p) const
{
    return DeviceBounds().Contains(p) && (!state_.clip || state_.clip->Contains(p));
}

TRegion TCanvas::ClipRegion() const
{
    return DeviceClipOrBounds().Intersect(DeviceBounds()).Offset(-state_.origin.x, -state_.origin.y);
}

TRect TCanvas::ClipRect() const { return ClipRegion().BoundingBox(); }

void TCanvas::SetClipRegion(const TRegion& region)
{
    TRegion device = region.Offset(state_.origin.x, state_.origin.y);
    state_.clip = limitClip_ ? limitClip_->Intersect(device) : device;
}

void TCanvas::ResetClip() { state_.clip = limitClip_; }

void TCanvas::IntersectClipRect(const TRect& rect)
{
    TRect device = ToDevice(Normalized(rect));
    state_.clip = state_.clip ? state_.clip->Intersect(device) : TRegion(device);
}

void TCanvas::IntersectClipRegion(const TRegion& region)
{
    TRegion device = region.Offset(state_.origin.x, state_.origin.y);
    state_.clip = state_.clip ? state_.clip->Intersect(device) : device;
}

void TCanvas::ExcludeClipRect(const TRect& rect)
{
    state_.clip = DeviceClipOrBounds().Subtract(TRegion(ToDevice(Normalized(rect))));
}

bool TCanvas::RectVisible(const TRect& rect) const
{
    TRect device = IntersectRect(ToDevice(Normalized(rect)), DeviceBounds());
    return !device.IsEmpty() && (!state_.clip || state_.clip->Intersects(device));
}

TColor TCanvas::Pixels(int x, int y) const
{
    TPoint p{x + state_.origin.x, y + state_.origin.y};
    return PointVisible(p) ? target_->GetPixel(p.x, p.y) : clNone;
}

void TCanvas::SetPixels(int x, int y, TColor color)
{
    TPoint p{x + state_.origin.x, y + state_.origin.y};
    if (color == clNone || !PointVisible(p)) return;
    uint32_t value = DeviceValue(color);
    pixels::WriteRow(*target_, p.y, p.x, p.x + 1, &value);
}

bool TCanvas::HasPen() const
{
    return state_.pen.Style != TPenStyle::psClear && (state_.pen.Color != clNone || !ModeUsesColor(state_.pen.Mode));
}

bool TCanvas::HasBrush() const { return state_.brush.Style != TBrushStyle::bsClear && state_.brush.Color != clNone; }

void TCanvas::ApplyPenSpan(int y, int x0, int x1, uint32_t value, TPenMode mode)
{
    if (mode == TPenMode::pmCopy) pixels::FillRect(*target_, x0, y, x1, y + 1, value);
    else pixels::TransformRow(*target_, y, x0, x1, [&](uint32_t d) { return MixPen(value, d, mode); });
}

void TCanvas::ApplyToRegion(const TRegion& device, TColor color, TPenMode mode)
{
    uint32_t value = DeviceValue(color);
    for (const TRect& rect : device.Rects())
        ForEachVisible(rect, [&](const TRect& r) {
            if (mode == TPenMode::pmCopy) pixels::FillRect(*target_, r.Left, r.Top, r.Right, r.Bottom, value);
            else
                for (int y = r.Top; y < r.Bottom; ++y) ApplyPenSpan(y, r.Left, r.Right, value, mode);
        });
}

void TCanvas::PlotPenPixel(TPoint device, uint32_t value)
{
    if (PointVisible(device)) ApplyPenSpan(device.y, device.x, device.x + 1, value, state_.pen.Mode);
}

void TCanvas::DrawPenLine(TPoint from, TPoint to, int& patternPos)
{
    const TPen& pen = state_.pen;
    uint32_t value = DeviceValue(pen.Color);
    if (pen.Width <= 1) {
        std::span<const int> pattern = DashPattern(pen.Style);
        if (pattern.empty() && (from.x == to.x || from.y == to.y) && from != to) {
            // Straight solid lines are spans: no walk over pixels that may lie far outside.
            TRect line = from.y == to.y ? Rect(std::min(from.x, to.x + 1), from.y, std::max(from.x + 1, to.x), from.y + 1)
                                        : Rect(from.x, std::min(from.y, to.y + 1), from.x + 1, std::max(from.y + 1, to.y));
            ApplyToRegion(TRegion(line), pen.Color, pen.Mode);
            return;
        }
        raster::LinePixels(from, to, [&](TPoint p) {
            if (PatternIsOn(pattern, patternPos++)) PlotPenPixel(p, value);
        });
        return;
    }
    // A wide pen stamps a square on every pixel of the line; the union keeps each pixel
    // touched once, so that inverting modes stay reversible.
    int w = pen.Width, half = (w - 1) / 2;
    std::vector<TRect> stamps;
    raster::LinePixels(from, to, [&](TPoint p) { stamps.push_back(Bounds(p.x - half, p.y - half, w, w)); });
    ApplyToRegion(TRegion::FromRects(stamps), pen.Color, pen.Mode);
}

void TCanvas::LineTo(int x, int y)
{
    TPoint from{state_.penPos.x + state_.origin.x, state_.penPos.y + state_.origin.y};
    TPoint to{x + state_.origin.x, y + state_.origin.y};
    int patternPos = 0;
    if (HasPen()) DrawPenLine(from, to, patternPos);
    state_.penPos = {x, y};
}

void TCanvas::Polyline(std::span<const TPoint> points)
{
    if (points.empty()) return;
    int patternPos = 0;
    for (size_t i = 1; i < points.size() && HasPen(); ++i)
        DrawPenLine({points[i - 1].x + state_.origin.x, points[i - 1].y + state_.origin.y},
                    {points[i].x + state_.origin.x, points[i].y + state_.origin.y}, patternPos);
    state_.penPos = points.back();
}

void TCanvas::FillRect(const TRect& rect)
{
    if (!HasBrush()) return;
    uint32_t value = DeviceValue(state_.brush.Color);
    ForEachVisible(ToDevice(Normalized(rect)),
                   [&](const TRect& r) { pixels::FillRect(*target_, r.Left, r.Top, r.Right, r.Bottom, value); });
}

void TCanvas::FillRegion(const TRegion& region)
{
    if (!HasBrush()) return;
    ApplyToRegion(region.Offset(state_.origin.x, state_.origin.y), state_.brush.Color, TPenMode::pmCopy);
}

void TCanvas::FrameRect(const TRect& rect)
{
    if (!HasBrush()) return;
    TRect device = ToDevice(Normalized(rect));
    ApplyToRegion(TRegion(device) - TRegion(device.Inflate(-1, -1)), state_.brush.Color, TPenMode::pmCopy);
}

void TCanvas::Rectangle(const TRect& rect)
{
    TRect device = ToDevice(Normalized(rect));
    if (device.IsEmpty()) return;
    const TPen& pen = state_.pen;
    if (!HasPen()) {
        if (HasBrush()) ApplyToRegion(TRegion(device), state_.brush.Color, pen.Mode);
        return;
    }
    // A wide pen is centred on the outline path, except for psInsideFrame.
    int w = std::max(pen.Width, 1);
    TRect outer = pen.Style == TPenStyle::psInsideFrame
                      ? device
                      : TRect{device.Left - (w - 1) / 2, device.Top - (w - 1) / 2, device.Right + w / 2, device.Bottom + w / 2};
    TRect inner = outer.Inflate(-w, -w);
    if (HasBrush() && !inner.IsEmpty()) ApplyToRegion(TRegion(inner), state_.brush.Color, pen.Mode);
    if (w == 1 && !DashPattern(pen.Style).empty()) {
        TPoint corners[] = {{outer.Left, outer.Top},
                            {outer.Right - 1, outer.Top},
                            {outer.Right - 1, outer.Bottom - 1},
                            {outer.Left, outer.Bottom - 1},
                            {outer.Left, outer.Top}};
        int patternPos = 0;
        for (size_t i = 1; i < std::size(corners); ++i) DrawPenLine(corners[i - 1], corners[i], patternPos);
        return;
    }
    ApplyToRegion(TRegion(outer) - TRegion(inner), pen.Color, pen.Mode);
}

void TCanvas::Ellipse(const TRect& rect)
{
    TRect device = ToDevice(Normalized(rect));
    if (device.IsEmpty()) return;
    const TPen& pen = state_.pen;
    if (!HasPen()) {
        if (HasBrush()) ApplyToRegion(RegionOfSpans(raster::EllipseSpans(device)), state_.brush.Color, pen.Mode);
        return;
    }
    int w = std::max(pen.Width, 1);
    if (w == 1) {
        if (HasBrush())
            ApplyToRegion(RegionOfSpans(raster::EllipseInteriorSpans(device)), state_.brush.Color, pen.Mode);
        std::vector<TRect> outline;
        for (TPoint p : raster::EllipseOutline(device)) outline.push_back(Bounds(p.x, p.y, 1, 1));
        ApplyToRegion(TRegion::FromRects(outline), pen.Color, pen.Mode);
        return;
    }
    TRect outer = pen.Style == TPenStyle::psInsideFrame ? device : device.Inflate((w - 1) / 2, (w - 1) / 2);
    TRect inner = outer.Inflate(-w, -w);
    TRegion inside = inner.IsEmpty() ? TRegion() : RegionOfSpans(raster::EllipseSpans(inner));
    if (HasBrush()) ApplyToRegion(inside, state_.brush.Color, pen.Mode);
    ApplyToRegion(RegionOfSpans(raster::EllipseSpans(outer)) - inside, pen.Color, pen.Mode);
}

void TCanvas::Polygon(std::span<const TPoint> points)
{
    if (points.empty()) return;
    std::vector<TPoint> device;
    for (TPoint p : points) device.push_back({p.x + state_.origin.x, p.y + state_.origin.y});
    if (HasBrush()) ApplyToRegion(RegionOfSpans(raster::PolygonSpans(device)), state_.brush.Color, state_.pen.Mode);
    if (HasPen()) {
        int patternPos = 0;
        for (size_t i = 0; i < device.size(); ++i) DrawPenLine(device[i], device[(i + 1) % device.size()], patternPos);
    }
}

void TCanvas::DrawFocusRect(const TRect& rect)
{
    TRect d = ToDevice(Normalized(rect));
    if (d.IsEmpty()) return;
    auto invert = [&](int x, int y) {
        if (((x + y) & 1) == 0 && PointVisible({x, y}))
            pixels::TransformRow(*target_, y, x, x + 1, [](uint32_t v) { return ~v; });
    };
    for (int x = d.Left; x < d.Right; ++x) {
        invert(x, d.Top);
        if (d.Bottom - 1 > d.Top) invert(x, d.Bottom - 1);
    }
    for (int y = d.Top + 1; y < d.Bottom - 1; ++y) {
        invert(d.Left, y);
        if (d.Right - 1 > d.Left) invert(d.Right - 1, y);
    }
}

void TCanvas::InvertRect(const TRect& rect)
{
    ApplyToRegion(TRegion(ToDevice(Normalized(rect))), clBlack, TPenMode::pmNot);
}

} // namespace tavrik
