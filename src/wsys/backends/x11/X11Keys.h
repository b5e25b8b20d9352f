#pragma once

#include <cstdint>

namespace tavrik {

// Virtual key codes of X keysyms. `base` is the keysym of the key without modifiers (what the
// key is), `actual` the one with the modifiers applied (what it typed); the keypad follows
// Num Lock, every other key its base keysym, as on Windows, where Shift+1 is still the '1'
// key. 0 when neither names a key of the virtual key set.
uint32_t VirtualKeyOf(unsigned long base, unsigned long actual);

// Keys of the navigation block, the right-hand Control and Alt, keypad Enter and Divide.
bool IsExtendedKeysym(unsigned long keysym);

} // namespace tavrik
