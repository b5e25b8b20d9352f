#include "gfx/ZeroedAllocator.h"

#include <cstdint>
#include <cstdlib>
#include <sys/mman.h>

namespace tavrik {

namespace {

constexpr size_t kHugePageBytes = size_t(2) << 20;
// Below this a block is not worth a mapping of its own; above it the unused tail of the last
// huge page wastes at most a third.
constexpr size_t kMappedBlockBytes = size_t(4) << 20;

size_t MappedLength(size_t bytes) { return (bytes + kHugePageBytes - 1) & ~(kHugePageBytes - 1); }

// Maps one huge page more than needed and unmaps the unaligned head and tail.
void* MapAlignedBlock(size_t length)
{
    void* raw = ::mmap(nullptr, length + kHugePageBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    uintptr_t start = uintptr_t(raw);
    uintptr_t aligned = (start + kHugePageBytes - 1) & ~uintptr_t(kHugePageBytes - 1);
    if (aligned > start) ::munmap(raw, aligned - start);
    size_t tail = kHugePageBytes - (aligned - start);
    if (tail > 0) ::munmap(reinterpret_cast<void*>(aligned + length), tail);
    void* block = reinterpret_cast<void*>(aligned);
    ::madvise(block, length, MADV_HUGEPAGE); // a hint: without huge pages the block still works
    return block;
}

} // namespace

void* AllocateZeroedBlock(size_t bytes)
{
    if (bytes > SIZE_MAX / 2) throw std::bad_alloc();
    if (bytes >= kMappedBlockBytes) return MapAlignedBlock(MappedLength(bytes));
    void* block = std::calloc(bytes == 0 ? 1 : bytes, 1);
    if (!block) throw std::bad_alloc();
    return block;
}

void FreeZeroedBlock(void* block, size_t bytes) noexcept
{
    if (!block) return;
    if (bytes >= kMappedBlockBytes) ::munmap(block, MappedLength(bytes));
    else std::free(block);
}

} // namespace tavrik
