#pragma once

#include "wsys/Messages.h"
#include "wsys/WinConstants.h"
#include "wsys/WinTypes.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class TBitmap;
class TRegion;

// The window system's programming interface, in the vocabulary and with the numbers of the
// Windows one. Every function works on the current TWindowSystem (WindowSystem.h) and must be
// called on the user-interface thread, except PostMessage. Handles of destroyed windows are
// safe everywhere: functions given one fail quietly (0, false, nullptr).
//
// Coordinates: a child window's rectangle is relative to its parent's client area, a top-level
// window's to the screen. Window coordinates start at a window's top-left corner, client
// coordinates at its client area's.
//
// Text is UTF-8 throughout.

bool RegisterClass(const WNDCLASS& wc);
bool UnregisterClass(std::string_view className);

// Creation sends, in this order: WM_NCCREATE (answer 0 fails), WM_NCCALCSIZE (wParam 0),
// WM_CREATE (answer -1 fails), WM_SIZE, WM_MOVE, WM_PARENTNOTIFY(WM_CREATE) to the parent of
// a child without WS_EX_NOPARENTNOTIFY; then, with WS_VISIBLE, it shows the window as
// ShowWindow(SW_SHOW) does (a child without activation and without WM_SHOWWINDOW).
// `parent` is the parent of a WS_CHILD window and the owner of any other: an owned window
// stays above its owner and is destroyed with it. New windows go on top of their siblings.
// A WS_POPUP window with WS_EX_TOOLWINDOW becomes a popup of the desktop (menus, hints,
// drop-down lists), bypassing the window manager.
HWND CreateWindowEx(DWORD exStyle, std::string_view className, std::string_view windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, intptr_t id = 0, LPARAM param = 0);
// Destroys owned windows first; hides the window (WM_WINDOWPOSCHANGING/CHANGED), moves
// activation and focus away, then WM_DESTROY goes to the window and its children, parents
// first, and WM_NCDESTROY children first. The handle is invalid afterwards.
bool DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);
// The parent of a child window, the owner of a WS_POPUP window, else nullptr.
HWND GetParent(HWND hwnd);
HWND SetParent(HWND child, HWND newParent); // nullptr makes it a top-level window
HWND GetAncestor(HWND hwnd, UINT flags);     // GA_PARENT, GA_ROOT, GA_ROOTOWNER
HWND GetWindow(HWND hwnd, UINT relation);    // GW_*
HWND GetTopWindow(HWND parent);              // nullptr: the topmost top-level window
bool IsChild(HWND parent, HWND hwnd);        // any depth
// Children topmost first; with nullptr the top-level windows, topmost first.
std::vector<HWND> GetChildWindows(HWND parent);
std::string GetClassName(HWND hwnd);

LONG_PTR GetWindowLongPtr(HWND hwnd, int index);
// GWL_STYLE and GWL_EXSTYLE send WM_STYLECHANGING and WM_STYLECHANGED; the new styles take
// effect on the frame with SetWindowPos(SWP_FRAMECHANGED), as on Windows.
LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
bool SetWindowText(HWND hwnd, std::string_view text); // WM_SETTEXT
std::string GetWindowText(HWND hwnd);                  // WM_GETTEXT
int GetWindowTextLength(HWND hwnd);                    // in bytes
bool SetProp(HWND hwnd, std::string_view name, intptr_t value);
intptr_t GetProp(HWND hwnd, std::string_view name);
intptr_t RemoveProp(HWND hwnd, std::string_view name);

