#pragma once

#include "wsys/WinTypes.h"

namespace tavrik {

// The frame that DefWindowProc gives a window by its styles: a thick (sizing) frame of
// SM_CXFRAME, a dialog frame of SM_CXDLGFRAME or a one-pixel border, a caption of
// SM_CYCAPTION when both caption bits are set, and the 2-pixel sunken client edge.
// Returned as the widths of the four sides.
TRect FrameInsets(DWORD style, DWORD exStyle);

// The client rectangle DefWindowProc gives a window rectangle: inside the frame, less the
// strips of the scroll bars that WS_VSCROLL and WS_HSCROLL ask for.
TRect DefaultClientRect(DWORD style, DWORD exStyle, const TRect& windowRect);

// The hit code DefWindowProc answers for a point in window coordinates.
int DefaultHitTest(DWORD style, DWORD exStyle, TSize windowSize, const TRect& client, TPoint p);

} // namespace tavrik
