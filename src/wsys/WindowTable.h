#pragma once

#include "wsys/Window.h"

#include <memory>
#include <vector>

namespace tavrik {

// The handles of living windows. A handle is a slot index plus that slot's generation, so a
// slot can be reused without an old handle ever finding the new window.
class TWindowTable {
public:
    HWND Add(std::shared_ptr<TWindow> window);
    void Remove(HWND handle);
    TWindow* Find(HWND handle) const;
    std::shared_ptr<TWindow> Pin(HWND handle) const;
    size_t Count() const { return count_; }

private:
    struct TSlot {
        std::shared_ptr<TWindow> window;
        uint64_t generation = 0;
    };
    static constexpr int kSlotBits = 24;

    bool Decode(HWND handle, size_t& index) const;

    std::vector<TSlot> slots_;
    std::vector<size_t> free_;
    size_t count_ = 0;
};

} // namespace tavrik
