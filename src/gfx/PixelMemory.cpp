#include "gfx/PixelMemory.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>
#include <utility>

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

uint8_t* AllocateZeroed(size_t bytes)
{
    if (bytes == 0) return nullptr;
    if (bytes > SIZE_MAX / 2) throw std::bad_alloc();
    void* block = bytes >= kMappedBlockBytes ? MapAlignedBlock(MappedLength(bytes)) : std::calloc(bytes, 1);
    if (!block) throw std::bad_alloc();
    return static_cast<uint8_t*>(block);
}

void Free(uint8_t* block, size_t bytes)
{
    if (!block) return;
    if (bytes >= kMappedBlockBytes) ::munmap(block, MappedLength(bytes));
    else std::free(block);
}

} // namespace

TPixelMemory::TPixelMemory(size_t bytes) : data_(AllocateZeroed(bytes)), size_(bytes) {}

TPixelMemory::TPixelMemory(const TPixelMemory& other) : TPixelMemory(other.size_)
{
    if (size_) std::memcpy(data_, other.data_, size_);
}

TPixelMemory::TPixelMemory(TPixelMemory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0))
{
}

TPixelMemory& TPixelMemory::operator=(TPixelMemory other) noexcept
{
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    return *this;
}

TPixelMemory::~TPixelMemory() { Free(data_, size_); }

bool operator==(const TPixelMemory& a, const TPixelMemory& b)
{
    return a.size_ == b.size_ && (a.size_ == 0 || std::memcmp(a.data_, b.data_, a.size_) == 0);
}

} // namespace tavrik
