#pragma once

#include "wsys/WinTypes.h"

#include <optional>
#include <vector>

namespace tavrik {

// Window timers on the tick clock. A timer is due when the clock reaches its time; it then
// yields one WM_TIMER and is rescheduled one interval after the moment it fired, so a busy
// loop never piles up several messages of the same timer.
class TTimerList {
public:
    struct TFired {
        HWND hwnd = nullptr;
        uint64_t id = 0;
        bool hasProc = false;
    };

    // Starts or restarts the timer (hwnd, id) and returns its id. Timers without a window
    // get a fresh id when id is 0 or not one of theirs.
    uint64_t Set(HWND hwnd, uint64_t id, uint32_t intervalMs, TIMERPROC proc, uint64_t now);
    bool Kill(HWND hwnd, uint64_t id);
    void KillAllOf(HWND hwnd);
    bool Exists(HWND hwnd, uint64_t id) const;

    std::optional<uint64_t> NextDue() const;
    // The earliest timer that is due at `now` (of the window `filter`, or of any window when
    // filter is null); with `remove` it is rescheduled.
    bool TakeDue(uint64_t now, HWND filter, bool remove, TFired& out);
    // The callback of a timer, or nullptr.
    const TIMERPROC* ProcOf(HWND hwnd, uint64_t id) const;

private:
    struct TTimer {
        HWND hwnd = nullptr;
        uint64_t id = 0;
        uint32_t interval = 0;
        uint64_t due = 0;
        uint64_t order = 0; // timers due at the same time fire in the order they were set
        TIMERPROC proc;
    };

    TTimer* Find(HWND hwnd, uint64_t id);

    std::vector<TTimer> timers_;
    uint64_t nextOrder_ = 0;
    uint64_t nextWindowlessId_ = 0x10000;
};

} // namespace tavrik
