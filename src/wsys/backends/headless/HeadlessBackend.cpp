#include "wsys/backends/headless/HeadlessBackend.h"

#include "core/ScopedCount.h"
#include "core/Utf8.h"
#include "wsys/WinConstants.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/KeyboardLayout.h"
#include "wsys/backends/headless/PngWriter.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tavrik {

THeadlessBackend::THeadlessBackend(THeadlessOptions options)
    : options_(std::move(options)), screen_(options_.width, options_.height, TPixelFormat::pf24bit),
      tray_(options_.trayIconSize, {options_.width, options_.height}, [this](TBackendEvent ev) {
          if (ev.kind != TBackendEventKind::TrayChanged && ev.kind != TBackendEventKind::TrayMouseLeave)
              cursor_ = ev.screen;
          ev.modifiers = Modifiers();
          Inject(std::move(ev));
      })
{
    monitors_ = options_.monitors;
    if (monitors_.empty()) {
        TRect all = Bounds(0, 0, options_.width, options_.height);
        monitors_.push_back({all, all});
    }
    clock_.now = options_.startTime;
    SetTickClock(&clock_);
    NoteActivity();
    screen_.Fill(options_.desktopColor);
}

THeadlessBackend::~THeadlessBackend() { SetTickClock(nullptr); }

void THeadlessBackend::Pump()
{
    if (host_ && !host_->IsBusy() && waitDepth_ == 0) host_->ProcessPendingMessages();
}

void THeadlessBackend::Inject(TBackendEvent ev)
{
    if (ev.time == 0) ev.time = clock_.now;
    events_.push_back(std::move(ev));
    NoteActivity();
    Pump();
}

uint8_t THeadlessBackend::Modifiers() const
{
    auto held = [&](UINT vk) {
        auto it = keysDown_.find(vk);
        return it != keysDown_.end() && it->second;
    };
    return uint8_t((held(VK_SHIFT) ? kModShift : 0) | (held(VK_CONTROL) ? kModControl : 0) | (held(VK_MENU) ? kModAlt : 0));
}

TBackendEvent THeadlessBackend::MouseEvent(TBackendEventKind kind, TMouseButton button) const
{
    TBackendEvent ev;
    ev.kind = kind;
    ev.screen = cursor_;
    ev.button = button;
    ev.modifiers = Modifiers();
    return ev;
}

void THeadlessBackend::MouseMove(int x, int y)
{
    cursor_ = {x, y};
    Inject(MouseEvent(TBackendEventKind::MouseMove, TMouseButton::None));
}

void THeadlessBackend::MouseDown(TMouseButton button) { Inject(MouseEvent(TBackendEventKind::ButtonDown, button)); }
void THeadlessBackend::MouseUp(TMouseButton button) { Inject(MouseEvent(TBackendEventKind::ButtonUp, button)); }

void THeadlessBackend::Click(int x, int y, TMouseButton button)
{
    if (cursor_ != TPoint{x, y}) MouseMove(x, y);
    // The press and the release reach the queue together, as a real click does: a loop that the
    // press starts (a window moved by its caption, a menu tracking the mouse) takes the release.
    TBackendEvent press = MouseEvent(TBackendEventKind::ButtonDown, button);
    press.time = clock_.now;
    events_.push_back(press);
    MouseUp(button);
}

void THeadlessBackend::DoubleClick(int x, int y, TMouseButton button)
{
    Click(x, y, button);
    Click(x, y, button);
}

