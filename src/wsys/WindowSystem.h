#pragma once

#include "wsys/Backend.h"
#include "wsys/InputRouter.h"
#include "wsys/MessageQueue.h"
#include "wsys/TimerList.h"
#include "wsys/Window.h"
#include "wsys/WindowTable.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace tavrik {

class TPainter;
class TCaret;
class TNotificationArea;

// Runs before every message that a loop of the window system (GetMessage callers of the
// program excepted) dispatches; true means the filter handled it and it is not dispatched.
using TMessageFilter = std::function<bool(MSG&)>;

// The window system of the program: all windows, the message queue, timers, input, focus,
// activation and painting. Exactly one exists while windows are used; the functions of
// WinApi.h work on it. Construct it with a backend (tests: THeadlessBackend) and keep it
// alive as long as any window.
//
// Everything below the constructor is the implementation's shared state and helpers, used by
// the files of this folder; code outside wsys goes through WinApi.h.
class TWindowSystem final : private IBackendHost {
public:
    explicit TWindowSystem(std::unique_ptr<IBackend> backend);
    ~TWindowSystem() override;
    TWindowSystem(const TWindowSystem&) = delete;
    TWindowSystem& operator=(const TWindowSystem&) = delete;

    static TWindowSystem& Current();
    static bool Exists();
    IBackend& Backend() { return *backend_; }

    TWindow* Find(HWND hwnd) const { return hwnd ? table_.Find(hwnd) : nullptr; }
    std::shared_ptr<TWindow> Pin(HWND hwnd) const { return table_.Pin(hwnd); }
    bool RegisterClass(const WNDCLASS& wc);
    bool UnregisterClass(std::string_view name);
    struct TPlacement {
        int x, y, cx, cy; // CW_USEDEFAULT allowed for x and cx of top-level windows
    };
    HWND Create(DWORD exStyle, std::string_view className, std::string_view name, DWORD style, TPlacement at,
                HWND parent, intptr_t id, LPARAM param);
    bool Destroy(TWindow* w);
    std::vector<TWindow*>& Siblings(TWindow* w) { return w->parent ? w->parent->children : topLevels_; }
    const std::vector<TWindow*>& TopLevels() const { return topLevels_; }
    static TWindow* Root(TWindow* w);
    static bool IsDescendant(const TWindow* ancestor, const TWindow* w); // w itself counts
    static bool IsVisible(const TWindow* w);   // w and all its ancestors have WS_VISIBLE
    static bool IsEnabled(const TWindow* w) { return !(w->style & WS_DISABLED); }
    void SetStyle(TWindow* w, int index, DWORD value);
    bool SetParent(TWindow* w, TWindow* newParent);

