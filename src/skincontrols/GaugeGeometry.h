#pragma once

#include "skincontrols/TrackBarGeometry.h"

#include <string>
#include <vector>

namespace tavrik {

// The filled part of a gauge's progress area: from the left (vertical: from the bottom).
TRect ProgressFillRect(const TRect& area, bool vertical, const TValueRange& range);

// The gauge's text: text when showText, then the rounded percentage and "%" when showPercent.
std::string ProgressString(const TValueRange& range, bool showText, const std::string& text, bool showPercent);

// One copy from the skin picture onto the gauge.
struct TGaugePiece {
    TRect Source;
    TRect Dest;

    friend bool operator==(const TGaugePiece&, const TGaugePiece&) = default;
};

// How the skin's progress image fills the rectangle fill, along the gauge's axis:
//
//   progress image:  [begin|     middle      |end]
//   fill:            [begin|middle|middle|mid|end]    middle tiled, the last copy cut
//
// A vertical gauge lays its middle copies from the bottom up, cut at the top; its begin cap
// is at the top. The middle is drawn only when the fill is longer than both caps, the caps
// only when it is at least as long; a middle of no length is not drawn. Negative cap
// lengths count as 0.
std::vector<TGaugePiece> GaugeFillPieces(const TRect& fill, const TRect& progressImage, int beginCap, int endCap,
                                         bool vertical);

} // namespace tavrik
