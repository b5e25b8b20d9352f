#include "core/TickClock.h"

#include <atomic>
#include <chrono>

namespace tavrik {

namespace {

const TSteadyTickClock& SteadyClock()
{
    static const TSteadyTickClock clock;
    return clock;
}

std::atomic<const ITickClock*> gClock{nullptr};

} // namespace

uint64_t TSteadyTickClock::Milliseconds() const
{
    static const auto start = std::chrono::steady_clock::now();
    auto elapsed = std::chrono::steady_clock::now() - start;
    return uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

uint64_t GetTickCount()
{
    const ITickClock* clock = gClock.load(std::memory_order_acquire);
    return (clock ? *clock : static_cast<const ITickClock&>(SteadyClock())).Milliseconds();
}

void SetTickClock(const ITickClock* clock) { gClock.store(clock, std::memory_order_release); }

} // namespace tavrik