    static TPoint WindowScreenOrigin(const TWindow* w);
    static TPoint ClientScreenOrigin(const TWindow* w);
    static TRect WindowScreenRect(const TWindow* w);
    static TRect ClientScreenRect(const TWindow* w);
    bool SetWindowPos(TWindow* w, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    bool Show(TWindow* w, int command);
    TRect CalcClientRect(TWindow* w, const TRect& windowRect); // WM_NCCALCSIZE, wParam 0
    MINMAXINFO QueryMinMaxInfo(TWindow* w);
    TRect WorkAreaFor(const TWindow* w);
    void SyncNativeStacking();
    void ApplyBackendBounds(TWindow* w, const TRect& bounds);
    void SetMinimizedFromBackend(TWindow* w, bool minimized);

    LRESULT Send(TWindow* w, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return Send(Find(hwnd), msg, wp, lp); }
    LRESULT CallProcBehind(TWindow* w, TWndProcId link, UINT msg, WPARAM wp, LPARAM lp);
    TWndProcId Subclass(TWindow* w, WNDPROC proc);
    bool Unsubclass(TWindow* w, TWndProcId id);
    bool Post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool Peek(MSG& out, HWND filter, UINT first, UINT last, UINT flags);
    bool Get(MSG& out, HWND filter, UINT first, UINT last);
    void WaitForInput(); // until the backend has events or the next timer is due
    LRESULT Dispatch(const MSG& msg);
    void ProcessMessages();
    bool RunLoopUntil(const std::function<bool()>& done);
    void AwaitWorker(bool waiting) { awaitingWorkers_ += waiting ? 1 : -1; }
    bool FilterMessage(MSG& msg) { return filter_ && filter_(msg); }
    TMessageFilter SetMessageFilter(TMessageFilter filter);
    TMessageQueue& Queue() { return queue_; }
    const MSG& CurrentMessage() const { return currentMessage_; }
    DWORD EventTime(const TBackendEvent& ev) const;

    TTimerList& Timers() { return timers_; }

    TWindow* Active() const { return active_; }
    TWindow* Focus() const { return focus_; }
    void Activate(TWindow* top, int how, bool fromBackend);
    TWindow* SetFocusTo(TWindow* w);
    bool Enable(TWindow* w, bool enable);
    void ActivateAfterLoss(TWindow* lost);
    bool CanActivate(const TWindow* top) const;
    void RaiseTopLevel(TWindow* top);

    TInputRouter& Input() { return input_; }
    bool DragFullWindows() const { return dragFullWindows_; }
    void SetDragFullWindows(bool on) { dragFullWindows_ = on; }
    uint32_t DoubleClickTime() const { return doubleClickTime_; }
    void SetDoubleClickTime(uint32_t ms) { doubleClickTime_ = ms; }
    // Alt or F10 went down with no key after it: its release opens the keyboard menu.
    bool MenuKeyPending() const { return menuKeyPending_; }
    void SetMenuKey(bool pending) { menuKeyPending_ = pending; }
    void ClearMenuKey() { menuKeyPending_ = false; }

    TPainter& Painter() { return *painter_; }
    TCaret& Caret() { return *caret_; }
    TNotificationArea& NotificationArea() { return *notificationArea_; }

private:
    void ProcessPendingMessages() override { ProcessMessages(); }
    std::optional<uint64_t> NextTimerDue() const override { return timers_.NextDue(); }
    bool IsBusy() const override { return busy_ > 0; }
    bool AwaitsWorker() const override { return awaitingWorkers_ > 0; }

    void RegisterSystemClasses(); // WC_SCROLLBAR
    void PullBackendEvents();
    bool TakeTimerMessage(const TMessageQueue::TFilter& filter, bool remove, MSG& out);
    void InsertTopLevel(TWindow* w);
    void InsertChild(TWindow* parent, TWindow* w);
    void Unlink(TWindow* w);
    bool Reorder(TWindow* w, HWND insertAfter);
    void SendDestroy(TWindow* w);
    void SendNcDestroy(TWindow* w);
    void ForgetWindow(TWindow* w);
    void PurgeRemovedLinks(TWindow* w);
    void CreateNative(TWindow* w);
    void InvalidateAfterMove(TWindow* w, const TRect& oldRect, bool wasVisible, UINT flags);
    void DeliverWindowPosChanged(TWindow* w, WINDOWPOS& pos, const TRect& oldClient);
    bool ShowState(TWindow* w, int command);

    static TWindowSystem* current_;

    std::unique_ptr<IBackend> backend_;
    std::map<std::string, std::shared_ptr<TWindowClass>, std::less<>> classes_;
    TWindowTable table_;
    std::vector<TWindow*> topLevels_; // topmost first
    TWndProcId nextProcId_ = 1;
    TMessageQueue queue_;
    std::deque<TBackendEvent> rawInput_;
    TTimerList timers_;
    TInputRouter input_;
    std::unique_ptr<TPainter> painter_;
    std::unique_ptr<TCaret> caret_;
    std::unique_ptr<TNotificationArea> notificationArea_;
    TMessageFilter filter_;
    MSG currentMessage_;
    TWindow* active_ = nullptr;
    TWindow* focus_ = nullptr;
    bool dragFullWindows_ = true;
    bool menuKeyPending_ = false;
    uint32_t doubleClickTime_ = 500;
    int defaultPlacements_ = 0;
    int busy_ = 0; // loops running and messages being dispatched
    int awaitingWorkers_ = 0; // TWorkerWait scopes alive
    uint64_t activationSerial_ = 0;
    std::thread::id uiThread_ = std::this_thread::get_id();
};

} // namespace tavrik
