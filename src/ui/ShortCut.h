#pragma once

#include "ui/ControlTypes.h"

#include <cstdint>
#include <string>

namespace tavrik {

// A key with its modifiers, as a menu item's shortcut: the virtual key in the low byte.
using TShortCut = uint16_t;
constexpr TShortCut scNone = 0;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;

constexpr TShortCut ShortCut(uint16_t key, TShiftState shift)
{
    TShortCut s = TShortCut(key & 0xFF);
    if (shift & ssShift) s |= scShift;
    if (shift & ssCtrl) s |= scCtrl;
    if (shift & ssAlt) s |= scAlt;
    return s;
}

// "Ctrl+O", "Shift+Ctrl+F5", "Del"; empty for scNone.
std::string ShortCutToText(TShortCut shortCut);

} // namespace tavrik
