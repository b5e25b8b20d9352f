#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik::testing {

// Builds the settings block a desktop publishes in _XSETTINGS_SETTINGS.
class TXSettingsWriter {
public:
    explicit TXSettingsWriter(bool msbFirst = false) : msb_(msbFirst) {}

    TXSettingsWriter& Integer(const std::string& name, int32_t value)
    {
        Header(0, name);
        Card(uint32_t(value), 4);
        ++count_;
        return *this;
    }
    TXSettingsWriter& String(const std::string& name, const std::string& value)
    {
        Header(1, name);
        Card(uint32_t(value.size()), 4);
        Text(value);
        ++count_;
        return *this;
    }
    TXSettingsWriter& Color(const std::string& name)
    {
        Header(2, name);
        for (int i = 0; i < 4; ++i) Card(0xFFFF, 2);
        ++count_;
        return *this;
    }
    std::vector<uint8_t> Block() const
    {
        TXSettingsWriter head(msb_);
        head.bytes_ = {uint8_t(msb_ ? 1 : 0), 0, 0, 0};
        head.Card(7, 4); // serial
        head.Card(count_, 4);
        std::vector<uint8_t> out = head.bytes_;
        out.insert(out.end(), bytes_.begin(), bytes_.end());
        return out;
    }

private:
    void Header(uint8_t type, const std::string& name)
    {
        bytes_.push_back(type);
        bytes_.push_back(0);
        Card(uint32_t(name.size()), 2);
        Text(name);
        Card(3, 4); // last-change serial
    }
    void Card(uint32_t v, int size)
    {
        for (int i = 0; i < size; ++i) {
            int shift = msb_ ? 8 * (size - 1 - i) : 8 * i;
            bytes_.push_back(uint8_t(v >> shift));
        }
    }
    void Text(const std::string& s)
    {
        bytes_.insert(bytes_.end(), s.begin(), s.end());
        while (bytes_.size() % 4) bytes_.push_back(0);
    }

    bool msb_;
    uint32_t count_ = 0;
    std::vector<uint8_t> bytes_;
};

} // namespace tavrik::testing
