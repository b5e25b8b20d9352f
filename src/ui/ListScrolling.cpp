#include "ui/ListScrolling.h"

#include "wsys/WinConstants.h"

namespace tavrik {

namespace {

// The window system's scroll request codes (SB_*).
enum : int { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kTop, kBottom };

} // namespace

int ScrollTarget(int code, int thumb, int position, int line, int page, int last)
{
    switch (code) {
    case kLineUp: return position - line;
    case kLineDown: return position + line;
    case kPageUp: return position - page;
    case kPageDown: return position + page;
    case kThumbPosition:
    case kThumbTrack: return thumb;
    case kTop: return 0;
    case kBottom: return last;
    default: return position;
    }
}

int WheelLines(int delta) { return delta * 3 / WHEEL_DELTA; }

} // namespace tavrik
