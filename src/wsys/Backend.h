#pragma once

#include "core/Geometry.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace tavrik {

class TBitmap;
class TRegion;

// The window system keeps every window, message and paint in the program; a backend only
// connects the top-level windows to a real (or virtual) display. Everything the backend is
// asked to do is in screen coordinates of the virtual desktop, in pixels.
//
// Threading: every call comes from the user-interface thread, except IBackend::Wake.

// A native window of the backend; 0 means none. The values are the backend's own.
using TNativeWindow = uint64_t;

// An icon of the program in the desktop's notification area (the system tray). The numbers
// are the window system's own, never 0.
using TTrayIconKey = uint32_t;

enum class TNativeKind : uint8_t {
    // A window of the desktop's window manager, without any decoration of its own (the
    // program draws its frame and caption and runs moving and sizing itself).
    Normal,
    // A menu, hint or drop-down list: placed exactly where asked, above normal windows, never
    // decorated or moved by a window manager, and never given the keyboard focus by it.
    Popup,
};

struct TNativeWindowParams {
    TRect bounds;             // the whole window in screen coordinates
    TNativeKind kind = TNativeKind::Normal;
    TNativeWindow owner = 0;  // stays above its owner and is minimized with it (transient-for)
    bool toolWindow = false;  // no entry in the task bar
    bool topmost = false;     // above all windows that are not topmost
    bool noActivate = false;  // must not take the focus when shown or clicked
    std::string title;        // UTF-8
};

enum class TCursorShape : uint8_t {
    Arrow, IBeam, Wait, Cross, UpArrow, SizeNWSE, SizeNESW, SizeWE, SizeNS, SizeAll, No, Hand,
    AppStarting, Help,
};

enum class TMouseButton : uint8_t { None, Left, Right, Middle };

// Modifier keys held at the moment of an input event.
enum TModifierKeys : uint8_t { kModShift = 1, kModControl = 2, kModAlt = 4 };

enum class TBackendEventKind : uint8_t {
    MouseMove,    // screen, modifiers
    ButtonDown,   // screen, button, modifiers
    ButtonUp,     // screen, button, modifiers
    Wheel,        // screen, wheelDelta, modifiers
    MouseLeave,   // the pointer left every window of the program (it is over another program)
    KeyDown,      // vk, text, autoRepeat, modifiers; keys go to the focus window of the
    KeyUp,        // vk, modifiers                     window system, whatever native window saw them
    Activated,    // window: the desktop gave this window the keyboard focus
    Deactivated,  // window: it lost the focus to another program (not to a window of ours)
    CloseRequest, // window: the user asked the desktop to close it
    Configured,   // window, rect: the desktop moved or resized it (rect in screen coordinates)
    Exposed,      // window, rect: its pixels must be presented again (rect in window coordinates)
    Minimized,    // window: the desktop minimized it
    Restored,     // window: the desktop restored it from minimized
    DisplayChanged, // monitors or work areas changed
    DragOver,     // screen, window, files: files dragged in from another program are over the
                  // point; the window system answers with AnswerDrag
    Drop,         // screen, window, files: they were dropped there; answered with FinishDrop
    // The pointer on an icon in the notification area: trayIcon, screen, modifiers, and the
    // button of presses and releases. A leave follows the moves when the pointer goes.
    TrayMouseMove,
    TrayButtonDown,
    TrayButtonUp,
    TrayMouseLeave,
    // A notification area started or went away (trayRunning tells which); a restart of the
    // tray is reported as both.
    TrayChanged,
};

