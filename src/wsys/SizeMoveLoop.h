#pragma once

#include "wsys/WinTypes.h"

namespace tavrik {

class TWindowSystem;
struct TWindow;

// The loop that moves or sizes a window while the left button is held, started by
// DefWindowProc for a press on a caption or sizing hit code (WM_SYSCOMMAND SC_MOVE/SC_SIZE).
//
//   WM_ENTERSIZEMOVE, WM_GETMINMAXINFO, then per pointer move:
//     WM_MOVING (move) or WM_SIZING (size) with the proposed screen rectangle, which the
//     handler may change, and - when the rectangle differs - SetWindowPos, hence
//     WM_WINDOWPOSCHANGING/CHANGED, WM_MOVE and WM_SIZE;
//   ended by the button release or Enter (the window keeps its place) or Esc (the window
//   returns to where it started), or by losing the mouse capture;
//   then WM_CAPTURECHANGED and WM_EXITSIZEMOVE.
//
// Sizes are kept within the minimum and maximum tracking sizes before WM_SIZING is sent.
// The window follows the pointer live ("full-window drag"); with that setting off it only
// takes its final place when the loop ends.
class TSizeMoveLoop {
public:
    // edge: 0 to move, else the WMSZ_* edge being dragged.
    TSizeMoveLoop(TWindowSystem& ws, TWindow* window, int edge, TPoint cursor);
    void Run();

private:
    void Track(TPoint cursor);
    TRect Proposed(TPoint cursor) const;
    void Place(const TRect& screenRect);

    TWindowSystem& ws_;
    HWND handle_;
    int edge_;
    TPoint startCursor_;
    TPoint lastCursor_;
    TRect startRect_; // screen coordinates
    TRect current_;
    TPoint minTrack_;
    TPoint maxTrack_;
};

} // namespace tavrik