void THeadlessBackend::Drag(TPoint from, TPoint to, int steps, TMouseButton button)
{
    // The moves and the release are queued as idle actions so that a loop started by the
    // press (moving a window, a modal tracking loop) receives them; whatever no loop took is
    // run afterwards.
    steps = std::max(1, steps);
    for (int i = 1; i <= steps; ++i) {
        TPoint p{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        WhenIdle([this, p] { MouseMove(p.x, p.y); });
    }
    WhenIdle([this, button] { MouseUp(button); });
    if (cursor_ != from) MouseMove(from.x, from.y);
    MouseDown(button);
    RunIdleActions();
}

void THeadlessBackend::Wheel(int delta)
{
    TBackendEvent ev = MouseEvent(TBackendEventKind::Wheel, TMouseButton::None);
    ev.wheelDelta = delta;
    Inject(ev);
}

void THeadlessBackend::MouseLeaveScreen() { Inject(MouseEvent(TBackendEventKind::MouseLeave, TMouseButton::None)); }

void THeadlessBackend::Key(bool down, UINT vk, std::string text)
{
    TBackendEvent ev;
    ev.kind = down ? TBackendEventKind::KeyDown : TBackendEventKind::KeyUp;
    ev.vk = vk;
    ev.modifiers = Modifiers();
    ev.autoRepeat = down && keysDown_[vk];
    ev.extendedKey = IsExtendedKey(vk);
    ev.text = std::move(text);
    if (vk != VK_PACKET) keysDown_[vk] = down;
    Inject(ev);
}

void THeadlessBackend::KeyDown(UINT vk)
{
    uint8_t mods = Modifiers();
    Key(true, vk, TextForKey(vk, mods & kModShift, mods & kModControl, mods & kModAlt));
}

void THeadlessBackend::KeyUp(UINT vk) { Key(false, vk, {}); }

void THeadlessBackend::PressKey(UINT vk)
{
    KeyDown(vk);
    KeyUp(vk);
}

void THeadlessBackend::TypeText(std::string_view utf8)
{
    for (char32_t cp : Utf8ToUtf32(utf8)) {
        TKeyStroke stroke = KeyForCharacter(cp);
        if (stroke.vk == 0) {
            Key(true, VK_PACKET, Utf8Encode(cp));
            Key(false, VK_PACKET, {});
            continue;
        }
        bool shiftHeld = keysDown_[VK_SHIFT];
        if (stroke.shift && !shiftHeld) KeyDown(VK_SHIFT);
        PressKey(stroke.vk);
        if (stroke.shift && !shiftHeld) KeyUp(VK_SHIFT);
    }
}

void THeadlessBackend::Advance(uint64_t ms)
{
    uint64_t target = clock_.now + ms;
    if (!host_ || host_->IsBusy() || waitDepth_ > 0) {
        clock_.now = target; // the running loop takes the due timers
        NoteActivity();
        return;
    }
    for (;;) {
        std::optional<uint64_t> due = host_->NextTimerDue();
        if (!due || *due > target) break;
        clock_.now = std::max(clock_.now.load(), *due);
        host_->ProcessPendingMessages();
        std::optional<uint64_t> after = host_->NextTimerDue();
        if (after && *after <= clock_.now) break; // a timer no loop takes; never spin
    }
    clock_.now = target;
    NoteActivity();
    host_->ProcessPendingMessages();
}

void THeadlessBackend::WhenIdle(std::function<void()> action) { idle_.push_back(std::move(action)); }

void THeadlessBackend::RunIdleActions()
{
    while (!idle_.empty()) {
        auto action = std::move(idle_.front());
        idle_.pop_front();
        NoteActivity();
        action();
        Pump();
    }
}

bool THeadlessBackend::NextEvent(TBackendEvent& event)
{
    if (events_.empty()) return false;
    event = std::move(events_.front());
    events_.pop_front();
    return true;
}

void THeadlessBackend::WaitForEvents(int64_t timeoutMs)
{
    if (woken_.exchange(false)) {
        NoteActivity();
        return;
    }
    if (!events_.empty()) return;
    TScopedCount depth(waitDepth_);
    if (!idle_.empty()) {
        auto action = std::move(idle_.front());
        idle_.pop_front();
        NoteActivity();
        action();
        return;
    }
    if (host_ && host_->AwaitsWorker()) {
        WaitForWorker();
        return;
    }
    if (timeoutMs >= 0) {
        if (WaitingLoopLooksStuck())
            throw std::logic_error("headless backend: only timers fired for an hour of virtual time while a message "
                                   "loop waited for input (a step of the test probably failed and left its loop running)");
        clock_.now += uint64_t(timeoutMs);
        return;
    }
    throw std::logic_error("headless backend: a message loop waits for input, but no idle action or timer is left");
}

void THeadlessBackend::WaitForWorker()
{
    std::unique_lock lock(wakeMutex_);
    if (!wakeSignal_.wait_for(lock, std::chrono::milliseconds(options_.workerWaitRealMs), [this] { return woken_.load(); }))
        throw std::logic_error("headless backend: a message loop waited for a worker thread that never posted a message");
    woken_.store(false);
    NoteActivity();
}

void THeadlessBackend::Wake()
{
    {
        std::lock_guard lock(wakeMutex_);
        woken_.store(true);
    }
    wakeSignal_.notify_all();
}

void THeadlessBackend::NoteActivity()
{
    lastActivityTick_ = clock_.now;
    lastActivityReal_ = std::chrono::steady_clock::now();
}

bool THeadlessBackend::WaitingLoopLooksStuck() const
{
    constexpr uint64_t kVirtualLimitMs = 60 * 60 * 1000;
    if (clock_.now - lastActivityTick_ < kVirtualLimitMs) return false;
    auto real = std::chrono::steady_clock::now() - lastActivityReal_;
    return real >= std::chrono::milliseconds(options_.stuckLoopRealMs);
}

void THeadlessBackend::InjectFiles(TBackendEventKind kind, int x, int y, std::vector<std::string> files)
{
    // A drag moves the pointer over the program's windows, though the other program has it.
    cursor_ = {x, y};
    TBackendEvent ev;
    ev.kind = kind;
    ev.screen = cursor_;
    ev.files = std::move(files);
    Inject(std::move(ev));
}

std::optional<bool> THeadlessBackend::DragFilesOver(int x, int y, std::vector<std::string> files)
{
    dragAnswer_.reset();
    InjectFiles(TBackendEventKind::DragOver, x, y, std::move(files));
    return dragAnswer_;
}

std::optional<bool> THeadlessBackend::DropFiles(int x, int y, std::vector<std::string> files)
{
    dropAnswer_.reset();
    InjectFiles(TBackendEventKind::Drop, x, y, std::move(files));
    return dropAnswer_;
}

void THeadlessBackend::SetCursorPos(TPoint screen)
{
    cursor_ = screen;
    Inject(MouseEvent(TBackendEventKind::MouseMove, TMouseButton::None));
}

TNativeWindow THeadlessBackend::NativeWindowOf(HWND hwnd) const
{
    if (!TWindowSystem::Exists()) return 0;
    TWindow* w = TWindowSystem::Current().Find(hwnd);
    return w ? TWindowSystem::Root(w)->native : 0;
}

void THeadlessBackend::FocusOtherProgram()
{
    TBackendEvent ev;
    ev.kind = TBackendEventKind::Deactivated;
    ev.window = activated_;
    activated_ = 0;
    Inject(ev);
}

void THeadlessBackend::FocusFromDesktop(HWND hwnd)
{
    TBackendEvent ev;
    ev.kind = TBackendEventKind::Activated;
    ev.window = activated_ = NativeWindowOf(hwnd);
    Inject(ev);
}

void THeadlessBackend::RestoreFromDesktop(HWND hwnd)
{
    TBackendEvent ev;
    ev.kind = TBackendEventKind::Restored;
    ev.window = NativeWindowOf(hwnd);
    MinimizeNativeWindow(ev.window, false);
    Inject(ev);
}

void THeadlessBackend::CloseFromDesktop(HWND hwnd)
{
    TBackendEvent ev;
    ev.kind = TBackendEventKind::CloseRequest;
    ev.window = NativeWindowOf(hwnd);
    Inject(ev);
}

void THeadlessBackend::MoveFromDesktop(HWND hwnd, const TRect& bounds)
{
    TBackendEvent ev;
    ev.kind = TBackendEventKind::Configured;
    ev.window = NativeWindowOf(hwnd);
    ev.rect = bounds;
    if (TNativeInfo* n = Find(ev.window)) {
        TRect old = n->bounds;
        n->bounds = bounds;
        Recompose(UnionRect(old, bounds));
    }
    Inject(ev);
}

TColor THeadlessBackend::ScreenPixel(int x, int y) const { return screen_.GetPixel(x, y); }

void THeadlessBackend::SaveScreenshot(const std::string& pngPath) const { WritePngFile(screen_, pngPath); }

const THeadlessBackend::TNativeInfo* THeadlessBackend::Native(HWND hwnd) const
{
    auto it = natives_.find(NativeWindowOf(hwnd));
    return it == natives_.end() ? nullptr : &it->second;
}

THeadlessBackend::TNativeInfo* THeadlessBackend::Find(TNativeWindow window)
{
    auto it = natives_.find(window);
    return it == natives_.end() ? nullptr : &it->second;
}

TBitmap THeadlessBackend::ReadScreen(const TRect& area)
{
    TBitmap out(std::max(0, area.Width()), std::max(0, area.Height()), TPixelFormat::pf24bit);
    TRect common = IntersectRect(area, Bounds(0, 0, screen_.Width(), screen_.Height()));
    for (int y = common.Top; y < common.Bottom; ++y)
        std::memcpy(out.ScanLine(y - area.Top) + size_t(common.Left - area.Left) * 3,
                    screen_.ScanLine(y) + size_t(common.Left) * 3, size_t(common.Width()) * 3);
    return out;
}

TNativeWindow THeadlessBackend::CreateNativeWindow(const TNativeWindowParams& params)
{
    TNativeWindow id = nextNative_++;
    TNativeInfo& n = natives_[id];
    n.params = params;
    n.bounds = params.bounds;
    n.topmost = params.topmost;
    return id;
}

void THeadlessBackend::DestroyNativeWindow(TNativeWindow window)
{
    TNativeInfo* n = Find(window);
    if (!n) return;
    TRect area = n->visible ? n->bounds : TRect{};
    natives_.erase(window);
    pixels_.erase(window);
    std::erase(stacking_, window);
    if (capture_ == window) capture_ = 0;
    if (activated_ == window) activated_ = 0;
    Recompose(area);
}

void THeadlessBackend::ShowNativeWindow(TNativeWindow window, bool visible)
{
    TNativeInfo* n = Find(window);
    if (!n || n->visible == visible) return;
    n->visible = visible;
    if (visible && std::find(stacking_.begin(), stacking_.end(), window) == stacking_.end())
        stacking_.insert(stacking_.begin(), window);
    Recompose(n->bounds);
}

void THeadlessBackend::SetNativeBounds(TNativeWindow window, const TRect& bounds)
{
    TNativeInfo* n = Find(window);
    if (!n || n->bounds == bounds) return;
    TRect old = n->bounds;
    n->bounds = bounds;
    if (n->visible) Recompose(UnionRect(old, bounds));
}

void THeadlessBackend::SetNativeTitle(TNativeWindow window, const std::string& title)
{
    if (TNativeInfo* n = Find(window)) n->params.title = title;
}

void THeadlessBackend::SetNativeTopmost(TNativeWindow window, bool topmost)
{
    if (TNativeInfo* n = Find(window)) n->topmost = topmost;
}

void THeadlessBackend::SetNativeStacking(const std::vector<TNativeWindow>& topToBottom)
{
    if (topToBottom == stacking_) return;
    stacking_ = topToBottom;
    TRect changed;
    for (const auto& [id, n] : natives_)
        if (n.visible) changed = UnionRect(changed, n.bounds);
    Recompose(changed);
}

void THeadlessBackend::SetNativeShape(TNativeWindow window, const TRegion* shape)
{
    TNativeInfo* n = Find(window);
    if (!n) return;
    n->shape = shape ? std::optional<TRegion>(*shape) : std::nullopt;
    if (n->visible) Recompose(n->bounds);
}

void THeadlessBackend::SetNativeOpacity(TNativeWindow window, uint8_t alpha)
{
    TNativeInfo* n = Find(window);
    if (!n || n->alpha == alpha) return;
    n->alpha = alpha;
    if (n->visible) Recompose(n->bounds);
}

void THeadlessBackend::SetTextInputSpot(TNativeWindow window, const TRect& caret)
{
    if (TNativeInfo* n = Find(window)) n->inputSpot = caret;
}

TRect THeadlessBackend::TextInputSpot(TNativeWindow window) const
{
    auto it = natives_.find(window);
    if (it == natives_.end() || it->second.inputSpot.IsEmpty()) return {};
    return it->second.inputSpot.Offset(it->second.bounds.Left, it->second.bounds.Top);
}

void THeadlessBackend::MinimizeNativeWindow(TNativeWindow window, bool minimized)
{
    TNativeInfo* n = Find(window);
    if (!n || n->minimized == minimized) return;
    n->minimized = minimized;
    if (n->visible) Recompose(n->bounds);
}

void THeadlessBackend::PresentNativeWindow(TNativeWindow window, const TBitmap& pixels, const std::vector<TRect>& dirty)
{
    TNativeInfo* n = Find(window);
    if (!n) return;
    TBitmap& copy = pixels_[window];
    if (copy.Width() != pixels.Width() || copy.Height() != pixels.Height())
        copy = TBitmap(pixels.Width(), pixels.Height(), TPixelFormat::pf32bit);
    TRect all = Bounds(0, 0, pixels.Width(), pixels.Height());
    for (const TRect& d : dirty) {
        TRect r = IntersectRect(d, all);
        for (int y = r.Top; y < r.Bottom; ++y)
            std::memcpy(copy.ScanLine(y) + size_t(r.Left) * 4, pixels.ScanLine(y) + size_t(r.Left) * 4,
                        size_t(r.Width()) * 4);
        if (n->visible) Recompose(r.Offset(n->bounds.Left, n->bounds.Top));
    }
    ++n->presents;
    n->lastDirty = dirty;
}

void THeadlessBackend::Recompose(const TRect& screenArea)
{
    TRect area = IntersectRect(screenArea, Bounds(0, 0, screen_.Width(), screen_.Height()));
    if (area.IsEmpty()) return;
    uint8_t b = GetBValue(options_.desktopColor), g = GetGValue(options_.desktopColor), r = GetRValue(options_.desktopColor);
    for (int y = area.Top; y < area.Bottom; ++y) {
        uint8_t* p = screen_.ScanLine(y) + size_t(area.Left) * 3;
        for (int x = area.Left; x < area.Right; ++x, p += 3) p[0] = b, p[1] = g, p[2] = r;
    }
    for (auto it = stacking_.rbegin(); it != stacking_.rend(); ++it) {
        const TNativeInfo* n = Find(*it);
        auto px = pixels_.find(*it);
        if (!n || !n->visible || n->minimized || px == pixels_.end()) continue;
        ComposeWindow(*n, px->second, area);
    }
}

void THeadlessBackend::ComposeWindow(const TNativeInfo& n, const TBitmap& pixels, const TRect& area)
{
    TRect visible = IntersectRect(area, Bounds(n.bounds.Left, n.bounds.Top, pixels.Width(), pixels.Height()));
    if (visible.IsEmpty()) return;
    TRegion shown = n.shape ? n.shape->Offset(n.bounds.Left, n.bounds.Top) : TRegion(n.bounds);
    uint32_t a = n.alpha;
    shown.ForEachClipped(visible, [&](const TRect& r) {
        for (int y = r.Top; y < r.Bottom; ++y) {
            const uint8_t* src = pixels.ScanLine(y - n.bounds.Top) + size_t(r.Left - n.bounds.Left) * 4;
            uint8_t* dst = screen_.ScanLine(y) + size_t(r.Left) * 3;
            for (int x = r.Left; x < r.Right; ++x, src += 4, dst += 3) {
                for (int c = 0; c < 3; ++c)
                    dst[c] = a == 255 ? src[c] : uint8_t((src[c] * a + dst[c] * (255 - a) + 127) / 255);
            }
        }
    });
}

} // namespace tavrik
