#pragma once

#include "wsys/Backend.h"
#include "wsys/CursorImage.h"

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

// Xlib's types by their own names, so that this header does not bring in Xlib's macros.
struct _XDisplay;
union _XEvent;

namespace tavrik {

class TX11Clipboard;
class TX11Connection;
class TX11Cursors;
class TX11DropTarget;
class TX11InputMethod;
class TX11Presenter;
class TX11Screen;
class TX11Tray;

struct TX11Options {
    std::string display;            // empty: $DISPLAY
    bool sharedMemory = true;       // present through MIT-SHM when the server offers it
    std::string resourceName = "tavrik";  // WM_CLASS, for the desktop's rules and task bar
    std::string resourceClass = "Tavrik";
};

// The window system on an X server: every top-level window of the program becomes an
// undecorated X window (popups become override-redirect windows), painted from the window
// system's backing bitmaps and reporting the server's input.
//
// Programs pick it at start-up:
//
//     std::string error;
//     std::unique_ptr<IBackend> backend = TX11Backend::Open({}, &error);
//     if (!backend) { /* no X display: report `error` */ }
//     TWindowSystem ws(std::move(backend));
//
// Without a window manager everything still works: the program focuses its windows itself,
// and minimized windows are unmapped.
class TX11Backend final : public IBackend, public ICursorImageSource {
public:
    static std::unique_ptr<TX11Backend> Open(const TX11Options& options = {}, std::string* error = nullptr);
    ~TX11Backend() override;

    // For tests and tools.
    _XDisplay* XDisplay() const;
    bool UsesSharedMemory() const;
    // The server has mapped the window (shows it, unless another window covers it).
    bool IsMapped(TNativeWindow window) const;
    bool HasPointerGrab() const { return grabbed_; }
    bool HasKeyboardGrab() const { return keyboardGrabbed_; }
    // The spot the window's input context holds (the caret's bottom-left corner in window
    // coordinates), read back from Xlib; nullopt when the window has no input context.
    std::optional<TPoint> InputSpot(TNativeWindow window) const;
    // Waits until the server has carried out every request sent so far.
    void Sync();
    // The window that shows the icon in the system tray; 0 while it is not docked.
    unsigned long TrayIconWindow(TTrayIconKey key) const;

    void Attach(IBackendHost* host) override { host_ = host; }
    std::vector<TMonitor> Monitors() override;
    TBitmap ReadScreen(const TRect& area) override;
    TNativeWindow CreateNativeWindow(const TNativeWindowParams& params) override;
    void DestroyNativeWindow(TNativeWindow window) override;
    void ShowNativeWindow(TNativeWindow window, bool visible) override;
    void SetNativeBounds(TNativeWindow window, const TRect& bounds) override;
    void SetNativeTitle(TNativeWindow window, const std::string& title) override;
    void SetNativeTopmost(TNativeWindow window, bool topmost) override;
    void SetNativeStacking(const std::vector<TNativeWindow>& topToBottom) override;
    void SetNativeShape(TNativeWindow window, const TRegion* shape) override;
    void SetNativeOpacity(TNativeWindow window, uint8_t alpha) override;
    bool SupportsOpacity() override;
    void ActivateNativeWindow(TNativeWindow window) override;
    void MinimizeNativeWindow(TNativeWindow window, bool minimized) override;
    void PresentNativeWindow(TNativeWindow window, const TBitmap& pixels, const std::vector<TRect>& dirty) override;
    bool NextEvent(TBackendEvent& event) override;
    void WaitForEvents(int64_t timeoutMs) override;
    void Wake() override;
    TPoint CursorPos() override;
    void SetCursorPos(TPoint screen) override;
    void SetCursorShape(TCursorShape shape) override;
    void SetMouseCapture(TNativeWindow window) override;
    void SetTextInputSpot(TNativeWindow window, const TRect& caret) override;
    void WatchOutsidePresses(TNativeWindow popup) override;
    void Beep() override;
    std::string ClipboardText() override;
    void SetClipboardText(const std::string& text) override;
    void AnswerDrag(bool accepted) override;
    void FinishDrop(bool taken) override;
    uint32_t DoubleClickTime() override;
    bool TrayAvailable() override;
    void SetTrayIcon(TTrayIconKey key, const TBitmap& picture) override;
    void RemoveTrayIcon(TTrayIconKey key) override;
    std::optional<TCursorImage> CurrentCursorImage() override;

private:
    using Window = unsigned long; // Xlib's XID, Atom and Time
    using Time = unsigned long;
    using Atom = unsigned long;
    struct TWin {
        Window id = 0;
        TNativeWindowParams params;
        TRect bounds;              // as last asked for or reported, screen coordinates
        unsigned long backing = 0;     // the window's pixels; the server repaints exposures from it
        TSize backingSize;
        bool wantVisible = false;  // the program shows it
        bool mapped = false;       // MapNotify seen, UnmapNotify not since
        bool minimized = false;
        bool reparented = false;   // a window manager put it into a frame of its own
        bool topmost = false;
        unsigned long configureSerial = 0; // events older than our last move are stale
    };

