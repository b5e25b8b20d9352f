#pragma once

#include <cstddef>
#include <cstdint>

namespace tavrik {

// The zeroed pixel memory of a TBitmap. Small blocks come from calloc. Large ones are fresh
// anonymous mappings, which the system hands out as zero pages, aligned for and marked as
// transparent huge pages: filling a new picture then costs a few faults per 2 MiB instead of
// one per 4 KiB page, which on some systems takes longer than the copy itself, and no pass
// clears memory that a decoder is about to overwrite. Pages a sparse picture never touches
// (a run-length file that skips most of a large area) are never committed.
class TPixelMemory {
public:
    TPixelMemory() = default;
    // Throws std::bad_alloc when the memory cannot be had.
    explicit TPixelMemory(size_t bytes);
    TPixelMemory(const TPixelMemory& other);
    TPixelMemory(TPixelMemory&& other) noexcept;
    TPixelMemory& operator=(TPixelMemory other) noexcept;
    ~TPixelMemory();

    uint8_t* Data() { return data_; }
    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

    friend bool operator==(const TPixelMemory& a, const TPixelMemory& b);

private:
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
};

} // namespace tavrik
