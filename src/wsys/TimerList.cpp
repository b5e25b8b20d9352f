#include "wsys/TimerList.h"

#include "wsys/WinConstants.h"

#include <algorithm>

namespace tavrik {

TTimerList::TTimer* TTimerList::Find(HWND hwnd, uint64_t id)
{
    for (TTimer& t : timers_)
        if (t.hwnd == hwnd && t.id == id) return &t;
    return nullptr;
}

uint64_t TTimerList::Set(HWND hwnd, uint64_t id, uint32_t intervalMs, TIMERPROC proc, uint64_t now)
{
    intervalMs = std::max<uint32_t>(intervalMs, USER_TIMER_MINIMUM);
    TTimer* timer = Find(hwnd, id);
    if (!timer && !hwnd) id = nextWindowlessId_++;
    if (!timer) {
        timers_.push_back(TTimer{hwnd, id, 0, 0, 0, {}});
        timer = &timers_.back();
    }
    timer->interval = intervalMs;
    timer->due = now + intervalMs;
    timer->order = nextOrder_++;
    timer->proc = std::move(proc);
    return id;
}

bool TTimerList::Kill(HWND hwnd, uint64_t id)
{
    auto it = std::find_if(timers_.begin(), timers_.end(),
                           [&](const TTimer& t) { return t.hwnd == hwnd && t.id == id; });
    if (it == timers_.end()) return false;
    timers_.erase(it);
    return true;
}

void TTimerList::KillAllOf(HWND hwnd)
{
    std::erase_if(timers_, [&](const TTimer& t) { return t.hwnd == hwnd; });
}

bool TTimerList::Exists(HWND hwnd, uint64_t id) const
{
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const TTimer& t) { return t.hwnd == hwnd && t.id == id; });
}

std::optional<uint64_t> TTimerList::NextDue() const
{
    std::optional<uint64_t> next;
    for (const TTimer& t : timers_)
        if (!next || t.due < *next) next = t.due;
    return next;
}

bool TTimerList::TakeDue(uint64_t now, HWND filter, bool remove, TFired& out)
{
    TTimer* best = nullptr;
    for (TTimer& t : timers_) {
        if (t.due > now || (filter && t.hwnd != filter)) continue;
        if (!best || t.due < best->due || (t.due == best->due && t.order < best->order)) best = &t;
    }
    if (!best) return false;
    out = TFired{best->hwnd, best->id, bool(best->proc)};
    if (remove) best->due = now + best->interval;
    return true;
}

const TIMERPROC* TTimerList::ProcOf(HWND hwnd, uint64_t id) const
{
    for (const TTimer& t : timers_)
        if (t.hwnd == hwnd && t.id == id) return t.proc ? &t.proc : nullptr;
    return nullptr;
}

} // namespace tavrik
