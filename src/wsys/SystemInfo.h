#pragma once

#include "wsys/Backend.h"
#include "wsys/WinTypes.h"

#include <vector>

namespace tavrik {

// GetSystemMetrics of the current window system: sizes of the screen from the backend,
// fixed values for the rest (borders, captions, double-click area, icon sizes).
int SystemMetric(int index);

// The monitor sharing the most area with the rectangle, else the nearest one; the primary
// monitor (index 0) for an empty rectangle.
size_t MonitorIndexNearest(const std::vector<TMonitor>& monitors, const TRect& rect);

TCursorShape CursorShapeOf(HCURSOR cursor);

} // namespace tavrik