// A window's procedure is a chain: the class procedure at the end, and in front of it every
// procedure installed with SubclassWindow, the latest first. A message goes to the front;
// each link passes on what it does not handle with CallWindowProc(its own id, ...). Links can
// be removed in any order, also from inside a message, and the chain closes over the gap.
TWndProcId SubclassWindow(HWND hwnd, WNDPROC proc);
bool RemoveWindowSubclass(HWND hwnd, TWndProcId id);
// Calls the procedure behind link `id` (DefWindowProc behind the class procedure).
LRESULT CallWindowProc(TWndProcId id, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A subclass that removes itself when it goes out of scope.
class TWindowSubclass {
public:
    TWindowSubclass() = default;
    TWindowSubclass(HWND hwnd, WNDPROC proc);
    ~TWindowSubclass();
    TWindowSubclass(TWindowSubclass&& other) noexcept;
    TWindowSubclass& operator=(TWindowSubclass&& other) noexcept;
    TWindowSubclass(const TWindowSubclass&) = delete;
    TWindowSubclass& operator=(const TWindowSubclass&) = delete;

    LRESULT CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const;
    void Remove();
    HWND Window() const { return hwnd_; }
    TWndProcId Id() const { return id_; }

private:
    HWND hwnd_ = nullptr;
    TWndProcId id_ = 0;
};

// Calls the window procedure at once; 0 for a handle that is not (or no longer) a window.
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues the message; nullptr posts a message for the loop itself. Allowed from any thread.
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);
// A message number of its own for the name (0xC000 to 0xFFFF), the same for the same name as
// long as the program runs, so that code that shares no header can agree on a message.
UINT RegisterWindowMessage(std::string_view name);
// Takes messages in this order: posted, input (each mouse or key event translated when it is
// taken: WM_NCHITTEST, WM_MOUSEACTIVATE and activation, WM_SETCURSOR happen then), WM_QUIT,
// WM_PAINT (after the window's pending WM_NCPAINT was sent), WM_TIMER. When nothing is left,
// painted pixels are presented. GetMessage waits (on the backend) and answers false for WM_QUIT.
bool GetMessage(MSG* msg, HWND hwnd = nullptr, UINT first = 0, UINT last = 0);
bool PeekMessage(MSG* msg, HWND hwnd = nullptr, UINT first = 0, UINT last = 0, UINT flags = PM_REMOVE);
// Characters arrive as WM_CHAR without translation; this only exists for loops written in the
// usual shape and does nothing.
bool TranslateMessage(const MSG* msg);
LRESULT DispatchMessage(const MSG* msg);
void WaitMessage();
// Handles every message, paint and due timer that is pending, without waiting. A WM_QUIT it
// meets stays queued for the main loop.
void ProcessMessages();
// Runs a nested (modal) loop until done() answers true; false when WM_QUIT ended it (the
// quit stays queued). Every message passes the message filter first.
bool RunMessageLoopUntil(const std::function<bool()>& done);
// Marks a stretch in which a loop waits for threads of work that post a message (PostMessage,
// from their thread) each time they finish something. On a real display this changes nothing;
// the headless backend then waits for the post in real time instead of moving its virtual
// clock to the next timer, so that a test's timers fire only when the test moves time.
class TWorkerWait {
public:
    TWorkerWait();
    ~TWorkerWait();
    TWorkerWait(const TWorkerWait&) = delete;
    TWorkerWait& operator=(const TWorkerWait&) = delete;
};
// The filter sees every message the loops of the window system dispatch (RunMessageLoopUntil,
// ProcessMessages, the move/size loop) and answers true for those it handled. Returns the
// previous filter.
std::function<bool(MSG&)> SetMessageFilter(std::function<bool(MSG&)> filter);
// Lets `ms` milliseconds of the tick clock pass without handling any message (on the
// headless backend the virtual clock moves at once, so loops that wait for time end in tests).
void Sleep(DWORD ms);
DWORD GetMessageTime(); // of the last message taken from the queue
TPoint GetMessagePos(); // cursor position, in screen coordinates, when it was queued

