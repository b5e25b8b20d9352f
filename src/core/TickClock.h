#pragma once

#include <cstdint>

namespace tavrik {

// The millisecond tick count of the whole program. The window system installs its clock here
// so that timers, repeat delays and morph steps can run on virtual time in tests.
class ITickClock {
public:
    virtual ~ITickClock() = default;
    virtual uint64_t Milliseconds() const = 0;
};

// A monotonic clock starting near 0 when the program starts.
class TSteadyTickClock final : public ITickClock {
public:
    uint64_t Milliseconds() const override;
};

// The installed clock; a TSteadyTickClock until something else is installed.
uint64_t GetTickCount();
void SetTickClock(const ITickClock* clock); // nullptr restores the steady clock

} // namespace tavrik
