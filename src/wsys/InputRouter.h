#pragma once

#include "wsys/Backend.h"
#include "wsys/KeyState.h"
#include "wsys/MessageQueue.h"
#include "wsys/WinTypes.h"

#include <deque>
#include <optional>
#include <vector>

namespace tavrik {

class TWindowSystem;
struct TWindow;

// Turns raw backend events into window messages: finds the window under the pointer through
// WM_NCHITTEST, honours the mouse capture, tells the ancestors of a pressed child
// (WM_PARENTNOTIFY), activates on clicks (WM_MOUSEACTIVATE), sets the cursor (WM_SETCURSOR),
// detects double clicks, tracks mouse leaving, and routes keys to the focus window. Translation happens when the message loop takes the event, so it sees the
// windows as the previous messages left them.
class TInputRouter {
public:
    explicit TInputRouter(TWindowSystem& ws) : ws_(ws) {}

    // Translates the first raw event into zero or more queued input messages; events that
    // concern windows rather than input (activation, closing, exposure) are carried out here.
    void TranslateNext(std::deque<TBackendEvent>& raw, TMessageQueue& queue);

    struct THit {
        TWindow* window = nullptr;
        int code = 0; // HT*
    };
    // The window under a screen point and its hit code, asking WM_NCHITTEST; a disabled
    // top-level window answers HTERROR.
    THit HitTest(TPoint screen, uint64_t nativeHint = 0);
    // The deepest visible enabled window under the point by geometry only, no messages.
    TWindow* WindowAt(TPoint screen, bool& inClient) const;

    TWindow* Capture() const { return capture_; }
    TWindow* SetCapture(TWindow* w);
    void ReleaseCaptureOf(TWindow* subtree); // when it is destroyed, hidden or disabled
    void WatchOutsidePresses(TWindow* popup, bool watch);
    bool TrackMouseEvent(TRACKMOUSEEVENT& track);

    const TKeyState& SyncKeys() const { return syncKeys_; }
    const TKeyState& AsyncKeys() const { return asyncKeys_; }
    void SetSyncKeys(const TKeyState& keys) { syncKeys_ = keys; }
    TPoint CursorPos() const { return cursor_; }
    void SetCursorPos(TPoint p) { cursor_ = p; }
    HCURSOR Cursor() const { return cursorShape_; }
    HCURSOR SetCursor(HCURSOR cursor);

    void Forget(TWindow* w); // the window is going away
    // Checks whether the pointer left a tracked window since it last moved (windows move,
    // hide and close under a still pointer too).
    void CheckMouseLeave();

private:
    void Mouse(const TBackendEvent& ev, TMessageQueue& queue);
    void Key(const TBackendEvent& ev, TMessageQueue& queue);
    void TrayMouse(const TBackendEvent& ev, TMessageQueue& queue);
    void WindowEvent(const TBackendEvent& ev, TMessageQueue& queue);
    void FileDrag(const TBackendEvent& ev);
    TWindow* DropTargetAt(TPoint screen) const;
    void SyncModifiers(uint8_t modifiers, uint32_t exceptVk);
    WPARAM MouseKeyFlags() const;
    bool Activate(TWindow* target, int hit, UINT mouseMsg);
    void NotifyParents(TWindow* target, UINT mouseMsg, TPoint screen);
    UINT ButtonMessage(const TBackendEvent& ev, TWindow* target, int hit, TPoint screen);
    void PushMouse(TMessageQueue& queue, TWindow* target, UINT msg, WPARAM wp, TPoint screen, DWORD time);
    void Leave(TWindow* now, bool inClient);
    void PostLeave(bool nonClient);
    // Tells the shown watching popups of a press on `target` (nullptr: outside the program)
    // unless it is one of them.
    void TellWatchers(TWindow* target);
    void UpdateBackendWatch();

    TWindowSystem& ws_;
    TWindow* capture_ = nullptr;
    std::vector<TWindow*> watchers_; // popups watching presses outside them, oldest first
    TKeyState asyncKeys_;
    TKeyState syncKeys_;
    TPoint cursor_;
    HCURSOR cursorShape_ = nullptr;

    struct TClick {
        TWindow* window = nullptr;
        int code = 0;
        TMouseButton button = TMouseButton::None;
        uint64_t time = 0;
        TPoint at;
        bool valid = false;
    } lastClick_;

    struct TTracking {
        TWindow* window = nullptr;
    };
    TTracking trackClient_;
    TTracking trackNonClient_;

    struct TUnder {
        TWindow* window = nullptr;
        bool inClient = false;
    } lastUnder_; // where the pointer was at the last mouse event
};

} // namespace tavrik
