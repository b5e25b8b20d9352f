#pragma once

#include "gfx/Bitmap.h"
#include "wsys/WinTypes.h"

#include <string>

namespace tavrik {

// The notification-area icon in the vocabulary of the shell call the tray component was
// written against. What the window hears and when: TNotificationArea (wsys).
constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;
constexpr UINT NIF_MESSAGE = 1;
constexpr UINT NIF_ICON = 2;
constexpr UINT NIF_TIP = 4;

struct NOTIFYICONDATA {
    HWND hWnd = nullptr;
    UINT uID = 0;
    UINT uFlags = 0; // NIF_*: which of the members below are given
    UINT uCallbackMessage = 0;
    TBitmap hIcon;     // 32 bits with straight alpha, any size
    std::string szTip; // UTF-8
};

// Adds, changes (the given members only) or deletes the window's icon of that id. False
// when it fails: adding an icon the window has already, changing or deleting one it has not,
// a message that is none of NIM_*. An icon added while no notification area runs is kept
// and shown when one starts.
bool Shell_NotifyIcon(DWORD message, const NOTIFYICONDATA* data);
// Whether a notification area runs, so that the user can see and click the icons now.
bool NotificationAreaRunning();

} // namespace tavrik