struct TBackendEvent {
    TBackendEventKind kind = TBackendEventKind::MouseMove;
    // The tick count (GetTickCount's clock) when the event happened; 0 means "when read".
    // Double clicks are detected from these times.
    uint64_t time = 0;
    // For mouse events the pointer position; for window events unused.
    TPoint screen;
    // For mouse events the native window the event was reported for, 0 when unknown: the
    // window system then finds the window under the point from its own stacking order.
    TNativeWindow window = 0;
    TMouseButton button = TMouseButton::None;
    int wheelDelta = 0; // WHEEL_DELTA (120) per notch, positive away from the user
    uint8_t modifiers = 0; // TModifierKeys held; for key events before the event's own key changed
    // VK_* code of the key (modifiers as VK_SHIFT, VK_CONTROL, VK_MENU or their left/right
    // variants; letters and digits as their capital ASCII codes); VK_PACKET for text without a key.
    uint32_t vk = 0;
    bool extendedKey = false;
    bool autoRepeat = false;
    // For mouse events: the pointer is over no window of the program (reported only while a
    // popup watches presses outside it, see WatchOutsidePresses).
    bool outside = false;
    // KeyDown: the characters the key produces in UTF-8, control characters included as a
    // keyboard produces them: Enter "\r", Backspace "\b", Tab "\t", Esc "\x1b", Ctrl+A "\x01".
    // Empty for keys that produce no character.
    std::string text;
    TRect rect;
    // DragOver and Drop: the files dragged, as absolute paths in UTF-8.
    std::vector<std::string> files;
    TTrayIconKey trayIcon = 0;
    bool trayRunning = false;
};

struct TMonitor {
    TRect bounds;   // screen coordinates
    TRect workArea; // bounds minus task bars and panels
};

// What the window system offers the backend. Only the headless backend needs it: its test
// API injects input and then lets the window system handle it at once.
class IBackendHost {
public:
    virtual ~IBackendHost() = default;
    // Handles every pending message, paint and due timer, as ProcessMessages does.
    virtual void ProcessPendingMessages() = 0;
    // The tick count at which the earliest window timer is due, if any runs.
    virtual std::optional<uint64_t> NextTimerDue() const = 0;
    // Whether a message loop of the window system is running or a message is being
    // dispatched: new input is then left to that loop.
    virtual bool IsBusy() const = 0;
    // Whether the program waits for a thread of work that wakes the loop when it is done
    // (TWorkerWait): a backend on a virtual clock then waits for the wake in real time
    // instead of moving its clock.
    virtual bool AwaitsWorker() const = 0;
};

// A display connection. An implementation maps each top-level window of the program to a
// native window, shows the pixels the window system has painted, and reports input.
class IBackend {
public:
    virtual ~IBackend() = default;

    // Called by the window system when it starts using the backend, and with nullptr when it
    // stops. The tick clock (core/TickClock.h) may be installed here.
    virtual void Attach(IBackendHost* host) = 0;

    // The monitors, the primary one first; never empty. Asked often (system metrics, work
    // areas): answer from what was read at start and after each DisplayChanged event.
    virtual std::vector<TMonitor> Monitors() = 0;
    // The pixels the user sees in the given screen area, as a 24-bit bitmap of its size;
    // parts outside the screen read as black.
    virtual TBitmap ReadScreen(const TRect& area) = 0;

    // Creates a hidden window. Its pixels are undefined until the first present.
    virtual TNativeWindow CreateNativeWindow(const TNativeWindowParams& params) = 0;
    virtual void DestroyNativeWindow(TNativeWindow window) = 0;
    // Showing comes after the first present of the window's pixels; hiding comes at once.
    virtual void ShowNativeWindow(TNativeWindow window, bool visible) = 0;
    // Moves and resizes. Called right before the pixels of the new size are presented (in the
    // same round of the message loop), so a window is never shown at a size it has not been
    // painted for; a move alone comes the same way.
    virtual void SetNativeBounds(TNativeWindow window, const TRect& bounds) = 0;
    virtual void SetNativeTitle(TNativeWindow window, const std::string& title) = 0;
    virtual void SetNativeTopmost(TNativeWindow window, bool topmost) = 0;
    // The stacking order of all shown native windows, topmost first.
    virtual void SetNativeStacking(const std::vector<TNativeWindow>& topToBottom) = 0;
    // The shape of the window in window coordinates: only the pixels inside are shown and
    // receive the mouse. nullptr makes the window rectangular again. The region is kept
    // exactly, never approximated.
    virtual void SetNativeShape(TNativeWindow window, const TRegion* shape) = 0;
    // Constant opacity of the whole window, 0 transparent to 255 opaque.
    virtual void SetNativeOpacity(TNativeWindow window, uint8_t alpha) = 0;
    // Whether SetNativeOpacity has a visible effect on this display.
    virtual bool SupportsOpacity() = 0;
    // Asks for the keyboard focus for the window (the window system has already made it the
    // active window; the backend only tells the display).
    virtual void ActivateNativeWindow(TNativeWindow window) = 0;
    virtual void MinimizeNativeWindow(TNativeWindow window, bool minimized) = 0;
    // Shows new pixels. `pixels` is the whole window as a 32-bit bitmap (blue, green, red,
    // unused), rows top to bottom, of the window's size; `dirty` lists the changed areas in
    // window coordinates, clipped to the bitmap. The bitmap is only valid during the call.
    virtual void PresentNativeWindow(TNativeWindow window, const TBitmap& pixels,
                                     const std::vector<TRect>& dirty) = 0;

