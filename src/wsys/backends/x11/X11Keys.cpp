#include "wsys/backends/x11/X11Keys.h"

#include "wsys/WinConstants.h"

#include <X11/keysym.h>

#include <algorithm>
#include <array>

namespace tavrik {

namespace {

struct TKeyMapping {
    unsigned long keysym;
    uint32_t vk;
};

// Sorted by keysym for the binary search.
constexpr std::array kKeys = std::to_array<TKeyMapping>({
    {XK_space, VK_SPACE},
    {XK_apostrophe, VK_OEM_7},
    {XK_comma, VK_OEM_COMMA},
    {XK_minus, VK_OEM_MINUS},
    {XK_period, VK_OEM_PERIOD},
    {XK_slash, VK_OEM_2},
    {XK_semicolon, VK_OEM_1},
    {XK_equal, VK_OEM_PLUS},
    {XK_bracketleft, VK_OEM_4},
    {XK_backslash, VK_OEM_5},
    {XK_bracketright, VK_OEM_6},
    {XK_grave, VK_OEM_3},
    {XK_ISO_Left_Tab, VK_TAB},
    {XK_BackSpace, VK_BACK},
    {XK_Tab, VK_TAB},
    {XK_Clear, VK_CLEAR},
    {XK_Return, VK_RETURN},
    {XK_Pause, VK_PAUSE},
    {XK_Scroll_Lock, VK_SCROLL},
    {XK_Sys_Req, VK_SNAPSHOT},
    {XK_Escape, VK_ESCAPE},
    {XK_Home, VK_HOME},
    {XK_Left, VK_LEFT},
    {XK_Up, VK_UP},
    {XK_Right, VK_RIGHT},
    {XK_Down, VK_DOWN},
    {XK_Prior, VK_PRIOR},
    {XK_Next, VK_NEXT},
    {XK_End, VK_END},
    {XK_Begin, VK_CLEAR},
    {XK_Print, VK_SNAPSHOT},
    {XK_Insert, VK_INSERT},
    {XK_Menu, VK_APPS},
    {XK_Cancel, VK_CANCEL},
    {XK_Help, VK_HELP},
    {XK_Break, VK_CANCEL},
    {XK_Num_Lock, VK_NUMLOCK},
    {XK_KP_Enter, VK_RETURN},
    {XK_KP_Home, VK_HOME},
    {XK_KP_Left, VK_LEFT},
    {XK_KP_Up, VK_UP},
    {XK_KP_Right, VK_RIGHT},
    {XK_KP_Down, VK_DOWN},
    {XK_KP_Prior, VK_PRIOR},
    {XK_KP_Next, VK_NEXT},
    {XK_KP_End, VK_END},
    {XK_KP_Begin, VK_CLEAR},
    {XK_KP_Insert, VK_INSERT},
    {XK_KP_Delete, VK_DELETE},
    {XK_KP_Multiply, VK_MULTIPLY},
    {XK_KP_Add, VK_ADD},
    {XK_KP_Separator, VK_SEPARATOR},
    {XK_KP_Subtract, VK_SUBTRACT},
    {XK_KP_Decimal, VK_DECIMAL},
    {XK_KP_Divide, VK_DIVIDE},
    {XK_Shift_L, VK_LSHIFT},
    {XK_Shift_R, VK_RSHIFT},
    {XK_Control_L, VK_LCONTROL},
    {XK_Control_R, VK_RCONTROL},
    {XK_Caps_Lock, VK_CAPITAL},
    {XK_Meta_L, VK_LMENU},
    {XK_Meta_R, VK_RMENU},
    {XK_Alt_L, VK_LMENU},
    {XK_Alt_R, VK_RMENU},
    {XK_Super_L, VK_LWIN},
    {XK_Super_R, VK_RWIN},
    {XK_Delete, VK_DELETE},
});

static_assert(std::is_sorted(kKeys.begin(), kKeys.end(),
                             [](const TKeyMapping& a, const TKeyMapping& b) { return a.keysym < b.keysym; }));

bool IsKeypad(unsigned long keysym) { return keysym >= XK_KP_Space && keysym <= XK_KP_Equal; }

uint32_t Lookup(unsigned long keysym)
{
    if (keysym >= XK_a && keysym <= XK_z) return uint32_t('A' + (keysym - XK_a));
    if (keysym >= XK_A && keysym <= XK_Z) return uint32_t(keysym);
    if (keysym >= XK_0 && keysym <= XK_9) return uint32_t(keysym);
    if (keysym >= XK_KP_0 && keysym <= XK_KP_9) return uint32_t(VK_NUMPAD0 + (keysym - XK_KP_0));
    if (keysym >= XK_F1 && keysym <= XK_F24) return uint32_t(VK_F1 + (keysym - XK_F1));
    auto it = std::lower_bound(kKeys.begin(), kKeys.end(), keysym,
                               [](const TKeyMapping& m, unsigned long k) { return m.keysym < k; });
    return it != kKeys.end() && it->keysym == keysym ? it->vk : 0;
}

} // namespace

uint32_t VirtualKeyOf(unsigned long base, unsigned long actual)
{
    if (IsKeypad(base) && IsKeypad(actual)) return Lookup(actual);
    if (uint32_t vk = Lookup(base)) return vk;
    return Lookup(actual);
}

bool IsExtendedKeysym(unsigned long keysym)
{
    switch (keysym) {
    case XK_Home: case XK_Left: case XK_Up: case XK_Right: case XK_Down: case XK_Prior: case XK_Next:
    case XK_End: case XK_Insert: case XK_Delete: case XK_Control_R: case XK_Alt_R: case XK_Meta_R:
    case XK_KP_Enter: case XK_KP_Divide: case XK_Num_Lock: case XK_Print: case XK_Super_L: case XK_Super_R:
    case XK_Menu:
        return true;
    default:
        return false;
    }
}

} // namespace tavrik
