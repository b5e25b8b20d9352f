#pragma once

namespace tavrik {

// One direction of a scrolled box: what its scroll bar shows and how far the children move
// when the extent of the children or the size of the box changed.
struct TScrollAxisState {
    int ClientLength = 0; // the box's client height (width)
    int ContentEnd = 0;   // the farthest bottom (right) edge of the visible children, as they stand
    int Position = 0;     // the bar's position: how far the content is scrolled
    int Max = 0;          // the bar's range and page as they were set last
    int PageSize = 0;
    int Grow = 0;         // by how much the box grew at its last resize, 0 otherwise
};

struct TScrollAxisUpdate {
    bool Visible = false; // the bar is needed
    int Max = 0;          // the bar's new range 0..Max, page and position
    int PageSize = 0;
    int Position = 0;
    int Shift = 0;        // the children move down (right) by this much
};

// The content is ContentEnd + Position long. While it does not fit, the bar ranges over it
// with the client length as its page. A box that grew while scrolled, or whose content shrank
// while scrolled, brings the content back down so that no blank shows below it; once
// everything fits, the children move back to the start and the bar goes away.
TScrollAxisUpdate UpdateScrollAxis(const TScrollAxisState& state);

} // namespace tavrik
