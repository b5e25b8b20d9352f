#pragma once

namespace tavrik {

// Counts a scope while it runs: the counter is one higher from here to the scope's end, also
// when the scope is left by an exception. Re-entrant work tests the counter to hold back.
class TScopedCount {
public:
    explicit TScopedCount(int& counter) : counter_(counter) { ++counter_; }
    ~TScopedCount() { --counter_; }
    TScopedCount(const TScopedCount&) = delete;
    TScopedCount& operator=(const TScopedCount&) = delete;

private:
    int& counter_;
};

} // namespace tavrik
