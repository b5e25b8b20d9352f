#pragma once

#include "wsys/WinTypes.h"

// Window message numbers, the same as on Windows so that code written against them carries
// over unchanged. Parameters follow the Windows conventions except where noted.
namespace tavrik {

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CREATE = 0x0001;  // lParam: CREATESTRUCT*; answer -1 to fail the creation
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_MOVE = 0x0003;    // lParam: client-area origin in the parent's client coordinates
constexpr UINT WM_SIZE = 0x0005;    // wParam: SIZE_*; lParam: client width, height
constexpr UINT WM_ACTIVATE = 0x0006; // LOWORD(wParam): WA_*; HIWORD(wParam): minimized; lParam: the other window
constexpr UINT WM_SETFOCUS = 0x0007;  // wParam: the window that lost the focus
constexpr UINT WM_KILLFOCUS = 0x0008; // wParam: the window that receives the focus
constexpr UINT WM_ENABLE = 0x000A;
constexpr UINT WM_SETREDRAW = 0x000B;
constexpr UINT WM_SETTEXT = 0x000C;        // lParam: const char* (UTF-8)
constexpr UINT WM_GETTEXT = 0x000D;        // wParam: buffer size in bytes; lParam: char*; answer: bytes copied
constexpr UINT WM_GETTEXTLENGTH = 0x000E;  // answer: length in bytes (UTF-8)
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ERASEBKGND = 0x0014; // wParam: HDC (TCanvas*)
constexpr UINT WM_SYSCOLORCHANGE = 0x0015;
constexpr UINT WM_SHOWWINDOW = 0x0018; // wParam: shown; lParam: 0 for ShowWindow
constexpr UINT WM_SETTINGCHANGE = 0x001A;
constexpr UINT WM_ACTIVATEAPP = 0x001C;
constexpr UINT WM_CANCELMODE = 0x001F;
constexpr UINT WM_SETCURSOR = 0x0020;     // wParam: window under the cursor; lParam: hit code, mouse message
constexpr UINT WM_MOUSEACTIVATE = 0x0021; // wParam: top-level window; lParam: hit code, mouse message
constexpr UINT WM_CHILDACTIVATE = 0x0022;
constexpr UINT WM_GETMINMAXINFO = 0x0024; // lParam: MINMAXINFO*
constexpr UINT WM_DRAWITEM = 0x002B;
constexpr UINT WM_MEASUREITEM = 0x002C;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_GETFONT = 0x0031;
constexpr UINT WM_WINDOWPOSCHANGING = 0x0046; // lParam: WINDOWPOS*, may be changed
constexpr UINT WM_WINDOWPOSCHANGED = 0x0047;  // lParam: WINDOWPOS*
constexpr UINT WM_NOTIFY = 0x004E;
constexpr UINT WM_CONTEXTMENU = 0x007B;
constexpr UINT WM_STYLECHANGING = 0x007C; // wParam: GWL_STYLE or GWL_EXSTYLE; lParam: STYLESTRUCT*
constexpr UINT WM_STYLECHANGED = 0x007D;
constexpr UINT WM_DISPLAYCHANGE = 0x007E;
constexpr UINT WM_GETICON = 0x007F;
constexpr UINT WM_SETICON = 0x0080;
constexpr UINT WM_NCCREATE = 0x0081; // lParam: CREATESTRUCT*; answer 0 to fail the creation
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_NCCALCSIZE = 0x0083; // wParam 0: lParam TRect*; wParam 1: lParam NCCALCSIZE_PARAMS*
constexpr UINT WM_NCHITTEST = 0x0084;  // lParam: screen point; answer: HT*
constexpr UINT WM_NCPAINT = 0x0085;    // wParam: 1 (the whole frame)
constexpr UINT WM_NCACTIVATE = 0x0086; // wParam: active
constexpr UINT WM_GETDLGCODE = 0x0087;
constexpr UINT WM_SYNCPAINT = 0x0088;
constexpr UINT WM_NCMOUSEMOVE = 0x00A0; // wParam: hit code; lParam: screen point
constexpr UINT WM_NCLBUTTONDOWN = 0x00A1;
constexpr UINT WM_NCLBUTTONUP = 0x00A2;
constexpr UINT WM_NCLBUTTONDBLCLK = 0x00A3;
constexpr UINT WM_NCRBUTTONDOWN = 0x00A4;
constexpr UINT WM_NCRBUTTONUP = 0x00A5;
constexpr UINT WM_NCRBUTTONDBLCLK = 0x00A6;
constexpr UINT WM_NCMBUTTONDOWN = 0x00A7;
constexpr UINT WM_NCMBUTTONUP = 0x00A8;
constexpr UINT WM_NCMBUTTONDBLCLK = 0x00A9;
// Edit control messages. Positions are in characters (code points) of the UTF-8 text;
// pointer parameters carry the addresses as Windows does.
constexpr UINT EM_GETSEL = 0x00B0;            // wParam, lParam: DWORD* start, end (may be 0); answer MAKELONG(start, end)
constexpr UINT EM_SETSEL = 0x00B1;            // wParam start (-1: no selection), lParam end (-1: the end)
constexpr UINT EM_GETRECT = 0x00B2;           // lParam: TRect* that receives the formatting rectangle
constexpr UINT EM_SETRECT = 0x00B3;           // lParam: TRect* (nullptr: the default); repaints
constexpr UINT EM_SETRECTNP = 0x00B4;         // as EM_SETRECT without repainting
constexpr UINT EM_SCROLL = 0x00B5;            // wParam: SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN
constexpr UINT EM_LINESCROLL = 0x00B6;        // wParam: characters to the right; lParam: lines down
constexpr UINT EM_SCROLLCARET = 0x00B7;
constexpr UINT EM_GETMODIFY = 0x00B8;
constexpr UINT EM_SETMODIFY = 0x00B9;
constexpr UINT EM_GETLINECOUNT = 0x00BA;      // lines as shown, wrapped ones included
constexpr UINT EM_LINEINDEX = 0x00BB;         // wParam: line (-1: the caret's); answer: its first character or -1
constexpr UINT EM_LINELENGTH = 0x00C1;        // wParam: a character of the line; answer: its length
constexpr UINT EM_REPLACESEL = 0x00C2;        // wParam: undoable; lParam: const char* (UTF-8)
constexpr UINT EM_LIMITTEXT = 0x00C5;         // wParam: characters, 0 for no limit
constexpr UINT EM_SETLIMITTEXT = EM_LIMITTEXT;
constexpr UINT EM_CANUNDO = 0x00C6;
constexpr UINT EM_UNDO = 0x00C7;
constexpr UINT EM_LINEFROMCHAR = 0x00C9;      // wParam: character (-1: the selection start's line)
constexpr UINT EM_SETPASSWORDCHAR = 0x00CC;   // wParam: code point, 0 shows the text
constexpr UINT EM_EMPTYUNDOBUFFER = 0x00CD;
constexpr UINT EM_GETFIRSTVISIBLELINE = 0x00CE; // single-line: the first visible character
constexpr UINT EM_SETREADONLY = 0x00CF;
constexpr UINT EM_GETPASSWORDCHAR = 0x00D2;
constexpr UINT EM_SETMARGINS = 0x00D3;        // wParam: EC_LEFTMARGIN | EC_RIGHTMARGIN; lParam: MAKELONG(left, right)
constexpr UINT EM_GETMARGINS = 0x00D4;
constexpr UINT EM_GETLIMITTEXT = 0x00D5;
constexpr UINT EM_POSFROMCHAR = 0x00D6;       // wParam: character; answer: MAKELONG(x, y) in client coordinates
constexpr UINT EM_CHARFROMPOS = 0x00D7;       // lParam: client point; answer: MAKELONG(character, line)
constexpr UINT WM_KEYFIRST = 0x0100;
constexpr UINT WM_KEYDOWN = 0x0100; // wParam: VK_*; lParam: repeat, scan code and flags
constexpr UINT WM_KEYUP = 0x0101;
// wParam: one whole Unicode code point (UTF-32), also beyond the Basic Multilingual Plane:
// unlike Windows, a character outside it is never split into two surrogate messages.
constexpr UINT WM_CHAR = 0x0102;
constexpr UINT WM_DEADCHAR = 0x0103;
constexpr UINT WM_SYSKEYDOWN = 0x0104;
constexpr UINT WM_SYSKEYUP = 0x0105;
constexpr UINT WM_SYSCHAR = 0x0106; // wParam: a code point, as WM_CHAR
constexpr UINT WM_KEYLAST = 0x0109;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_SYSCOMMAND = 0x0112; // wParam: SC_* (low four bits: detail); lParam: screen point
constexpr UINT WM_TIMER = 0x0113;      // wParam: timer id; lParam: 0, or the timer callback's entry
constexpr UINT WM_HSCROLL = 0x0114;
constexpr UINT WM_VSCROLL = 0x0115;
constexpr UINT WM_INITMENUPOPUP = 0x0117;
constexpr UINT WM_MENUCHAR = 0x0120;
constexpr UINT WM_ENTERIDLE = 0x0121;
constexpr UINT WM_MOUSEFIRST = 0x0200;
constexpr UINT WM_MOUSEMOVE = 0x0200; // wParam: MK_*; lParam: client point
constexpr UINT WM_LBUTTONDOWN = 0x0201;
constexpr UINT WM_LBUTTONUP = 0x0202;
constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
constexpr UINT WM_RBUTTONDOWN = 0x0204;
constexpr UINT WM_RBUTTONUP = 0x0205;
constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
constexpr UINT WM_MBUTTONDOWN = 0x0207;
constexpr UINT WM_MBUTTONUP = 0x0208;
constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
constexpr UINT WM_MOUSEWHEEL = 0x020A; // HIWORD(wParam): delta (WHEEL_DELTA steps); lParam: screen point
constexpr UINT WM_MOUSEHWHEEL = 0x020E;
constexpr UINT WM_MOUSELAST = 0x020E;
constexpr UINT WM_PARENTNOTIFY = 0x0210;
constexpr UINT WM_ENTERMENULOOP = 0x0211;
constexpr UINT WM_EXITMENULOOP = 0x0212;
constexpr UINT WM_SIZING = 0x0214;        // wParam: WMSZ_*; lParam: TRect* in screen coordinates, may be changed
constexpr UINT WM_CAPTURECHANGED = 0x0215; // lParam: the window gaining the capture
constexpr UINT WM_MOVING = 0x0216;        // lParam: TRect* in screen coordinates, may be changed
constexpr UINT WM_ENTERSIZEMOVE = 0x0231;
constexpr UINT WM_EXITSIZEMOVE = 0x0232;
// Files dragged in from another program (a file manager). They go to the window under the
// pointer when it has WS_EX_ACCEPTFILES (DragAcceptFiles), else to its nearest ancestor that
// has; wParam: HDROP, valid during the message only (DragQueryFiles, DragQueryPoint).
// WM_QUERYDROPFILES, which Windows asks through OLE instead, comes while the files are dragged
// over the window: answer nonzero when a drop there would be taken, and the drag shows it.
// WM_DROPFILES comes when they are dropped: answer nonzero when they were taken.
constexpr UINT WM_DROPFILES = 0x0233;
constexpr UINT WM_QUERYDROPFILES = 0x0235;
constexpr UINT WM_IME_CHAR = 0x0286; // wParam: a code point an input method composed, as WM_CHAR
constexpr UINT WM_MOUSEHOVER = 0x02A1;
constexpr UINT WM_NCMOUSELEAVE = 0x02A2;
constexpr UINT WM_MOUSELEAVE = 0x02A3;
constexpr UINT WM_CUT = 0x0300;
constexpr UINT WM_COPY = 0x0301;
constexpr UINT WM_PASTE = 0x0302;
constexpr UINT WM_CLEAR = 0x0303;
constexpr UINT WM_UNDO = 0x0304;
constexpr UINT WM_PRINTCLIENT = 0x0318;
constexpr UINT WM_USER = 0x0400;
constexpr UINT WM_APP = 0x8000;

} // namespace tavrik
