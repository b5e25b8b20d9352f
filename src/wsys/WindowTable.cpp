#include "wsys/WindowTable.h"

namespace tavrik {

HWND TWindowTable::Add(std::shared_ptr<TWindow> window)
{
    size_t index;
    if (!free_.empty()) {
        index = free_.back();
        free_.pop_back();
    } else {
        index = slots_.size();
        slots_.emplace_back();
    }
    TSlot& slot = slots_[index];
    ++slot.generation;
    slot.window = std::move(window);
    ++count_;
    // Slot numbers start at 1 and generations at 1, so no handle is 0, 1 or near ~0 (the
    // values reserved for HWND_TOP, HWND_BOTTOM and HWND_TOPMOST/NOTOPMOST).
    HWND handle = HandleFromValue((slot.generation << kSlotBits) | uint64_t(index + 1));
    slot.window->handle = handle;
    return handle;
}

bool TWindowTable::Decode(HWND handle, size_t& index) const
{
    uint64_t value = HandleValue(handle);
    uint64_t slotNumber = value & ((uint64_t(1) << kSlotBits) - 1);
    if (slotNumber == 0 || slotNumber > slots_.size()) return false;
    index = size_t(slotNumber - 1);
    return slots_[index].window && slots_[index].generation == (value >> kSlotBits);
}

void TWindowTable::Remove(HWND handle)
{
    size_t index;
    if (!Decode(handle, index)) return;
    slots_[index].window.reset();
    free_.push_back(index);
    --count_;
}

TWindow* TWindowTable::Find(HWND handle) const
{
    size_t index;
    return Decode(handle, index) ? slots_[index].window.get() : nullptr;
}

std::shared_ptr<TWindow> TWindowTable::Pin(HWND handle) const
{
    size_t index;
    return Decode(handle, index) ? slots_[index].window : nullptr;
}

} // namespace tavrik