// Sends WM_WINDOWPOSCHANGING (the handler may change the WINDOWPOS), WM_NCCALCSIZE (wParam 1)
// when the size or frame changes, then WM_WINDOWPOSCHANGED, whose DefWindowProc sends WM_MOVE
// and WM_SIZE for a real change of the client area. Without SWP_NOACTIVATE a shown top-level
// window is also activated. Areas that change are invalidated (unless SWP_NOREDRAW).
bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint = true);
// Showing sends WM_SHOWWINDOW, WM_WINDOWPOSCHANGING, WM_WINDOWPOSCHANGED, then activates a
// top-level window (WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS through DefWindowProc) unless the
// command is SW_SHOWNA or SW_SHOWNOACTIVATE; hiding the reverse. Answers whether it was visible.
bool ShowWindow(HWND hwnd, int command);
bool IsWindowVisible(HWND hwnd); // it and all its ancestors are shown
bool IsIconic(HWND hwnd);
bool IsZoomed(HWND hwnd);
bool BringWindowToTop(HWND hwnd);
TRect GetWindowRect(HWND hwnd); // screen coordinates
TRect GetClientRect(HWND hwnd); // (0, 0, width, height) of the client area
TPoint ClientToScreen(HWND hwnd, TPoint p);
TPoint ScreenToClient(HWND hwnd, TPoint p);
// From the client coordinates of one window to those of another; nullptr means the screen.
TPoint MapWindowPoints(HWND from, HWND to, TPoint p);
TRect MapWindowPoints(HWND from, HWND to, const TRect& r);
// The window rectangle that gives the client rectangle with the default frame of the styles.
TRect AdjustWindowRectEx(const TRect& client, DWORD style, DWORD exStyle);
// The deepest shown, enabled window under a screen point (asks WM_NCHITTEST for
// HTTRANSPARENT), or nullptr.
HWND WindowFromPoint(TPoint screen);
// The child directly under a point of the parent's client area, the parent itself when no
// child is there, nullptr outside it.
HWND ChildWindowFromPoint(HWND parent, TPoint client);

// The window region (shape) in window coordinates: only its pixels are drawn and take the
// mouse. std::nullopt makes the window rectangular again. With redraw the window repaints.
bool SetWindowRgn(HWND hwnd, std::optional<TRegion> region, bool redraw);
std::optional<TRegion> GetWindowRgn(HWND hwnd);
// Constant opacity of a WS_EX_LAYERED top-level window (LWA_ALPHA; colour keys are ignored).
bool SetLayeredWindowAttributes(HWND hwnd, TColor key, uint8_t alpha, DWORD flags);
bool GetLayeredWindowAttributes(HWND hwnd, uint8_t* alpha);
// Whether the display shows window opacity at all.
bool LayeredWindowsSupported();

// Activation goes to top-level windows. Activating B after A sends A WM_NCACTIVATE(0) and
// WM_ACTIVATE(WA_INACTIVE), then (only when the program had no active window or loses it)
// WM_ACTIVATEAPP to all top-level windows, then B WM_NCACTIVATE(1) and WM_ACTIVATE(WA_ACTIVE or
// WA_CLICKACTIVE); DefWindowProc of WM_ACTIVATE gives B the focus. Activation raises B with
// the windows it owns.
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
bool SetForegroundWindow(HWND hwnd);
HWND GetForegroundWindow();
// WM_KILLFOCUS to the old focus, then WM_SETFOCUS to the new; a window of an inactive
// top-level window activates that first.
HWND SetFocus(HWND hwnd);
HWND GetFocus();
// Disabling takes focus and capture from the window and its children; sends WM_ENABLE. A
// disabled window gets no mouse input; a click on a disabled top-level window beeps and
// activates the window it last activated among those it owns (the modal one).
bool EnableWindow(HWND hwnd, bool enable);
bool IsWindowEnabled(HWND hwnd);
// For a modal window: disables every shown, enabled top-level window except `modal` and the
// windows it owns, and answers them so that EnableTaskWindows can enable them again.
std::vector<HWND> DisableTaskWindows(HWND modal);
void EnableTaskWindows(const std::vector<HWND>& windows);
// While a window holds the capture it gets every mouse message as a client message, wherever
// the pointer is. The window losing it gets WM_CAPTURECHANGED (lParam: the new holder).
HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();
// A shown top-level popup that takes no activation and holds no capture (a menu, a drop-down
// list) asks to hear of presses outside it: while it watches, every mouse button press whose
// window is not one of the watching popups (another window of the program, or none of the
// program's) first sends each shown watching popup WM_CANCELMODE; the press then goes on to
// its window, if it has one of ours. A watch ends with `watch` false or when the window goes.
bool WatchOutsidePresses(HWND popup, bool watch);
// TME_LEAVE (client) or TME_LEAVE | TME_NONCLIENT: WM_MOUSELEAVE or WM_NCMOUSELEAVE is posted
// once when the pointer leaves that area of the window; TME_CANCEL stops it.
bool TrackMouseEvent(TRACKMOUSEEVENT* track);
// Bit 0x8000: held down, bit 0x0001: toggled. GetKeyState reports the state as of the input
// message last taken from the queue, GetAsyncKeyState the state now.
int16_t GetKeyState(int vk);
int16_t GetAsyncKeyState(int vk);

