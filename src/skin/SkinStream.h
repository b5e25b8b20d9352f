#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavrik {

// Reads the little-endian fields of a skin stream; reading past the end throws EReadError.
class TbsByteReader {
public:
    explicit TbsByteReader(std::span<const uint8_t> data) : data_(data) {}

    uint8_t ReadByte();
    int32_t ReadInt32();
    std::span<const uint8_t> ReadBytes(size_t count);
    // The next count bytes without consuming them.
    std::span<const uint8_t> Peek(size_t count) const;
    // Everything not read yet, consumed.
    std::span<const uint8_t> ReadRest();

    size_t Position() const { return pos_; }
    size_t Remaining() const { return data_.size() - pos_; }

private:
    std::span<const uint8_t> data_;
    size_t pos_ = 0;
};

void AppendInt32(std::vector<uint8_t>& out, int32_t value);
uint32_t LoadUInt32(const uint8_t* bytes); // little-endian

} // namespace tavrik
