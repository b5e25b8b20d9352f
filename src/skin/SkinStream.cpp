#include "skin/SkinStream.h"

#include "skin/SkinErrors.h"

namespace tavrik {

uint8_t TbsByteReader::ReadByte()
{
    return ReadBytes(1)[0];
}

int32_t TbsByteReader::ReadInt32()
{
    return static_cast<int32_t>(LoadUInt32(ReadBytes(4).data()));
}

std::span<const uint8_t> TbsByteReader::ReadBytes(size_t count)
{
    std::span<const uint8_t> bytes = Peek(count);
    pos_ += count;
    return bytes;
}

std::span<const uint8_t> TbsByteReader::Peek(size_t count) const
{
    if (count > Remaining()) throw EReadError();
    return data_.subspan(pos_, count);
}

std::span<const uint8_t> TbsByteReader::ReadRest()
{
    return ReadBytes(Remaining());
}

void AppendInt32(std::vector<uint8_t>& out, int32_t value)
{
    auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(bits >> (8 * i)));
}

uint32_t LoadUInt32(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24;
}

} // namespace tavrik
