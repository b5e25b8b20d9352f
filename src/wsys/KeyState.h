#pragma once

#include <array>
#include <cstdint>

namespace tavrik {

// The state of every virtual key: bit 0x80 held down, bit 0x01 toggled (Caps Lock and the
// like flip it on every press).
class TKeyState {
public:
    bool IsDown(uint32_t vk) const { return vk < 256 && (keys_[vk] & 0x80) != 0; }
    bool IsToggled(uint32_t vk) const { return vk < 256 && (keys_[vk] & 0x01) != 0; }
    uint8_t Raw(uint32_t vk) const { return vk < 256 ? keys_[vk] : 0; }
    void SetDown(uint32_t vk, bool down)
    {
        if (vk >= 256) return;
        if (down && !IsDown(vk)) keys_[vk] ^= 0x01;
        keys_[vk] = uint8_t(down ? (keys_[vk] | 0x80) : (keys_[vk] & ~0x80));
    }

private:
    std::array<uint8_t, 256> keys_{};
};

} // namespace tavrik
