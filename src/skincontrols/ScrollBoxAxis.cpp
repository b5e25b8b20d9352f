#include "skincontrols/ScrollBoxAxis.h"

#include <algorithm>
#include <cstdint>

namespace tavrik {

TScrollAxisUpdate UpdateScrollAxis(const TScrollAxisState& s)
{
    const int64_t content = int64_t(s.Position) + s.ContentEnd;
    TScrollAxisUpdate u;
    if (content <= s.ClientLength) {
        u.Shift = std::max(s.Position, 0);
        return u;
    }
    u.Visible = true;
    u.Max = int(std::min<int64_t>(content - 1, INT32_MAX));
    u.PageSize = s.ClientLength;
    u.Position = s.Position;
    const bool endInView = s.Position > 0 && s.ContentEnd < s.ClientLength;
    if (endInView && s.Grow > 0) {
        // The box grew while scrolled and the content's end came into view.
        u.Shift = std::min(s.Grow, s.Position);
    } else if (endInView && s.Grow == 0 && content - 1 < s.Max) {
        // The content shrank while scrolled.
        const int64_t t = (int64_t(s.Max) - content + 1) + (int64_t(s.Max) - s.PageSize + 1) + s.Position;
        u.Shift = int(std::clamp<int64_t>(t, 0, s.Position));
    }
    u.Position -= u.Shift;
    return u;
}

} // namespace tavrik
