#include "wsys/MessageQueue.h"

#include "wsys/Messages.h"

#include <algorithm>

namespace tavrik {

bool TMessageQueue::TFilter::Matches(const MSG& m) const
{
    return (!hwnd || m.hwnd == hwnd) && Allows(m.message);
}

void TMessageQueue::Post(const MSG& msg)
{
    std::lock_guard lock(mutex_);
    posted_.push_back(msg);
}

bool TMessageQueue::TakePosted(const TFilter& filter, bool remove, MSG& out)
{
    std::lock_guard lock(mutex_);
    auto it = std::find_if(posted_.begin(), posted_.end(), [&](const MSG& m) { return filter.Matches(m); });
    if (it == posted_.end()) return false;
    out = *it;
    if (remove) posted_.erase(it);
    return true;
}

bool TMessageQueue::HasPosted()
{
    std::lock_guard lock(mutex_);
    return !posted_.empty();
}

bool TMessageQueue::TakeInput(const TFilter& filter, bool remove, TInput& out)
{
    auto it = std::find_if(input_.begin(), input_.end(), [&](const TInput& i) { return filter.Matches(i.msg); });
    if (it == input_.end()) return false;
    out = *it;
    if (remove) input_.erase(it);
    return true;
}

void TMessageQueue::RemoveFor(HWND hwnd)
{
    {
        std::lock_guard lock(mutex_);
        std::erase_if(posted_, [&](const MSG& m) { return m.hwnd == hwnd; });
    }
    std::erase_if(input_, [&](const TInput& i) { return i.msg.hwnd == hwnd; });
}

void TMessageQueue::RemoveTimer(HWND hwnd, uint64_t id)
{
    std::lock_guard lock(mutex_);
    std::erase_if(posted_, [&](const MSG& m) { return m.hwnd == hwnd && m.message == WM_TIMER && m.wParam == id; });
}

void TMessageQueue::PostQuit(int exitCode)
{
    std::lock_guard lock(mutex_);
    quit_ = true;
    exitCode_ = exitCode;
}

bool TMessageQueue::TakeQuit(int& exitCode)
{
    std::lock_guard lock(mutex_);
    if (!quit_) return false;
    quit_ = false;
    exitCode = exitCode_;
    return true;
}

} // namespace tavrik
