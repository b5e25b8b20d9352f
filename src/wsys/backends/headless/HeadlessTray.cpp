#include "wsys/backends/headless/HeadlessTray.h"

#include "gfx/IconFitting.h"

#include <algorithm>
#include <stdexcept>

namespace tavrik {

namespace {

constexpr int kCellGap = 2;

} // namespace

THeadlessTray::THeadlessTray(int iconSize, TSize screen, TReport report)
    : iconSize_(std::max(0, iconSize)), screen_(screen), report_(std::move(report))
{
}

void THeadlessTray::Start(int iconSize)
{
    iconSize_ = std::max(1, iconSize);
    for (TIcon& icon : icons_) icon.drawn = FitIcon(icon.picture, iconSize_, iconSize_);
    TBackendEvent ev;
    ev.kind = TBackendEventKind::TrayChanged;
    ev.trayRunning = true;
    report_(ev);
}

void THeadlessTray::Stop()
{
    iconSize_ = 0;
    for (TIcon& icon : icons_) icon.drawn = TBitmap();
    TBackendEvent ev;
    ev.kind = TBackendEventKind::TrayChanged;
    ev.trayRunning = false;
    report_(ev);
}

std::vector<TTrayIconKey> THeadlessTray::Icons() const
{
    std::vector<TTrayIconKey> keys;
    if (Running())
        for (const TIcon& icon : icons_) keys.push_back(icon.key);
    return keys;
}

const THeadlessTray::TIcon* THeadlessTray::Find(TTrayIconKey key) const
{
    for (const TIcon& icon : icons_)
        if (icon.key == key) return &icon;
    return nullptr;
}

const TBitmap* THeadlessTray::Picture(TTrayIconKey key) const
{
    const TIcon* icon = Running() ? Find(key) : nullptr;
    return icon ? &icon->drawn : nullptr;
}

TRect THeadlessTray::IconRect(TTrayIconKey key) const
{
    const TIcon* icon = Running() ? Find(key) : nullptr;
    if (!icon) return {};
    int cell = iconSize_ + kCellGap;
    int index = int(icon - icons_.data());
    return Bounds(screen_.cx - (index + 1) * cell, screen_.cy - cell, iconSize_, iconSize_);
}

void THeadlessTray::Set(TTrayIconKey key, const TBitmap& picture)
{
    auto it = std::find_if(icons_.begin(), icons_.end(), [&](const TIcon& i) { return i.key == key; });
    if (it == icons_.end()) it = icons_.insert(icons_.end(), TIcon{key, {}, {}});
    it->picture = picture;
    if (Running()) it->drawn = FitIcon(picture, iconSize_, iconSize_);
}

void THeadlessTray::Remove(TTrayIconKey key)
{
    std::erase_if(icons_, [&](const TIcon& i) { return i.key == key; });
}

void THeadlessTray::Report(TBackendEventKind kind, TTrayIconKey key, TMouseButton button)
{
    TRect r = IconRect(key);
    if (r.IsEmpty()) throw std::logic_error("the tray does not show this icon");
    TBackendEvent ev;
    ev.kind = kind;
    ev.trayIcon = key;
    ev.button = button;
    ev.screen = {r.Left + r.Width() / 2, r.Top + r.Height() / 2};
    report_(ev);
}

void THeadlessTray::MouseMove(TTrayIconKey key) { Report(TBackendEventKind::TrayMouseMove, key, TMouseButton::None); }
void THeadlessTray::MouseDown(TTrayIconKey key, TMouseButton b) { Report(TBackendEventKind::TrayButtonDown, key, b); }
void THeadlessTray::MouseUp(TTrayIconKey key, TMouseButton b) { Report(TBackendEventKind::TrayButtonUp, key, b); }

void THeadlessTray::Click(TTrayIconKey key, TMouseButton button)
{
    MouseMove(key);
    MouseDown(key, button);
    MouseUp(key, button);
}

void THeadlessTray::DoubleClick(TTrayIconKey key, TMouseButton button)
{
    Click(key, button);
    MouseDown(key, button);
    MouseUp(key, button);
}

void THeadlessTray::MouseLeave()
{
    TBackendEvent ev;
    ev.kind = TBackendEventKind::TrayMouseLeave;
    report_(ev);
}

} // namespace tavrik
