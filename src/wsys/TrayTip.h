#pragma once

#include "core/Geometry.h"
#include "wsys/WinTypes.h"

#include <string>

namespace tavrik {

// The plain tool-tip of a notification-area icon, in the hint colours: a popup that never
// takes the focus, placed below the pointer and kept on the pointer's monitor.
class TTrayTip {
public:
    TTrayTip();
    ~TTrayTip();
    TTrayTip(const TTrayTip&) = delete;
    TTrayTip& operator=(const TTrayTip&) = delete;

    void Show(const std::string& text, TPoint cursor);
    void Hide();
    bool Visible() const;
    HWND Window() const { return hwnd_; }

private:
    static LRESULT Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void Paint();

    HWND hwnd_ = nullptr;
};

} // namespace tavrik
