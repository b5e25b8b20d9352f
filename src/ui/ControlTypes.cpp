#include "ui/ControlTypes.h"

#include "wsys/WinApi.h"

namespace tavrik {

namespace {

bool Down(int vk) { return GetKeyState(vk) < 0; }

} // namespace

HCURSOR CursorHandle(TCursor cursor)
{
    switch (cursor) {
    case crCross: return LoadCursor(IDC_CROSS);
    case crIBeam: return LoadCursor(IDC_IBEAM);
    case crSizeNESW: return LoadCursor(IDC_SIZENESW);
    case crSizeNS: return LoadCursor(IDC_SIZENS);
    case crSizeNWSE: return LoadCursor(IDC_SIZENWSE);
    case crSizeWE: return LoadCursor(IDC_SIZEWE);
    case crUpArrow: return LoadCursor(IDC_UPARROW);
    case crHourGlass: return LoadCursor(IDC_WAIT);
    case crNo: return LoadCursor(IDC_NO);
    case crAppStart: return LoadCursor(IDC_APPSTARTING);
    case crHelp: return LoadCursor(IDC_HELP);
    case crHandPoint: return LoadCursor(IDC_HAND);
    case crSizeAll: return LoadCursor(IDC_SIZEALL);
    default: return LoadCursor(IDC_ARROW);
    }
}

TShiftState KeyboardShiftState()
{
    TShiftState s = 0;
    if (Down(VK_SHIFT)) s |= ssShift;
    if (Down(VK_CONTROL)) s |= ssCtrl;
    if (Down(VK_MENU)) s |= ssAlt;
    if (Down(VK_LBUTTON)) s |= ssLeft;
    if (Down(VK_RBUTTON)) s |= ssRight;
    if (Down(VK_MBUTTON)) s |= ssMiddle;
    return s;
}

TShiftState MouseShiftState(WPARAM keyFlags)
{
    TShiftState s = 0;
    if (keyFlags & MK_SHIFT) s |= ssShift;
    if (keyFlags & MK_CONTROL) s |= ssCtrl;
    if (keyFlags & MK_LBUTTON) s |= ssLeft;
    if (keyFlags & MK_RBUTTON) s |= ssRight;
    if (keyFlags & MK_MBUTTON) s |= ssMiddle;
    if (Down(VK_MENU)) s |= ssAlt;
    return s;
}

} // namespace tavrik
