#pragma once

#include "core/Geometry.h"
#include "wsys/WinTypes.h"

#include <cstdint>

namespace tavrik {

class TCanvas;

// Window services the skinned windows share. Whether windows can be made translucent at all
// is the window system's LayeredWindowsSupported() (wsys/WinApi.h).

// Gives a WS_EX_LAYERED top-level window the constant opacity alpha (0 transparent, 255
// opaque) where the display shows opacity; elsewhere nothing happens.
void SetWindowAlpha(HWND hwnd, uint8_t alpha);

// The work area (screen minus task bars and panels) or, with workArea false, the whole
// rectangle of the monitor nearest to the window; with one monitor, the primary work area
// or (0, 0, screen width, screen height). Screen coordinates.
TRect GetMonitorWorkArea(HWND hwnd, bool workArea);

// Draws the part of the parent's client area under a control at controlPosition (in the
// parent's client coordinates) onto the control's canvas: a parent that is a child window
// first paints itself (WM_PAINT, wParam the canvas), then every parent is asked to erase its
// background (WM_ERASEBKGND, wParam the canvas). The canvas' state is kept. Nothing happens
// without a parent.
void DrawParentBackground(HWND parent, TPoint controlPosition, TCanvas& canvas);
// The same for a child window: its parent and its position come from the window system.
void DrawParentBackground(HWND control, TCanvas& canvas);

} // namespace tavrik
