#include "wsys/backends/headless/KeyboardLayout.h"

#include "wsys/WinConstants.h"

namespace tavrik {

namespace {

struct TKeyChars {
    uint32_t vk;
    char plain;
    char shifted;
};

// Keys other than letters that type something.
constexpr TKeyChars kKeys[] = {
    {'0', '0', ')'}, {'1', '1', '!'}, {'2', '2', '@'}, {'3', '3', '#'}, {'4', '4', '$'},
    {'5', '5', '%'}, {'6', '6', '^'}, {'7', '7', '&'}, {'8', '8', '*'}, {'9', '9', '('},
    {VK_SPACE, ' ', ' '}, {VK_RETURN, '\r', '\r'}, {VK_BACK, '\b', '\b'}, {VK_TAB, '\t', '\t'},
    {VK_ESCAPE, '\x1b', '\x1b'}, {VK_OEM_MINUS, '-', '_'}, {VK_OEM_PLUS, '=', '+'},
    {VK_OEM_COMMA, ',', '<'}, {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'}, {VK_OEM_1, ';', ':'},
    {VK_OEM_7, '\'', '"'}, {VK_OEM_4, '[', '{'}, {VK_OEM_6, ']', '}'}, {VK_OEM_5, '\\', '|'},
    {VK_OEM_3, '`', '~'}, {VK_MULTIPLY, '*', '*'}, {VK_ADD, '+', '+'}, {VK_SUBTRACT, '-', '-'},
    {VK_DECIMAL, '.', '.'}, {VK_DIVIDE, '/', '/'},
};

} // namespace

std::string TextForKey(uint32_t vk, bool shift, bool ctrl, bool alt)
{
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl && !alt) return std::string(1, char(vk - 'A' + 1));
        return std::string(1, char(shift ? vk : vk - 'A' + 'a'));
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return std::string(1, char('0' + vk - VK_NUMPAD0));
    if (ctrl && !alt) return {};
    for (const TKeyChars& k : kKeys)
        if (k.vk == vk) return std::string(1, shift ? k.shifted : k.plain);
    return {};
}

TKeyStroke KeyForCharacter(char32_t cp)
{
    if (cp >= 'a' && cp <= 'z') return {uint32_t(cp - 'a' + 'A'), false};
    if (cp >= 'A' && cp <= 'Z') return {uint32_t(cp), true};
    if (cp == '\n') return {VK_RETURN, false};
    for (const TKeyChars& k : kKeys) {
        if (k.vk >= VK_MULTIPLY && k.vk <= VK_DIVIDE) continue; // the main block types these
        if (char32_t(uint8_t(k.plain)) == cp) return {k.vk, false};
        if (char32_t(uint8_t(k.shifted)) == cp) return {k.vk, true};
    }
    return {};
}

bool IsExtendedKey(uint32_t vk)
{
    switch (vk) {
    case VK_PRIOR: case VK_NEXT: case VK_END: case VK_HOME: case VK_LEFT: case VK_UP: case VK_RIGHT:
    case VK_DOWN: case VK_INSERT: case VK_DELETE: case VK_RCONTROL: case VK_RMENU: case VK_DIVIDE:
        return true;
    default:
        return false;
    }
}

} // namespace tavrik
