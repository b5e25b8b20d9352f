#include <gtest/gtest.h>

#include "wsys/WinConstants.h"
#include "wsys/backends/x11/X11Keys.h"

#include <X11/keysym.h>

using namespace tavrik;

TEST(X11Keys, KeysymsMapToTheVirtualKeyOfTheKey)
{
    struct TCase {
        unsigned long base, actual;
        uint32_t vk;
    } cases[] = {
        {XK_a, XK_a, 'A'},
        {XK_a, XK_A, 'A'},
        {XK_z, XK_z, 'Z'},
        {XK_1, XK_exclam, '1'},        // Shift+1 is still the 1 key
        {XK_0, XK_0, '0'},
        {XK_KP_Home, XK_KP_7, VK_NUMPAD0 + 7}, // keypad with Num Lock
        {XK_KP_Home, XK_KP_Home, VK_HOME},     // and without
        {XK_KP_Insert, XK_KP_0, VK_NUMPAD0},
        {XK_KP_Enter, XK_KP_Enter, VK_RETURN},
        {XK_KP_Add, XK_KP_Add, VK_ADD},
        {XK_F1, XK_F1, VK_F1},
        {XK_F12, XK_F12, VK_F12},
        {XK_Tab, XK_ISO_Left_Tab, VK_TAB},
        {XK_Shift_R, XK_Shift_R, VK_RSHIFT},
        {XK_Control_L, XK_Control_L, VK_LCONTROL},
        {XK_Alt_R, XK_Alt_R, VK_RMENU},
        {XK_ISO_Level3_Shift, XK_ISO_Level3_Shift, 0},
        {XK_Prior, XK_Prior, VK_PRIOR},
        {XK_Delete, XK_Delete, VK_DELETE},
        {XK_minus, XK_underscore, VK_OEM_MINUS},
        {XK_bracketleft, XK_braceleft, VK_OEM_4},
        {XK_grave, XK_asciitilde, VK_OEM_3},
        {XK_Menu, XK_Menu, VK_APPS},
        {0x10056FE, 0x10056FE, 0},   // a Chinese character: text only
        {XK_eacute, XK_Eacute, 0},
        {XK_dead_acute, XK_dead_acute, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.base) + " / " + std::to_string(c.actual));
        EXPECT_EQ(VirtualKeyOf(c.base, c.actual), c.vk);
    }
}

TEST(X11Keys, NavigationKeysAndRightModifiersAreExtended)
{
    for (unsigned long k : {XK_Left, XK_Home, XK_Next, XK_Insert, XK_Delete, XK_Control_R, XK_Alt_R, XK_KP_Enter, XK_KP_Divide})
        EXPECT_TRUE(IsExtendedKeysym(k)) << k;
    for (unsigned long k : {XK_a, XK_Return, XK_KP_Home, XK_KP_Left, XK_Control_L, XK_Shift_R, XK_F5})
        EXPECT_FALSE(IsExtendedKeysym(k)) << k;
}