    // Takes the next pending event without waiting; false when there is none.
    virtual bool NextEvent(TBackendEvent& event) = 0;
    // Waits until an event is pending, Wake is called, or timeoutMs milliseconds of the tick
    // clock have passed (-1: no limit). May return early.
    virtual void WaitForEvents(int64_t timeoutMs) = 0;
    // Makes a running or the next WaitForEvents return; may be called from any thread.
    virtual void Wake() = 0;
    // Lets `ms` milliseconds of the tick clock pass, whether events arrive or not. A display
    // on the real clock just sleeps; a virtual clock moves instead.
    virtual void Sleep(int64_t ms)
    {
        if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
    virtual TPoint CursorPos() = 0;
    virtual void SetCursorPos(TPoint screen) = 0;
    virtual void SetCursorShape(TCursorShape shape) = 0;
    // While a window holds the mouse capture every mouse event is reported, wherever the
    // pointer is (a pointer grab). 0 releases it.
    virtual void SetMouseCapture(TNativeWindow window) = 0;
    // Where the text caret stands in the window (window coordinates), so that the desktop's
    // input method shows the text being composed and its candidates beside it rather than in
    // a corner of the screen. Each window keeps the last place it was told.
    virtual void SetTextInputSpot(TNativeWindow window, const TRect& caret) = 0;
    // A popup that never takes activation (a menu, a drop-down list) does not hold the capture
    // either, yet must hear of a press anywhere outside it to close. While a window is given
    // here (0: none) and no capture holds the pointer, the backend also reports mouse events
    // outside every window of the program, with `outside` set (an X11 pointer grab on the
    // window with owner events: the program's own windows get their events as usual).
    virtual void WatchOutsidePresses(TNativeWindow popup) = 0;

    // Files dragged in from other programs: whether a drop at the point of the latest DragOver
    // event would be taken (the drag then shows that it can drop), and whether the files of a
    // Drop event were taken.
    virtual void AnswerDrag(bool accepted) = 0;
    virtual void FinishDrop(bool taken) = 0;

    virtual void Beep() = 0;
    virtual std::string ClipboardText() = 0; // UTF-8; empty when the clipboard holds no text
    virtual void SetClipboardText(const std::string& text) = 0;
    // Milliseconds between the presses of a double click (500 unless the desktop says otherwise).
    virtual uint32_t DoubleClickTime() = 0;

    // The notification area: whether one runs on the desktop now.
    virtual bool TrayAvailable() = 0;
    // Adds the icon, or gives it a new picture: 32 bits with straight alpha, of any size; the
    // backend draws it at the size the tray gives its icons. Icons are kept while no tray
    // runs: they appear when one starts, and again after it restarted.
    virtual void SetTrayIcon(TTrayIconKey key, const TBitmap& picture) = 0;
    virtual void RemoveTrayIcon(TTrayIconKey key) = 0;
};

} // namespace tavrik
