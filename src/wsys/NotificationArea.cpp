#include "wsys/NotificationArea.h"

#include "wsys/MessageQueue.h"
#include "wsys/SystemInfo.h"
#include "wsys/TrayTip.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <algorithm>
#include <cstdlib>

namespace tavrik {

namespace {

UINT DownMessage(TMouseButton b)
{
    switch (b) {
    case TMouseButton::Right: return WM_RBUTTONDOWN;
    case TMouseButton::Middle: return WM_MBUTTONDOWN;
    default: return WM_LBUTTONDOWN;
    }
}

// Down, up and double click of a button are three messages in a row.
constexpr UINT kUp = 1;
constexpr UINT kDoubleClick = 2;

} // namespace

TNotificationArea::TNotificationArea(TWindowSystem& ws) : ws_(ws), available_(ws.Backend().TrayAvailable()) {}

TNotificationArea::~TNotificationArea()
{
    KillTipTimer();
    tip_.reset();
    for (const TIcon& icon : icons_) ws_.Backend().RemoveTrayIcon(icon.key);
}

bool TNotificationArea::Add(const TTrayIconData& request, UINT parts)
{
    if (!ws_.Find(request.window) || Find(request.window, request.id)) return false;
    TIcon icon;
    icon.data.window = request.window;
    icon.data.id = request.id;
    icon.key = nextKey_++;
    icons_.push_back(std::move(icon));
    return Modify(request, parts);
}

bool TNotificationArea::Modify(const TTrayIconData& request, UINT parts)
{
    TIcon* icon = Find(request.window, request.id);
    if (!icon) return false;
    if (parts & trayMessage) icon->data.callbackMessage = request.callbackMessage;
    if (parts & trayTip) {
        icon->data.tip = request.tip;
        if (tip_ && tip_->Visible() && pointerOn_ == icon->key) {
            if (request.tip.empty()) EndTip();
            else tip_->Show(request.tip, GetCursorPos());
        }
    }
    // The backend hears of an icon with its first picture; an empty one is a transparent cell.
    if (parts & trayPicture) {
        icon->data.picture = request.picture;
        ws_.Backend().SetTrayIcon(icon->key, icon->data.picture);
    }
    return true;
}

bool TNotificationArea::Delete(HWND window, UINT id)
{
    TIcon* icon = Find(window, id);
    if (!icon) return false;
    TTrayIconKey key = icon->key;
    if (pointerOn_ == key) {
        EndTip();
        pointerOn_ = 0;
    }
    ws_.Backend().RemoveTrayIcon(key);
    std::erase_if(icons_, [&](const TIcon& i) { return i.key == key; });
    return true;
}

void TNotificationArea::Forget(HWND window)
{
    std::vector<UINT> ids;
    for (const TIcon& icon : icons_)
        if (icon.data.window == window) ids.push_back(icon.data.id);
    for (UINT id : ids) Delete(window, id);
}

bool TNotificationArea::Available() const { return available_; }

TNotificationArea::TIcon* TNotificationArea::Find(HWND window, UINT id)
{
    for (TIcon& icon : icons_)
        if (icon.data.window == window && icon.data.id == id) return &icon;
    return nullptr;
}

TNotificationArea::TIcon* TNotificationArea::FindKey(TTrayIconKey key)
{
    for (TIcon& icon : icons_)
        if (icon.key == key) return &icon;
    return nullptr;
}

TTrayIconKey TNotificationArea::KeyOf(HWND window, UINT id) const
{
    for (const TIcon& icon : icons_)
        if (icon.data.window == window && icon.data.id == id) return icon.key;
    return 0;
}

HWND TNotificationArea::TipWindow() const { return tip_ ? tip_->Window() : nullptr; }

void TNotificationArea::Mouse(const TBackendEvent& ev, TMessageQueue& queue, const TKeyState& keys, TPoint cursor)
{
    if (ev.kind == TBackendEventKind::TrayMouseLeave) {
        EndTip();
        pointerOn_ = 0;
        return;
    }
    TIcon* icon = FindKey(ev.trayIcon);
    if (!icon) return;
    UINT mouseMsg = WM_MOUSEMOVE;
    if (ev.kind == TBackendEventKind::TrayMouseMove) PointerOn(icon->key);
    else {
        EndTip();
        tipDone_ = true; // no tip after a click until the pointer comes back
        mouseMsg = ev.kind == TBackendEventKind::TrayButtonDown ? ButtonMessage(ev) : DownMessage(ev.button) + kUp;
    }
    if (!icon->data.callbackMessage) return;
    MSG m{icon->data.window, icon->data.callbackMessage, WPARAM(icon->data.id), LPARAM(mouseMsg), DWORD(ev.time),
          cursor};
    queue.PushInput({m, keys});
}

UINT TNotificationArea::ButtonMessage(const TBackendEvent& ev)
{
    int cx = SystemMetric(SM_CXDOUBLECLK) / 2, cy = SystemMetric(SM_CYDOUBLECLK) / 2;
    bool dbl = !lastPress_.doubled && lastPress_.key == ev.trayIcon && lastPress_.button == ev.button &&
               ev.time >= lastPress_.time && ev.time - lastPress_.time <= ws_.DoubleClickTime() &&
               std::abs(ev.screen.x - lastPress_.at.x) <= cx && std::abs(ev.screen.y - lastPress_.at.y) <= cy;
    lastPress_ = TPress{ev.trayIcon, ev.button, ev.time, ev.screen, dbl};
    return DownMessage(ev.button) + (dbl ? kDoubleClick : 0);
}

void TNotificationArea::PointerOn(TTrayIconKey key)
{
    if (key != pointerOn_) {
        EndTip();
        pointerOn_ = key;
        tipDone_ = false;
    }
    if (tipDone_ || tipTimer_ || (tip_ && tip_->Visible())) return;
    tipTimer_ = SetTimer(nullptr, 0, kTipPause, [this](HWND, UINT, uint64_t, DWORD) { ShowTip(); });
}

void TNotificationArea::ShowTip()
{
    KillTipTimer();
    TIcon* icon = FindKey(pointerOn_);
    tipDone_ = true;
    if (!icon || icon->data.tip.empty()) return;
    if (!tip_) tip_ = std::make_unique<TTrayTip>();
    tip_->Show(icon->data.tip, GetCursorPos());
    tipTimer_ = SetTimer(nullptr, 0, kTipShowTime, [this](HWND, UINT, uint64_t, DWORD) { EndTip(); });
}

void TNotificationArea::EndTip()
{
    KillTipTimer();
    if (tip_) tip_->Hide();
}

void TNotificationArea::KillTipTimer()
{
    if (tipTimer_) KillTimer(nullptr, tipTimer_);
    tipTimer_ = 0;
}

void TNotificationArea::TrayChanged(bool running)
{
    bool now = running;
    if (now == available_) return;
    available_ = now;
    if (!now) {
        EndTip();
        pointerOn_ = 0;
    }
    Broadcast(now ? kTaskbarCreatedMessage : kTaskbarGoneMessage);
}

void TNotificationArea::Broadcast(std::string_view name)
{
    UINT msg = RegisterWindowMessage(name);
    for (TWindow* w : ws_.TopLevels()) ws_.Post(w->handle, msg, 0, 0);
}

} // namespace tavrik
