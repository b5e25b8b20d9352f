#pragma once

#include "core/TickClock.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "wsys/Backend.h"
#include "wsys/WinTypes.h"
#include "wsys/backends/headless/HeadlessTray.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

struct THeadlessOptions {
    int width = 1280;
    int height = 800;
    // Empty: one monitor covering the screen, its work area the whole screen.
    std::vector<TMonitor> monitors;
    uint32_t doubleClickTime = 500;
    TColor desktopColor = RGB(0, 0, 0); // the screen where no window is
    bool supportsOpacity = true;
    uint64_t startTime = 0; // the virtual clock's first tick count
    // How long in real time a waiting loop must have seen only timers (besides an hour of
    // virtual time) before it counts as stuck; tests of that rule make it tiny.
    int64_t stuckLoopRealMs = 5000;
    // How long in real time a loop waits for a worker thread (TWorkerWait) before it fails.
    int64_t workerWaitRealMs = 120000;
    int trayIconSize = 22; // the notification area's icons; 0: no notification area runs at start
};

// A complete display without a display: a virtual screen (24 bits per pixel) composited from
// the native windows in their stacking order, through their shapes and opacity, and a
// virtual tick clock (installed as the program's clock while the backend exists).
//
// Tests drive it like a user. Every input call queues the event and, unless a message loop
// of the window system is already running, lets the window system handle everything at once
// (messages, paints, presentation), so that the next line of the test sees the result:
//
//     THeadlessBackend* screen = ...;            // owned by the TWindowSystem
//     screen->Click(100, 50);
//     EXPECT_EQ(screen->ScreenPixel(100, 50), clRed);
//
// Time only moves by Advance, which steps from timer to timer so that each timer fires
// exactly when due, in order. (Called from inside a running loop, Advance only moves the
// clock; that loop then runs each due timer once.)
//
// Modal loops (a dialog's nested loop, the move/size loop) wait for input; each time a loop
// would wait, the backend runs the next action queued with WhenIdle (typically an input call),
// or, with none queued, moves the clock to the next timer. With neither, it throws
// std::logic_error instead of hanging the test. It throws the same when only timers have fired
// for an hour of virtual time and for stuckLoopRealMs (5 s) of real time while the loop waited:
// typically a step of the test failed and left its dialog open, and a caret or hint timer would
// otherwise keep the loop spinning until the test run times out. Injected input, an idle
// action run, Advance and Wake (a worker thread) all count as activity, so a loop that really
// waits for a worker is not cut short.
//
// While the program waits for worker threads (TWorkerWait), a loop with no input and no idle
// action left waits in real time for a worker's Wake (at most workerWaitRealMs) instead of
// moving the clock: a test queues what the user does during the work with WhenIdle, and the
// virtual clock stays where the test put it.
class THeadlessBackend final : public IBackend {
public:
    explicit THeadlessBackend(THeadlessOptions options = {});
    ~THeadlessBackend() override;

    // For tests: input.
    void MouseMove(int x, int y);
    void MouseDown(TMouseButton button = TMouseButton::Left);
    void MouseUp(TMouseButton button = TMouseButton::Left);
    void Click(int x, int y, TMouseButton button = TMouseButton::Left);
    // Two clicks at the same place and time.
    void DoubleClick(int x, int y, TMouseButton button = TMouseButton::Left);
    // Press at `from`, move to `to` in `steps` moves, release there.
    void Drag(TPoint from, TPoint to, int steps = 1, TMouseButton button = TMouseButton::Left);
    void Wheel(int delta); // WHEEL_DELTA (120) per notch
    void MouseLeaveScreen(); // the pointer went over another program
    void KeyDown(UINT vk);
    void KeyUp(UINT vk);
    void PressKey(UINT vk); // down and up
    // Types the text as a keyboard would, with Shift for capitals and the shifted US
    // characters; every other character arrives as VK_PACKET with its text.
    void TypeText(std::string_view utf8);

    // For tests: time and modal loops.
    uint64_t Now() const { return clock_.now; }
    void Advance(uint64_t ms);
    void WhenIdle(std::function<void()> action);
    size_t PendingIdleActions() const { return idle_.size(); }
    void RunIdleActions();

    // For tests: files dragged in from another program. Drags the files over the point, or
    // drops them there, and answers what the program said: whether a drop there would be
    // taken, or whether the files were taken. Nothing while a message loop runs: that loop
    // takes the event later.
    std::optional<bool> DragFilesOver(int x, int y, std::vector<std::string> files);
    std::optional<bool> DropFiles(int x, int y, std::vector<std::string> files);

    // For tests: what the desktop does.
    void FocusOtherProgram();            // the active window loses the focus to another program
    void FocusFromDesktop(HWND hwnd);    // the user switched to the window from the task bar
    void RestoreFromDesktop(HWND hwnd);  // the user brought a minimized window back from the task bar
    void CloseFromDesktop(HWND hwnd);    // the close request of a window manager
    void MoveFromDesktop(HWND hwnd, const TRect& bounds);

