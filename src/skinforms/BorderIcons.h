#pragma once

#include <cstdint>
#include <initializer_list>

namespace tavrik {

// The caption buttons and system-menu items a skinned frame offers.
enum class TbsBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biRollUp = 8, biMinimizeToTray = 16 };

class TbsBorderIcons {
public:
    constexpr TbsBorderIcons() = default;
    constexpr TbsBorderIcons(std::initializer_list<TbsBorderIcon> icons)
    {
        for (TbsBorderIcon icon : icons) bits_ |= uint8_t(icon);
    }
    constexpr bool Contains(TbsBorderIcon icon) const { return (bits_ & uint8_t(icon)) != 0; }
    constexpr TbsBorderIcons With(TbsBorderIcon icon) const { return FromBits(uint8_t(bits_ | uint8_t(icon))); }
    constexpr TbsBorderIcons Without(TbsBorderIcon icon) const { return FromBits(uint8_t(bits_ & ~uint8_t(icon))); }
    constexpr uint8_t Bits() const { return bits_; }
    static constexpr TbsBorderIcons FromBits(uint8_t bits)
    {
        TbsBorderIcons icons;
        icons.bits_ = bits;
        return icons;
    }
    friend constexpr bool operator==(TbsBorderIcons, TbsBorderIcons) = default;

private:
    uint8_t bits_ = 0;
};

} // namespace tavrik
