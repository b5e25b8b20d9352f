#include "skincontrols/GaugeGeometry.h"

#include "core/Rounding.h"

#include <algorithm>

namespace tavrik {

namespace {

// A rectangle with its axes swapped, so that the vertical gauge can use the horizontal rules.
TRect Transposed(const TRect& r) { return {r.Top, r.Left, r.Bottom, r.Right}; }

// The horizontal layout, with the middle copies laid from the left (fromStart) or the right.
std::vector<TGaugePiece> HorizontalPieces(const TRect& fill, const TRect& image, int begin, int end, bool fromStart)
{
    std::vector<TGaugePiece> pieces;
    const TRect middle{image.Left + begin, image.Top, image.Right - end, image.Bottom};
    const TRect run{fill.Left + begin, fill.Top, fill.Right - end, fill.Bottom};
    const int step = middle.Width();
    if (fill.Width() - begin - end > 0 && step > 0) {
        for (int done = 0; done < run.Width(); done += step) {
            const int length = std::min(step, run.Width() - done);
            if (fromStart)
                pieces.push_back({{middle.Left, middle.Top, middle.Left + length, middle.Bottom},
                                  {run.Left + done, run.Top, run.Left + done + length, run.Bottom}});
            else
                pieces.push_back({{middle.Right - length, middle.Top, middle.Right, middle.Bottom},
                                  {run.Right - done - length, run.Top, run.Right - done, run.Bottom}});
        }
    }
    if (fill.Width() >= begin + end) {
        if (begin > 0)
            pieces.push_back({{image.Left, image.Top, image.Left + begin, image.Bottom},
                              {fill.Left, fill.Top, fill.Left + begin, fill.Bottom}});
        if (end > 0)
            pieces.push_back({{image.Right - end, image.Top, image.Right, image.Bottom},
                              {fill.Right - end, fill.Top, fill.Right, fill.Bottom}});
    }
    return pieces;
}

} // namespace

TRect ProgressFillRect(const TRect& area, bool vertical, const TValueRange& range)
{
    const double k = range.Share();
    TRect r = area;
    if (vertical) r.Top = r.Bottom - int(Round(k * area.Height()));
    else r.Right = r.Left + int(Round(k * area.Width()));
    return r;
}

std::string ProgressString(const TValueRange& range, bool showText, const std::string& text, bool showPercent)
{
    std::string s = showText ? text : std::string();
    if (showPercent) s += std::to_string(Round(range.Share() * 100)) + "%";
    return s;
}

std::vector<TGaugePiece> GaugeFillPieces(const TRect& fill, const TRect& progressImage, int beginCap, int endCap,
                                         bool vertical)
{
    beginCap = std::max(0, beginCap);
    endCap = std::max(0, endCap);
    if (!vertical) return HorizontalPieces(fill, progressImage, beginCap, endCap, true);
    std::vector<TGaugePiece> pieces =
        HorizontalPieces(Transposed(fill), Transposed(progressImage), beginCap, endCap, false);
    for (TGaugePiece& p : pieces) p = {Transposed(p.Source), Transposed(p.Dest)};
    return pieces;
}

} // namespace tavrik
