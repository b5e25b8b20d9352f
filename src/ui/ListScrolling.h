#pragma once

#include "wsys/WinTypes.h"

#include <algorithm>

// Row arithmetic shared by the controls that scroll a list of rows of known heights one row
// at a time (list box, tree view).
namespace tavrik {

// The rows, from `first`, that fit completely into `height` pixels.
template <class RowHeight>
int FullRowsFrom(int first, int count, int height, RowHeight rowHeight)
{
    int rows = 0;
    for (int i = std::max(0, first); i < count; ++i) {
        height -= rowHeight(i);
        if (height < 0) break;
        ++rows;
    }
    return rows;
}

// The last row that can stand at the top: the first of the rows at the end that fit.
template <class RowHeight>
int LastTopIndex(int count, int height, RowHeight rowHeight)
{
    int top = count;
    while (top > 0 && height - rowHeight(top - 1) >= 0) height -= rowHeight(--top);
    return std::min(top, std::max(0, count - 1));
}

// The new position for a scroll request (the window system's SB_* codes) with the steps of
// a line and a page; the caller clamps it. Unknown codes keep the position.
int ScrollTarget(int code, int thumb, int position, int line, int page, int last);

// Rows (or lines) to scroll for a wheel turn: three per notch, forward (positive) moving up.
// Every control that scrolls by lines takes the wheel this way.
int WheelLines(int delta);

// Shows a window's own bar (SB_VERT or SB_HORZ) for the range min .. max with a page and a
// position; it hides while the page holds the whole range.
void SetWindowScrollBar(HWND hwnd, int bar, int min, int max, int page, int position);

} // namespace tavrik
