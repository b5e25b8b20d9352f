// Focus, activation, capture, keys, cursor, caret and timers of WinApi.h.
#include "core/TickClock.h"
#include "wsys/Caret.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

namespace {

TWindowSystem& Ws() { return TWindowSystem::Current(); }
TWindow* W(HWND hwnd) { return Ws().Find(hwnd); }
HWND H(const TWindow* w) { return w ? w->handle : nullptr; }

} // namespace

HWND SetActiveWindow(HWND hwnd)
{
    TWindowSystem& ws = Ws();
    TWindow* w = W(hwnd);
    HWND old = H(ws.Active());
    if (!w) return nullptr;
    TWindow* top = TWindowSystem::Root(w);
    if (!ws.CanActivate(top)) return nullptr;
    ws.Activate(top, WA_ACTIVE, false);
    return old;
}

HWND GetActiveWindow() { return H(Ws().Active()); }
bool SetForegroundWindow(HWND hwnd) { return SetActiveWindow(hwnd) != nullptr || GetActiveWindow() == GetAncestor(hwnd, GA_ROOT); }
HWND GetForegroundWindow() { return GetActiveWindow(); }

HWND SetFocus(HWND hwnd)
{
    TWindowSystem& ws = Ws();
    TWindow* w = W(hwnd);
    if (hwnd && !w) return nullptr;
    return H(ws.SetFocusTo(w));
}

HWND GetFocus() { return H(Ws().Focus()); }

bool EnableWindow(HWND hwnd, bool enable)
{
    TWindow* w = W(hwnd);
    return w && Ws().Enable(w, enable);
}

bool IsWindowEnabled(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w && TWindowSystem::IsEnabled(w);
}

std::vector<HWND> DisableTaskWindows(HWND modal)
{
    TWindowSystem& ws = Ws();
    TWindow* m = W(modal);
    std::vector<HWND> candidates;
    for (TWindow* t : ws.TopLevels()) {
        bool ownedByModal = false;
        for (TWindow* o = t; o && !ownedByModal; o = o->owner) ownedByModal = o == m;
        if (!ownedByModal && TWindowSystem::IsVisible(t) && TWindowSystem::IsEnabled(t)) candidates.push_back(t->handle);
    }
    std::vector<HWND> disabled;
    for (HWND h : candidates)
        if (TWindow* t = W(h); t && TWindowSystem::IsEnabled(t)) {
            ws.Enable(t, false);
            disabled.push_back(h);
        }
    return disabled;
}

void EnableTaskWindows(const std::vector<HWND>& windows)
{
    for (HWND h : windows)
        if (TWindow* t = W(h)) Ws().Enable(t, true);
}

HWND SetCapture(HWND hwnd)
{
    TWindow* w = W(hwnd);
    if (!w) return nullptr;
    return H(Ws().Input().SetCapture(w));
}

bool ReleaseCapture()
{
    Ws().Input().SetCapture(nullptr);
    return true;
}

HWND GetCapture() { return H(Ws().Input().Capture()); }

bool WatchOutsidePresses(HWND popup, bool watch)
{
    TWindow* w = W(popup);
    if (!w || w->IsChild()) return false;
    Ws().Input().WatchOutsidePresses(w, watch);
    return true;
}
bool TrackMouseEvent(TRACKMOUSEEVENT* track) { return track && Ws().Input().TrackMouseEvent(*track); }

namespace {

int16_t KeyBits(uint8_t raw) { return int16_t(((raw & 0x80) ? 0x8000 : 0) | (raw & 0x01)); }

} // namespace

int16_t GetKeyState(int vk) { return KeyBits(Ws().Input().SyncKeys().Raw(uint32_t(vk))); }
int16_t GetAsyncKeyState(int vk) { return KeyBits(Ws().Input().AsyncKeys().Raw(uint32_t(vk))); }

HCURSOR LoadCursor(uint32_t idc) { return reinterpret_cast<HCURSOR>(uintptr_t(idc)); }
HCURSOR SetCursor(HCURSOR cursor) { return Ws().Input().SetCursor(cursor); }
HCURSOR GetCursor() { return Ws().Input().Cursor(); }
TPoint GetCursorPos() { return Ws().Input().CursorPos(); }

bool SetCursorPos(int x, int y)
{
    Ws().Backend().SetCursorPos({x, y});
    return true;
}

bool CreateCaret(HWND hwnd, int width, int height)
{
    TWindow* w = W(hwnd);
    return w && Ws().Caret().Create(w, width, height);
}

bool DestroyCaret() { return Ws().Caret().Destroy(); }
bool SetCaretPos(int x, int y) { return Ws().Caret().SetPos({x, y}); }
TPoint GetCaretPos() { return Ws().Caret().Pos(); }
bool ShowCaret(HWND hwnd) { return Ws().Caret().Show(W(hwnd)); }
bool HideCaret(HWND hwnd) { return Ws().Caret().Hide(W(hwnd)); }

bool SetCaretBlinkTime(UINT ms)
{
    Ws().Caret().SetBlinkTime(ms);
    return true;
}

UINT GetCaretBlinkTime() { return Ws().Caret().BlinkTime(); }

uint64_t SetTimer(HWND hwnd, uint64_t id, UINT elapse, TIMERPROC proc)
{
    if (hwnd && !W(hwnd)) return 0;
    return Ws().Timers().Set(hwnd, id, elapse, std::move(proc), GetTickCount());
}

bool KillTimer(HWND hwnd, uint64_t id)
{
    TWindowSystem& ws = Ws();
    ws.Queue().RemoveTimer(hwnd, id);
    return ws.Timers().Kill(hwnd, id);
}

} // namespace tavrik