HCURSOR LoadCursor(uint32_t idc); // the standard IDC_* shapes
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();
TPoint GetCursorPos();
bool SetCursorPos(int x, int y);
bool CreateCaret(HWND hwnd, int width, int height); // hidden until ShowCaret
bool DestroyCaret();
bool SetCaretPos(int x, int y); // client coordinates of the caret's window
TPoint GetCaretPos();
bool ShowCaret(HWND hwnd);
bool HideCaret(HWND hwnd);
bool SetCaretBlinkTime(UINT ms);
UINT GetCaretBlinkTime();

// WM_TIMER every `elapse` milliseconds of the tick clock (at least USER_TIMER_MINIMUM),
// generated when the queue holds nothing else, one at a time per timer; with a callback the
// callback runs instead of the window procedure. A window's timer id is its own; a timer
// without a window gets a fresh id, which is returned.
uint64_t SetTimer(HWND hwnd, uint64_t id, UINT elapse, TIMERPROC proc = {});
bool KillTimer(HWND hwnd, uint64_t id);

// Areas are in client coordinates; nullptr means the whole client area.
bool InvalidateRect(HWND hwnd, const TRect* rect, bool erase);
bool InvalidateRgn(HWND hwnd, const TRegion* region, bool erase);
bool ValidateRect(HWND hwnd, const TRect* rect);
bool ValidateRgn(HWND hwnd, const TRegion* region);
// RDW_INVALIDATE, RDW_VALIDATE, RDW_ERASE, RDW_FRAME (the non-client area too, WM_NCPAINT),
// RDW_ALLCHILDREN, RDW_UPDATENOW (paint at once).
bool RedrawWindow(HWND hwnd, const TRect* rect, const TRegion* region, UINT flags);
// Paints the window and its children now if anything of them is invalid, and presents it.
bool UpdateWindow(HWND hwnd);
bool GetUpdateRect(HWND hwnd, TRect* rect);
// The canvas is clipped to the update area (and to what of the window can be seen); sends
// WM_ERASEBKGND first when the invalidation asked for erasing. The update area is validated.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
bool EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
// A canvas on the client area (GetDC) or the whole window (GetWindowDC), clipped to what can
// be seen, children cut out; give it back with ReleaseDC.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
// GetDC with choices (DCX_*): DCX_WINDOW the whole window; without DCX_CLIPCHILDREN the
// canvas paints over the children too (feedback drawn across a window, such as a splitter's
// line); DCX_INTERSECTRGN narrows it to `clip` (in the canvas's coordinates). Other flags are
// accepted and change nothing.
HDC GetDCEx(HWND hwnd, const TRegion* clip, DWORD flags);
int ReleaseDC(HWND hwnd, HDC dc);

// BeginPaint and EndPaint as one object, for WM_PAINT handlers.
class TPaintDC {
public:
    explicit TPaintDC(HWND hwnd) : hwnd_(hwnd) { BeginPaint(hwnd, &ps_); }
    ~TPaintDC() { EndPaint(hwnd_, &ps_); }
    TPaintDC(const TPaintDC&) = delete;
    TPaintDC& operator=(const TPaintDC&) = delete;
    TCanvas& Canvas() const { return *ps_.hdc; }
    const PAINTSTRUCT& Info() const { return ps_; }

private:
    HWND hwnd_;
    PAINTSTRUCT ps_;
};

