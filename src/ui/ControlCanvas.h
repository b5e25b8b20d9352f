#pragma once

#include "wsys/WinTypes.h"

namespace tavrik {

class TCanvas;
class TControl;

// A canvas on a control outside of painting, for drawing that cannot wait for the next
// paint: a windowed control's client area, or a graphic control's rectangle of its parent,
// with logical (0, 0) at the control's top-left corner. Empty (Canvas() is nullptr) while
// the control has nothing on screen to draw on.
class TControlCanvas {
public:
    explicit TControlCanvas(TControl* control);
    ~TControlCanvas();
    TControlCanvas(const TControlCanvas&) = delete;
    TControlCanvas& operator=(const TControlCanvas&) = delete;

    TCanvas* Canvas() const { return dc_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

} // namespace tavrik
