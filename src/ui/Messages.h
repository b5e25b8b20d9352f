#pragma once

#include "wsys/Messages.h"

#include <cstdint>

namespace tavrik {

// A window message as the framework's handlers see it: the message, its parameters and the
// answer, which handlers fill in.
struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// The framework's own control messages. They are sent with TControl::Perform, to windowed
// and graphic controls alike, and never reach the window system.
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0;
constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
constexpr UINT CM_DIALOGKEY = CM_BASE + 5;    // wParam: VK_*; lParam: TShiftState; answer 1 when used
// An accelerator: Alt+character, or a plain character the focused control does not want
// (WM_GETDLGCODE). The form walks its controls; the one whose caption's "&" letter it is
// acts and answers 1. wParam: the character; lParam: TShiftState.
constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7; // lParam: the TWinControl* that now has the focus in the form
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 11;
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr UINT CM_COLORCHANGED = CM_BASE + 13;
constexpr UINT CM_FONTCHANGED = CM_BASE + 14;
constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr UINT CM_ENTER = CM_BASE + 26;
constexpr UINT CM_EXIT = CM_BASE + 27;
constexpr UINT CM_RELEASE = CM_BASE + 33; // posted to a form's window: free the form
constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr UINT CM_HINTSHOW = CM_BASE + 48; // lParam: THintInfo*; answer 1 to show no hint
constexpr UINT CM_RECREATEWND = CM_BASE + 51;

// What a windowed control's parent hears about the control (WM_HSCROLL and WM_VSCROLL of a
// scroll-bar control), handed back to the control as CN_BASE + the message.
constexpr UINT CN_BASE = 0xBC00;
constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;

// WM_GETDLGCODE answers: which of the keys a form uses for moving the focus and pressing its
// buttons a control wants for itself.
constexpr LRESULT DLGC_WANTARROWS = 0x0001;
constexpr LRESULT DLGC_WANTTAB = 0x0002;
constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
constexpr LRESULT DLGC_WANTCHARS = 0x0080;

} // namespace tavrik