// GetDC (or GetWindowDC) and ReleaseDC as one object.
class TWindowDC {
public:
    explicit TWindowDC(HWND hwnd, bool wholeWindow = false)
        : hwnd_(hwnd), dc_(wholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    ~TWindowDC()
    {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    TWindowDC(const TWindowDC&) = delete;
    TWindowDC& operator=(const TWindowDC&) = delete;
    // nullptr when the window did not exist.
    TCanvas* Canvas() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

// A window's own bars (SB_HORZ, SB_VERT) sit in its frame beside the client area while it has
// WS_HSCROLL or WS_VSCROLL, which take SM_CYHSCROLL and SM_CXVSCROLL off the client area; a
// press on them (HTHSCROLL, HTVSCROLL) runs a tracking loop that sends the window
// WM_HSCROLL/WM_VSCROLL with the SB_* request in the low word of wParam (and the position in
// the high word for SB_THUMBTRACK and SB_THUMBPOSITION): arrows and the track repeat while
// held (500 ms, then every 50 ms), the thumb is dragged, and SB_ENDSCROLL ends every press.
// The window moves its contents itself and then sets the new position.
//
// SB_CTL is the bar of a scroll-bar control (class WC_SCROLLBAR, or any window whose
// procedure passes its messages to ScrollBarControlProc): the whole client area, vertical with
// SBS_VERT; it sends its requests to its parent with lParam the control's handle.
//
// Positions stay in [nMin, nMax - max(nPage - 1, 0)]. A frame bar shows while its range
// scrolls anything and hides otherwise (with SIF_DISABLENOSCROLL it stays, disabled).
inline constexpr std::string_view WC_SCROLLBAR = "ScrollBar";
// Answers the new position.
int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, bool redraw = true);
// nTrackPos is where the thumb is being dragged to (the position when it is not dragged).
bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info);
int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw = true); // answers the previous position
int GetScrollPos(HWND hwnd, int bar);
bool SetScrollRange(HWND hwnd, int bar, int min, int max, bool redraw = true);
bool GetScrollRange(HWND hwnd, int bar, int* min, int* max);
// SB_HORZ, SB_VERT, SB_BOTH: sets or clears the style bits and recalculates the frame;
// SB_CTL shows or hides the control.
bool ShowScrollBar(HWND hwnd, int bar, bool show);
// ESB_*: grays one arrow, both (the bar then has no thumb) or none; answers whether it changed.
bool EnableScrollBar(HWND hwnd, int bar, UINT arrows);
// OBJID_HSCROLL, OBJID_VSCROLL (frame bars) or OBJID_CLIENT (a scroll-bar control).
bool GetScrollBarInfo(HWND hwnd, LONG_PTR object, SCROLLBARINFO* info);
// The procedure of WC_SCROLLBAR windows: painting, the mouse, and the arrow, page, Home and
// End keys as requests.
LRESULT ScrollBarControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Moves the pixels of the client area (or of `scroll`) by (dx, dy), changing only those in
// `clip`, and answers the part left uncovered (NULLREGION, SIMPLEREGION, COMPLEXREGION or
// RGN_ERROR) in `updateRegion` / `updateRect`; SW_INVALIDATE (with SW_ERASE) invalidates it,
// SW_SCROLLCHILDREN moves the child windows along (those touching `scroll` when given).
int ScrollWindowEx(HWND hwnd, int dx, int dy, const TRect* scroll, const TRect* clip, TRegion* updateRegion,
                   TRect* updateRect, UINT flags);
// Invalidates and erases what is uncovered; without `scroll` the children move along.
bool ScrollWindow(HWND hwnd, int dx, int dy, const TRect* scroll = nullptr, const TRect* clip = nullptr);

int GetSystemMetrics(int index);
// SPI_GETWORKAREA (TRect*), SPI_GETDRAGFULLWINDOWS (bool*), SPI_SETDRAGFULLWINDOWS (uiParam),
// SPI_GETMOUSEHOVERTIME (UINT*).
bool SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni = 0);
UINT GetDoubleClickTime();
bool SetDoubleClickTime(UINT ms);
bool MessageBeep(UINT type);
HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags);
HMONITOR MonitorFromPoint(TPoint p, DWORD flags);
HMONITOR MonitorFromRect(const TRect& r, DWORD flags);
bool GetMonitorInfo(HMONITOR monitor, MONITORINFO* info);
std::string GetClipboardText();
bool SetClipboardText(std::string_view text);
// Sets or clears WS_EX_ACCEPTFILES: whether the window and its children take files dragged in
// from other programs (WM_QUERYDROPFILES, WM_DROPFILES).
void DragAcceptFiles(HWND hwnd, bool accept);
inline const std::vector<std::string>& DragQueryFiles(HDROP drop) { return drop->files; }
inline TPoint DragQueryPoint(HDROP drop) { return drop->point; }
// The pixels on the screen (what the user sees) in a screen rectangle, as a 24-bit bitmap.
TBitmap CaptureScreen(const TRect& area);

} // namespace tavrik
