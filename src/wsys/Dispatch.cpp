#include "core/ScopedCount.h"
#include "core/TickClock.h"
#include "wsys/Messages.h"
#include "wsys/Painter.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

namespace {

// Keeps the dispatch depth right even when a procedure throws.
class TDispatchGuard {
public:
    explicit TDispatchGuard(TWindow& w) : w_(w) { ++w_.dispatchDepth; }
    ~TDispatchGuard() { --w_.dispatchDepth; }
    TDispatchGuard(const TDispatchGuard&) = delete;
    TDispatchGuard& operator=(const TDispatchGuard&) = delete;

private:
    TWindow& w_;
};

} // namespace

LRESULT TWindowSystem::Send(TWindow* w, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!w || w->life == TWindowLife::Dead) return 0;
    // The pin keeps the object alive when the procedure destroys its own window.
    std::shared_ptr<TWindow> pin = Pin(w->handle);
    LRESULT result = 0;
    {
        TDispatchGuard guard(*w);
        for (TProcLink& link : w->procs) {
            if (link.removed) continue;
            result = link.proc ? link.proc(w->handle, msg, wp, lp) : DefWindowProc(w->handle, msg, wp, lp);
            break;
        }
    }
    if (w->dispatchDepth == 0) PurgeRemovedLinks(w);
    return result;
}

LRESULT TWindowSystem::CallProcBehind(TWindow* w, TWndProcId link, UINT msg, WPARAM wp, LPARAM lp)
{
    if (!w || w->life == TWindowLife::Dead) return 0;
    auto it = std::find_if(w->procs.begin(), w->procs.end(), [&](const TProcLink& l) { return l.id == link; });
    if (it != w->procs.end()) {
        TDispatchGuard guard(*w);
        for (++it; it != w->procs.end(); ++it) {
            if (it->removed) continue;
            return it->proc ? it->proc(w->handle, msg, wp, lp) : DefWindowProc(w->handle, msg, wp, lp);
        }
    }
    return DefWindowProc(w->handle, msg, wp, lp);
}

TWndProcId TWindowSystem::Subclass(TWindow* w, WNDPROC proc)
{
    TWndProcId id = nextProcId_++;
    w->procs.push_front(TProcLink{id, std::move(proc), false});
    return id;
}

bool TWindowSystem::Unsubclass(TWindow* w, TWndProcId id)
{
    // The class procedure at the end of the chain is not a subclass and stays.
    auto last = std::prev(w->procs.end());
    for (auto it = w->procs.begin(); it != last; ++it) {
        if (it->id != id || it->removed) continue;
        it->removed = true;
        if (w->dispatchDepth == 0) PurgeRemovedLinks(w);
        return true;
    }
    return false;
}

void TWindowSystem::PurgeRemovedLinks(TWindow* w)
{
    w->procs.remove_if([](const TProcLink& l) { return l.removed; });
}

bool TWindowSystem::Post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    bool uiThread = std::this_thread::get_id() == uiThread_;
    if (uiThread && hwnd && !Find(hwnd)) return false;
    MSG m{hwnd, msg, wp, lp, DWORD(GetTickCount()), uiThread ? input_.CursorPos() : TPoint{}};
    queue_.Post(m);
    if (!uiThread) backend_->Wake();
    return true;
}

void TWindowSystem::PullBackendEvents()
{
    TBackendEvent ev;
    while (backend_->NextEvent(ev)) {
        if (ev.time == 0) ev.time = GetTickCount();
        rawInput_.push_back(std::move(ev));
        ev = TBackendEvent{};
    }
}

DWORD TWindowSystem::EventTime(const TBackendEvent& ev) const { return DWORD(ev.time); }

bool TWindowSystem::TakeTimerMessage(const TMessageQueue::TFilter& filter, bool remove, MSG& out)
{
    if (!filter.Allows(WM_TIMER)) return false;
    uint64_t now = GetTickCount();
    TTimerList::TFired fired;
    if (!timers_.TakeDue(now, filter.hwnd, remove, fired)) return false;
    out = MSG{fired.hwnd, WM_TIMER, WPARAM(fired.id), fired.hasProc ? 1 : 0, DWORD(now), input_.CursorPos()};
    return true;
}