    // For tests: what the user sees and hears.
    const TBitmap& Screen() const { return screen_; }
    TColor ScreenPixel(int x, int y) const;
    void SaveScreenshot(const std::string& pngPath) const;
    int BeepCount() const { return beeps_; }
    TCursorShape CursorShape() const { return cursorShape_; }
    TNativeWindow CapturingWindow() const { return capture_; }
    // The caret rectangle the window system last gave the input method for the native
    // window, in screen coordinates (so it can be compared with what is drawn); empty when
    // none was given.
    TRect TextInputSpot(TNativeWindow window) const;
    // A press where no window is lies outside the program; nothing more is needed here.
    TNativeWindow WatchingWindow() const { return watching_; }
    struct TNativeInfo {
        TNativeWindowParams params;
        TRect bounds;
        bool visible = false;
        bool minimized = false;
        bool topmost = false;
        uint8_t alpha = 255;
        std::optional<TRegion> shape;
        int presents = 0;
        std::vector<TRect> lastDirty;
        TRect inputSpot; // window coordinates
    };
    // The native window that shows a window (its top-level window's), or nullptr / 0.
    const TNativeInfo* Native(HWND hwnd) const;
    TNativeWindow NativeWindowOf(HWND hwnd) const;
    std::vector<TNativeWindow> Stacking() const { return stacking_; }
    TNativeWindow ActivatedNative() const { return activated_; }
    // The notification area: start and stop it, see and click its icons.
    THeadlessTray& Tray() { return tray_; }

    void Attach(IBackendHost* host) override { host_ = host; }
    std::vector<TMonitor> Monitors() override { return monitors_; }
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
    bool SupportsOpacity() override { return options_.supportsOpacity; }
    void ActivateNativeWindow(TNativeWindow window) override { activated_ = window; }
    void MinimizeNativeWindow(TNativeWindow window, bool minimized) override;
    void PresentNativeWindow(TNativeWindow window, const TBitmap& pixels, const std::vector<TRect>& dirty) override;
    bool NextEvent(TBackendEvent& event) override;
    void WaitForEvents(int64_t timeoutMs) override;
    void Wake() override;
    void Sleep(int64_t ms) override { clock_.now += uint64_t(std::max<int64_t>(0, ms)); }
    TPoint CursorPos() override { return cursor_; }
    void SetCursorPos(TPoint screen) override;
    void SetCursorShape(TCursorShape shape) override { cursorShape_ = shape; }
    void SetMouseCapture(TNativeWindow window) override { capture_ = window; }
    void AnswerDrag(bool accepted) override { dragAnswer_ = accepted; }
    void FinishDrop(bool taken) override { dropAnswer_ = taken; }
    void SetTextInputSpot(TNativeWindow window, const TRect& caret) override;
    void WatchOutsidePresses(TNativeWindow popup) override { watching_ = popup; }
    void Beep() override { ++beeps_; }
    std::string ClipboardText() override { return clipboard_; }
    void SetClipboardText(const std::string& text) override { clipboard_ = text; }
    uint32_t DoubleClickTime() override { return options_.doubleClickTime; }
    bool TrayAvailable() override { return tray_.Running(); }
    void SetTrayIcon(TTrayIconKey key, const TBitmap& picture) override { tray_.Set(key, picture); }
    void RemoveTrayIcon(TTrayIconKey key) override { tray_.Remove(key); }

private:
    struct TVirtualClock final : ITickClock {
        // Worker threads read it too, when they post a message.
        std::atomic<uint64_t> now = 0;
        uint64_t Milliseconds() const override { return now.load(); }
    };

    void Inject(TBackendEvent ev);
    void NoteActivity();
    bool WaitingLoopLooksStuck() const;
    void WaitForWorker();
    void Pump();
    TBackendEvent MouseEvent(TBackendEventKind kind, TMouseButton button) const;
    uint8_t Modifiers() const;
    void Key(bool down, UINT vk, std::string text);
    void InjectFiles(TBackendEventKind kind, int x, int y, std::vector<std::string> files);
    TNativeInfo* Find(TNativeWindow window);
    void Recompose(const TRect& screenArea);
    void ComposeWindow(const TNativeInfo& n, const TBitmap& pixels, const TRect& area);

    THeadlessOptions options_;
    std::vector<TMonitor> monitors_;
    TVirtualClock clock_;
    IBackendHost* host_ = nullptr;
    TBitmap screen_;
    std::map<TNativeWindow, TNativeInfo> natives_;
    std::map<TNativeWindow, TBitmap> pixels_;
    std::vector<TNativeWindow> stacking_; // topmost first
    TNativeWindow nextNative_ = 1;
    std::deque<TBackendEvent> events_;
    std::deque<std::function<void()>> idle_;
    int waitDepth_ = 0;
    std::atomic<bool> woken_ = false; // set by any thread
    std::mutex wakeMutex_;
    std::condition_variable wakeSignal_;
    uint64_t lastActivityTick_ = 0;
    std::chrono::steady_clock::time_point lastActivityReal_;
    TPoint cursor_;
    std::map<UINT, bool> keysDown_;
    TCursorShape cursorShape_ = TCursorShape::Arrow;
    TNativeWindow capture_ = 0;
    TNativeWindow watching_ = 0;
    TNativeWindow activated_ = 0;
    int beeps_ = 0;
    std::string clipboard_;
    std::optional<bool> dragAnswer_;
    std::optional<bool> dropAnswer_;
    THeadlessTray tray_;
};

} // namespace tavrik
