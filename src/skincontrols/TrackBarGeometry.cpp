#include "skincontrols/TrackBarGeometry.h"

#include "core/Rounding.h"

#include <algorithm>

namespace tavrik {

int TValueRange::Clamp(int value) const { return std::max(Min, std::min(value, Max)); }

double TValueRange::Share() const
{
    if (Max <= Min) return 0;
    const double k = (double(Value) - Min) / (double(Max) - Min);
    return std::clamp(k, 0.0, 1.0);
}

TThumbPlace PlaceThumb(const TRect& track, TSize thumb, bool vertical, const TValueRange& range)
{
    TThumbPlace p;
    const double k = range.Share();
    if (!vertical) {
        p.TrackStart = track.Left + thumb.cx / 2;
        p.TrackEnd = track.Right - thumb.cx / 2;
        p.Offset = int(Round((p.TrackEnd - p.TrackStart) * k));
        const int left = p.TrackStart + p.Offset - thumb.cx / 2;
        const int top = track.Top + track.Height() / 2 - thumb.cy / 2;
        p.Thumb = Bounds(left, top, thumb.cx, thumb.cy);
    } else {
        p.TrackStart = track.Top + thumb.cy / 2;
        p.TrackEnd = track.Bottom - thumb.cy / 2;
        p.Offset = int(Round((p.TrackEnd - p.TrackStart) * k));
        const int top = p.TrackEnd - p.Offset - thumb.cy / 2;
        const int left = track.Left + track.Width() / 2 - thumb.cx / 2;
        p.Thumb = Bounds(left, top, thumb.cx, thumb.cy);
    }
    return p;
}

TRect FilledPart(const TThumbPlace& place, TSize bar, bool vertical)
{
    if (!vertical) return {0, 0, std::clamp(place.TrackStart + place.Offset, 0, bar.cx), bar.cy};
    return {0, std::clamp(place.TrackEnd - place.Offset, 0, bar.cy), bar.cx, bar.cy};
}

int ValueFromOffset(int offset, int trackLength, const TValueRange& range)
{
    const double k = trackLength > 0 ? std::clamp(double(offset) / trackLength, 0.0, 1.0) : 0.0;
    const int64_t value = int64_t(range.Min) + Round((double(range.Max) - range.Min) * k);
    return range.Clamp(int(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX)));
}

TSize PlainThumbSize(TSize control, bool vertical)
{
    if (!vertical) {
        const int height = std::max(0, control.cy - 4);
        return {height / 2, height};
    }
    const int width = std::max(0, control.cx - 4);
    return {width, width / 2};
}

TRect PlainTrack(TSize control) { return {2, 2, control.cx - 2, control.cy - 2}; }

int JumpOffset(TPoint point, const TThumbPlace& place, bool vertical)
{
    return vertical ? place.TrackEnd - point.y : point.x - place.TrackStart;
}

int DragOffset(TPoint point, TPoint grabbedAt, int grabbedOffset, bool vertical)
{
    return vertical ? grabbedAt.y + grabbedOffset - point.y : point.x + grabbedOffset - grabbedAt.x;
}

} // namespace tavrik