bool TWindowSystem::Peek(MSG& out, HWND filterHwnd, UINT first, UINT last, UINT flags)
{
    TMessageQueue::TFilter filter{filterHwnd, first, last};
    bool remove = (flags & PM_REMOVE) != 0;
    PullBackendEvents();
    bool found = queue_.TakePosted(filter, remove, out);
    while (!found) {
        TMessageQueue::TInput input;
        if (queue_.TakeInput(filter, remove, input)) {
            if (remove) input_.SetSyncKeys(input.keys);
            out = input.msg;
            found = true;
            break;
        }
        if (rawInput_.empty()) break;
        input_.TranslateNext(rawInput_, queue_);
        found = queue_.TakePosted(filter, remove, out); // translation may post (mouse leave)
    }
    int exitCode = 0;
    if (!found && remove && queue_.TakeQuit(exitCode)) {
        out = MSG{nullptr, WM_QUIT, WPARAM(exitCode), 0, DWORD(GetTickCount()), input_.CursorPos()};
        found = true;
    }
    if (!found && filter.Allows(WM_PAINT)) {
        if (TWindow* w = painter_->NextToPaint(filterHwnd)) {
            out = MSG{w->handle, WM_PAINT, 0, 0, DWORD(GetTickCount()), input_.CursorPos()};
            found = true;
        }
    }
    if (!found) found = TakeTimerMessage(filter, remove, out);
    if (!found) {
        // Idle: show what was painted and notice a pointer that windows moved away from.
        painter_->PresentAll();
        input_.CheckMouseLeave();
        found = queue_.TakePosted(filter, remove, out);
    }
    if (found && remove) currentMessage_ = out;
    return found;
}

bool TWindowSystem::Get(MSG& out, HWND filter, UINT first, UINT last)
{
    TScopedCount busy(busy_);
    for (;;) {
        if (Peek(out, filter, first, last, PM_REMOVE)) return out.message != WM_QUIT;
        WaitForInput();
    }
}

void TWindowSystem::WaitForInput()
{
    int64_t timeout = -1;
    if (auto due = timers_.NextDue()) timeout = std::max<int64_t>(0, int64_t(*due) - int64_t(GetTickCount()));
    backend_->WaitForEvents(timeout);
}

LRESULT TWindowSystem::Dispatch(const MSG& msg)
{
    TScopedCount busy(busy_);
    if (msg.message == WM_TIMER && msg.lParam != 0) {
        if (const TIMERPROC* proc = timers_.ProcOf(msg.hwnd, msg.wParam)) {
            TIMERPROC copy = *proc; // the callback may kill its own timer
            copy(msg.hwnd, WM_TIMER, msg.wParam, DWORD(GetTickCount()));
        }
        return 0;
    }
    TWindow* w = Find(msg.hwnd);
    if (!w) return 0;
    HWND handle = msg.hwnd;
    LRESULT result = Send(w, msg.message, msg.wParam, msg.lParam);
    // A procedure that ignores WM_PAINT would otherwise be asked again forever.
    if (msg.message == WM_PAINT && (w = Find(handle))) painter_->AfterPaintMessage(w);
    return result;
}

void TWindowSystem::ProcessMessages()
{
    TScopedCount busy(busy_);
    MSG m;
    while (Peek(m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_QUIT) {
            queue_.PostQuit(int(m.wParam)); // leave it for the main loop
            break;
        }
        if (!FilterMessage(m)) Dispatch(m);
    }
}

bool TWindowSystem::RunLoopUntil(const std::function<bool()>& done)
{
    TScopedCount busy(busy_);
    while (!done()) {
        MSG m;
        if (!Get(m, nullptr, 0, 0)) {
            queue_.PostQuit(int(m.wParam));
            return false;
        }
        if (!FilterMessage(m)) Dispatch(m);
    }
    return true;
}

TMessageFilter TWindowSystem::SetMessageFilter(TMessageFilter filter)
{
    std::swap(filter, filter_);
    return filter;
}

} // namespace tavrik
