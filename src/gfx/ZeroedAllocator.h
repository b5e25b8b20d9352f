#pragma once

#include <cstddef>
#include <new>
#include <utility>

namespace tavrik {

// Zeroed memory for pixel buffers. Small blocks come from calloc. Large ones are fresh
// anonymous mappings, which the system hands out as zero pages, aligned for and marked as
// transparent huge pages: filling a new picture then costs a few faults per 2 MiB instead of
// one per 4 KiB page, which on some systems is slower than the copy itself. Pages a sparse
// picture never touches (a run-length file that skips most of a large area) are never
// committed. Throws std::bad_alloc when no memory is left.
void* AllocateZeroedBlock(size_t bytes);
void FreeZeroedBlock(void* block, size_t bytes) noexcept;

// Gives a std::vector zeroed elements from AllocateZeroedBlock without writing the zeros a
// second time. Only for trivial types, and only for vectors that get their size when they are
// made: an element added later within the capacity would not be cleared.
template <class T>
struct TZeroedAllocator {
    using value_type = T;

    TZeroedAllocator() = default;
    template <class U>
    TZeroedAllocator(const TZeroedAllocator<U>&) noexcept
    {
    }

    T* allocate(size_t count)
    {
        if (count > size_t(-1) / sizeof(T)) throw std::bad_alloc();
        return static_cast<T*>(AllocateZeroedBlock(count * sizeof(T)));
    }
    void deallocate(T* p, size_t count) noexcept { FreeZeroedBlock(p, count * sizeof(T)); }

    // Value-initialisation would write the zeros the block already holds.
    template <class U>
    void construct(U*) noexcept
    {
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    friend bool operator==(const TZeroedAllocator&, const TZeroedAllocator&) { return true; }
};

} // namespace tavrik
