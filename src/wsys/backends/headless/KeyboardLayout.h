#pragma once

#include <cstdint>
#include <string>

namespace tavrik {

// The US keyboard the headless backend types on.

// The characters a key produces with the given modifiers (UTF-8, control characters
// included: Enter "\r", Ctrl+A "\x01"); empty for keys without a character.
std::string TextForKey(uint32_t vk, bool shift, bool ctrl, bool alt);

struct TKeyStroke {
    uint32_t vk = 0; // 0: no key types this character
    bool shift = false;
};
TKeyStroke KeyForCharacter(char32_t cp);

// Keys of the navigation block and the right-hand modifiers carry the extended-key flag.
bool IsExtendedKey(uint32_t vk);

} // namespace tavrik