    TX11Backend(std::unique_ptr<TX11Connection> connection, const TX11Options& options);
    TWin* Find(Window w);
    const TWin* Find(Window w) const;
    bool HasWindowManager();
    bool WindowManagerActivates();

    // Window properties (X11Properties.cpp).
    void SetClassHints(Window w);
    void SetMotifHints(Window w);
    void SetWindowType(const TWin& win);
    void SetProtocols(const TWin& win);
    void SetNormalHints(const TWin& win);
    void SetWmHints(const TWin& win, bool iconic);
    void SetIcon(Window w);
    void SetStateProperty(const TWin& win);
    void SendStateMessage(const TWin& win, bool add, Atom state);
    void ReplaceBacking(TWin& win, TSize size);
    // Asks the window manager to activate the window (where it takes such requests) and
    // focuses it; with askWindowManager false, as when the manager itself hands over the focus,
    // only focuses it: asking back would have the manager hand the focus over again.
    void FocusNow(TWin& win, Time time, bool askWindowManager = true);
    void TryGrab();
    void Ungrab();
    Window GrabWindow() const { return captureWindow_ ? captureWindow_ : watchWindow_; }
    // A watch grab reports a point outside every window of ours at the watching popup.
    bool IsOutside(Window reported, int x, int y) const;
    void Restack(Window w, Window below);

    // Events (X11Events.cpp).
    void ReadEvents();
    void Translate(_XEvent& ev);
    void TranslateCrossing(const _XEvent& ev);
    void TranslateButton(const _XEvent& ev);
    void TranslateKey(_XEvent& ev);
    void TranslateFocus(const _XEvent& ev);
    void TranslateConfigure(const _XEvent& ev);
    void TranslateClientMessage(const _XEvent& ev);
    void TranslateProperty(const _XEvent& ev);
    void TranslateMap(Window w, bool mapped);
    void Push(TBackendEvent ev);
    uint64_t TickOf(Time serverTime);
    static uint8_t ModifiersOf(unsigned int state);

    TX11Options options_;
    std::unique_ptr<TX11Connection> x_;
    std::unique_ptr<TX11Presenter> presenter_;
    std::unique_ptr<TX11Screen> screen_;
    std::unique_ptr<TX11Clipboard> clipboard_;
    std::unique_ptr<TX11DropTarget> dropTarget_;
    std::unique_ptr<TX11InputMethod> im_;
    std::unique_ptr<TX11Cursors> cursors_;
    std::unique_ptr<TX11Tray> tray_;
    IBackendHost* host_ = nullptr;
    int wakeFd_ = -1;
    std::map<Window, TWin> windows_;
    std::deque<TBackendEvent> events_;
    std::vector<TNativeWindow> stacking_; // as last asked for, topmost first
    TCursorShape cursor_ = TCursorShape::Arrow;

    Window captureWindow_ = 0; // the program's pointer capture
    Window watchWindow_ = 0;   // a popup watching presses outside it, grabbed while no capture is
    bool grabbed_ = false;
    bool keyboardGrabbed_ = false;
    Window focusRequest_ = 0;  // the window we last asked the focus for
    unsigned long focusSerial_ = 0;
    Window focusPending_ = 0;  // to be focused as soon as it is mapped
    std::set<unsigned int> keysDown_;

    int windowManager_ = -1;        // unknown, none (0) or present (1); read again when it changes
    int wmActivates_ = -1;          // the window manager takes _NET_ACTIVE_WINDOW
    Time lastServerTime_ = 0; // CurrentTime
    int64_t clockOffset_ = 0; // tick count minus server time
    bool clockKnown_ = false;
};

} // namespace tavrik
