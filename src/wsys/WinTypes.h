#pragma once

#include "core/Color.h"
#include "core/Geometry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tavrik {

class TCanvas;

// A window handle is an opaque token, never a pointer to memory: it encodes a slot of the
// window table and that slot's generation, so a handle of a destroyed window stays safe to
// pass anywhere (IsWindow answers false, messages to it return 0) and is never reused.
struct HWND__;
using HWND = HWND__*;

using UINT = uint32_t;
using DWORD = uint32_t;
using WPARAM = uint64_t;
using LPARAM = int64_t;
using LRESULT = int64_t;
using LONG_PTR = int64_t;

// Device contexts are canvases: GetDC/BeginPaint hand out a TCanvas clipped to the window.
using HDC = TCanvas*;

// Cursor shapes are identified by their IDC_* number.
struct HCURSOR__;
using HCURSOR = HCURSOR__*;

// Monitors are numbered from 1 in the order the backend reports them.
struct HMONITOR__;
using HMONITOR = HMONITOR__*;

using WNDPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
// Identifies one link of a window's procedure chain (see SubclassWindow).
using TWndProcId = uint64_t;
// A timer callback: window, WM_TIMER, timer id, tick count.
using TIMERPROC = std::function<void(HWND, UINT, uint64_t, DWORD)>;

constexpr uint16_t LOWORD(uint64_t v) { return uint16_t(v & 0xFFFF); }
constexpr uint16_t HIWORD(uint64_t v) { return uint16_t((v >> 16) & 0xFFFF); }
constexpr LPARAM MAKELPARAM(int lo, int hi)
{
    return LPARAM(uint32_t(uint16_t(lo)) | (uint32_t(uint16_t(hi)) << 16));
}
constexpr WPARAM MAKEWPARAM(int lo, int hi) { return WPARAM(uint64_t(MAKELPARAM(lo, hi))); }
constexpr LRESULT MAKELRESULT(int lo, int hi) { return MAKELPARAM(lo, hi); }
constexpr int GET_X_LPARAM(LPARAM lp) { return int16_t(LOWORD(uint64_t(lp))); }
constexpr int GET_Y_LPARAM(LPARAM lp) { return int16_t(HIWORD(uint64_t(lp))); }
constexpr int GET_WHEEL_DELTA_WPARAM(WPARAM wp) { return int16_t(HIWORD(wp)); }
constexpr uint16_t GET_KEYSTATE_WPARAM(WPARAM wp) { return LOWORD(wp); }
constexpr LPARAM PointToLParam(TPoint p) { return MAKELPARAM(p.x, p.y); }
constexpr TPoint LParamToPoint(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

// Structures travel through LPARAM (and WPARAM) as addresses, as they do on Windows.
template <class T>
LPARAM PtrToLParam(T* p)
{
    return LPARAM(reinterpret_cast<intptr_t>(p));
}
template <class T>
T* LParamToPtr(LPARAM lp)
{
    return reinterpret_cast<T*>(intptr_t(lp));
}

inline HWND HandleFromValue(uint64_t v) { return reinterpret_cast<HWND>(uintptr_t(v)); }
inline uint64_t HandleValue(HWND h) { return uint64_t(reinterpret_cast<uintptr_t>(h)); }

// Special insert-after values of SetWindowPos.
inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = HandleFromValue(1);
inline const HWND HWND_TOPMOST = HandleFromValue(~uint64_t(0));
inline const HWND HWND_NOTOPMOST = HandleFromValue(~uint64_t(0) - 1);

struct MSG {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    TPoint pt; // cursor position in screen coordinates when the message was queued
};

struct WNDCLASS {
    UINT style = 0; // CS_*
    WNDPROC lpfnWndProc;
    HCURSOR hCursor = nullptr;     // cursor over the client area; none leaves the cursor alone
    TColor hbrBackground = clNone; // erase colour; clNone: DefWindowProc does not erase
    std::string lpszClassName;
};

struct CREATESTRUCT {
    LPARAM lpCreateParams = 0;
    intptr_t hMenu = 0; // the control id of a child window
    HWND hwndParent = nullptr;
    int cy = 0, cx = 0, y = 0, x = 0;
    DWORD style = 0;
    const char* lpszName = "";
    const char* lpszClass = "";
    DWORD dwExStyle = 0;
};

struct WINDOWPOS {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0, y = 0, cx = 0, cy = 0;
    UINT flags = 0;
};

// rgrc[0]: the proposed window rectangle on entry, the client rectangle on return (both in
// the parent's client coordinates); rgrc[1] and rgrc[2]: the old window and client rectangles.
struct NCCALCSIZE_PARAMS {
    TRect rgrc[3];
    WINDOWPOS* lppos = nullptr;
};

struct MINMAXINFO {
    TPoint ptReserved;
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

struct STYLESTRUCT {
    DWORD styleOld = 0;
    DWORD styleNew = 0;
};

struct MONITORINFO {
    TRect rcMonitor;
    TRect rcWork;
    DWORD dwFlags = 0; // MONITORINFOF_PRIMARY
};

// Files dragged in from another program (WM_QUERYDROPFILES, WM_DROPFILES): absolute paths in
// UTF-8, in the order the other program gave them, and the pointer in the client coordinates
// of the window the message goes to.
struct TDropFiles {
    std::vector<std::string> files;
    TPoint point;
};
using HDROP = const TDropFiles*;

struct TRACKMOUSEEVENT {
    DWORD dwFlags = 0; // TME_*
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};

// One scroll bar's range, page, position and (while its thumb is dragged) track position.
// fMask says which members are read or filled in (SIF_*).
struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// Where a scroll bar and its parts are: rcScrollBar in screen coordinates, the thumb's ends
// in pixels from the bar's start along it; rgstate[0] the whole bar, then its parts in the
// order line up, page up, thumb, page down, line down (STATE_SYSTEM_*).
struct SCROLLBARINFO {
    DWORD cbSize = sizeof(SCROLLBARINFO);
    TRect rcScrollBar;
    int dxyLineButton = 0;
    int xyThumbTop = 0;
    int xyThumbBottom = 0;
    int reserved = 0;
    DWORD rgstate[6] = {};
};

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    bool fErase = false; // the background still needs erasing (WM_ERASEBKGND answered 0)
    TRect rcPaint;       // bounds of the area to paint, client coordinates
};

} // namespace tavrik
