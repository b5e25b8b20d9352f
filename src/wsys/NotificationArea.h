#pragma once

#include "gfx/Bitmap.h"
#include "wsys/Backend.h"
#include "wsys/KeyState.h"
#include "wsys/WinTypes.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class TMessageQueue;
class TTrayTip;
class TWindowSystem;

// Every top-level window is posted the message registered under this name (RegisterWindowMessage)
// when a notification area starts; the program's icons are already shown in it by then.
inline constexpr std::string_view kTaskbarCreatedMessage = "TaskbarCreated";
// ... and this one when the notification area goes away: a window that hid itself there must
// come back by itself, or the user could never reach it again.
inline constexpr std::string_view kTaskbarGoneMessage = "TaskbarGone";

// Which parts of a TTrayIconData an add or a change gives.
enum TTrayIconParts : UINT { trayMessage = 1, trayPicture = 2, trayTip = 4 };

struct TTrayIconData {
    HWND window = nullptr;    // receives the callback messages; its icons go when it is destroyed
    UINT id = 0;              // the window's own number for the icon
    UINT callbackMessage = 0; // 0: the window hears nothing of the mouse
    TBitmap picture;          // 32 bits with straight alpha, any size
    std::string tip;          // UTF-8; shown when the pointer rests on the icon; empty: none
};

// The program's icons in the desktop's notification area. Each icon belongs to a window,
// which hears the mouse on it as its callback message, posted with wParam the icon's id and
// lParam the mouse message: WM_MOUSEMOVE; WM_LBUTTONDOWN, WM_LBUTTONUP; WM_LBUTTONDBLCLK in
// place of the second press of a double click (likewise for the right and middle buttons).
// GetCursorPos and GetKeyState tell where and how when the message is taken. The tip shows
// after the pointer rested on the icon for kTipPause, until it leaves, presses a button or
// kTipShowTime has passed.
//
// Icons are kept while no notification area runs and shown when one starts; the windows are
// told both ways (kTaskbarCreatedMessage, kTaskbarGoneMessage).
class TNotificationArea {
public:
    static constexpr UINT kTipPause = 500;
    static constexpr UINT kTipShowTime = 5000;

    explicit TNotificationArea(TWindowSystem& ws);
    ~TNotificationArea();
    TNotificationArea(const TNotificationArea&) = delete;
    TNotificationArea& operator=(const TNotificationArea&) = delete;

    // False when the window is none or already has an icon of this id. Parts not given are
    // left empty.
    bool Add(const TTrayIconData& request, UINT parts);
    // Changes the given parts; false when the window has no icon of this id.
    bool Modify(const TTrayIconData& request, UINT parts);
    bool Delete(HWND window, UINT id);
    // Whether the user can see the icons now: a notification area runs.
    bool Available() const;

    // For the window system: mouse events on icons, the tray starting or going, and windows
    // going away.
    void Mouse(const TBackendEvent& ev, TMessageQueue& queue, const TKeyState& keys, TPoint cursor);
    void TrayChanged(bool running);
    void Forget(HWND window);

    // For tests: the backend's number of an icon (0 when it has none), the tip's window.
    TTrayIconKey KeyOf(HWND window, UINT id) const;
    HWND TipWindow() const;

private:
    struct TIcon {
        TTrayIconData data;
        TTrayIconKey key = 0;
    };
    TIcon* Find(HWND window, UINT id);
    TIcon* FindKey(TTrayIconKey key);
    UINT ButtonMessage(const TBackendEvent& ev);
    void PointerOn(TTrayIconKey key);
    void ShowTip();
    void EndTip();
    void KillTipTimer();
    void Broadcast(std::string_view name);

    TWindowSystem& ws_;
    std::vector<TIcon> icons_;
    TTrayIconKey nextKey_ = 1;
    bool available_ = false;

    struct TPress {
        TTrayIconKey key = 0;
        TMouseButton button = TMouseButton::None;
        uint64_t time = 0;
        TPoint at;
        bool doubled = false; // it was the second of a double click
    } lastPress_;

    // The tip: the icon the pointer is on, whether its tip had its turn there, the timer
    // that shows or hides it.
    TTrayIconKey pointerOn_ = 0;
    bool tipDone_ = false;
    uint64_t tipTimer_ = 0;
    std::unique_ptr<TTrayTip> tip_;
};

} // namespace tavrik
