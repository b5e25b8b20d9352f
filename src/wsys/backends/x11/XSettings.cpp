#include "wsys/backends/x11/XSettings.h"

namespace tavrik {

namespace {

class TReader {
public:
    TReader(std::span<const uint8_t> data, bool msbFirst) : data_(data), msb_(msbFirst) {}

    bool Skip(size_t n)
    {
        if (n > data_.size() - at_) return false;
        at_ += n;
        return true;
    }
    std::optional<uint32_t> Card(int bytes)
    {
        if (size_t(bytes) > data_.size() - at_) return std::nullopt;
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i) {
            uint32_t b = data_[at_ + size_t(i)];
            v |= msb_ ? b << (8 * (bytes - 1 - i)) : b << (8 * i);
        }
        at_ += size_t(bytes);
        return v;
    }
    std::optional<std::string_view> Text(size_t length)
    {
        if (length > data_.size() - at_) return std::nullopt;
        std::string_view s(reinterpret_cast<const char*>(data_.data() + at_), length);
        at_ += length;
        return s;
    }

private:
    std::span<const uint8_t> data_;
    bool msb_;
    size_t at_ = 0;
};

size_t Pad4(size_t n) { return (4 - n % 4) % 4; }

} // namespace

std::optional<int32_t> FindXSettingsInteger(std::span<const uint8_t> block, std::string_view name)
{
    if (block.size() < 12) return std::nullopt;
    TReader r(block, block[0] != 0);
    r.Skip(4);
    r.Card(4); // serial
    std::optional<uint32_t> count = r.Card(4);
    if (!count) return std::nullopt;
    for (uint32_t i = 0; i < *count; ++i) {
        std::optional<uint32_t> type = r.Card(1);
        if (!type || !r.Skip(1)) return std::nullopt;
        std::optional<uint32_t> nameLength = r.Card(2);
        if (!nameLength) return std::nullopt;
        std::optional<std::string_view> settingName = r.Text(*nameLength);
        if (!settingName || !r.Skip(Pad4(*nameLength)) || !r.Card(4)) return std::nullopt;
        switch (*type) {
        case 0: {
            std::optional<uint32_t> value = r.Card(4);
            if (!value) return std::nullopt;
            if (*settingName == name) return int32_t(*value);
            break;
        }
        case 1: {
            std::optional<uint32_t> length = r.Card(4);
            if (!length || !r.Skip(*length) || !r.Skip(Pad4(*length))) return std::nullopt;
            if (*settingName == name) return std::nullopt;
            break;
        }
        case 2:
            if (!r.Skip(8)) return std::nullopt;
            if (*settingName == name) return std::nullopt;
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace tavrik
