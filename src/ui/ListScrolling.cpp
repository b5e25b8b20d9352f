#include "ui/ListScrolling.h"

#include "wsys/WinApi.h"
#include "wsys/WinConstants.h"

namespace tavrik {

int ScrollTarget(int code, int thumb, int position, int line, int page, int last)
{
    switch (code) {
    case SB_LINEUP: return position - line;
    case SB_LINEDOWN: return position + line;
    case SB_PAGEUP: return position - page;
    case SB_PAGEDOWN: return position + page;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return thumb;
    case SB_TOP: return 0;
    case SB_BOTTOM: return last;
    default: return position;
    }
}

int WheelLines(int delta) { return delta * 3 / WHEEL_DELTA; }

void SetWindowScrollBar(HWND hwnd, int bar, int min, int max, int page, int position)
{
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = min;
    info.nMax = max;
    info.nPage = UINT(std::max(0, page));
    info.nPos = position;
    SetScrollInfo(hwnd, bar, &info);
}

} // namespace tavrik
