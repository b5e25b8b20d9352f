// Windows, procedures, messages and placement of WinApi.h.
#include "wsys/FrameMetrics.h"
#include "wsys/Painter.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

namespace {

TWindowSystem& Ws() { return TWindowSystem::Current(); }
TWindow* W(HWND hwnd) { return Ws().Find(hwnd); }
HWND H(const TWindow* w) { return w ? w->handle : nullptr; }

} // namespace

bool RegisterClass(const WNDCLASS& wc) { return Ws().RegisterClass(wc); }
bool UnregisterClass(std::string_view className) { return Ws().UnregisterClass(className); }

HWND CreateWindowEx(DWORD exStyle, std::string_view className, std::string_view windowName, DWORD style, int x,
                    int y, int width, int height, HWND parent, intptr_t id, LPARAM param)
{
    return Ws().Create(exStyle, className, windowName, style, {x, y, width, height}, parent, id, param);
}

bool DestroyWindow(HWND hwnd) { return Ws().Destroy(W(hwnd)); }
bool IsWindow(HWND hwnd) { return TWindowSystem::Exists() && W(hwnd) != nullptr; }

HWND GetParent(HWND hwnd)
{
    TWindow* w = W(hwnd);
    if (!w) return nullptr;
    if (w->parent) return w->parent->handle;
    return (w->style & WS_POPUP) ? H(w->owner) : nullptr;
}

HWND SetParent(HWND child, HWND newParent)
{
    TWindow* w = W(child);
    TWindow* p = W(newParent);
    if (!w || (newParent && !p)) return nullptr;
    HWND old = H(w->parent);
    return Ws().SetParent(w, p) ? old : nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags)
{
    TWindow* w = W(hwnd);
    if (!w) return nullptr;
    switch (flags) {
    case GA_PARENT: return H(w->parent);
    case GA_ROOT: return H(TWindowSystem::Root(w));
    case GA_ROOTOWNER: {
        TWindow* r = TWindowSystem::Root(w);
        while (r->owner) r = r->owner;
        return H(r);
    }
    default: return nullptr;
    }
}

HWND GetWindow(HWND hwnd, UINT relation)
{
    TWindow* w = W(hwnd);
    if (!w) return nullptr;
    const std::vector<TWindow*>& siblings = Ws().Siblings(w);
    auto it = std::find(siblings.begin(), siblings.end(), w);
    switch (relation) {
    case GW_HWNDFIRST: return H(siblings.front());
    case GW_HWNDLAST: return H(siblings.back());
    case GW_HWNDNEXT: return it + 1 != siblings.end() ? H(*(it + 1)) : nullptr;
    case GW_HWNDPREV: return it != siblings.begin() ? H(*(it - 1)) : nullptr;
    case GW_OWNER: return H(w->owner);
    case GW_CHILD: return w->children.empty() ? nullptr : H(w->children.front());
    case GW_ENABLEDPOPUP: {
        TWindow* p = TWindowSystem::Root(w)->lastActivePopup;
        return p && TWindowSystem::IsEnabled(p) && TWindowSystem::IsVisible(p) ? H(p) : nullptr;
    }
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND parent)
{
    if (!parent) return Ws().TopLevels().empty() ? nullptr : H(Ws().TopLevels().front());
    TWindow* w = W(parent);
    return w && !w->children.empty() ? H(w->children.front()) : nullptr;
}

bool IsChild(HWND parent, HWND hwnd)
{
    TWindow* p = W(parent);
    TWindow* w = W(hwnd);
    return p && w && w != p && TWindowSystem::IsDescendant(p, w);
}

std::vector<HWND> GetChildWindows(HWND parent)
{
    std::vector<HWND> out;
    const std::vector<TWindow*>* list = &Ws().TopLevels();
    if (parent) {
        TWindow* w = W(parent);
        if (!w) return out;
        list = &w->children;
    }
    for (TWindow* c : *list) out.push_back(c->handle);
    return out;
}

std::string GetClassName(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w ? w->cls->name : std::string();
}

LONG_PTR GetWindowLongPtr(HWND hwnd, int index)
{
    TWindow* w = W(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_STYLE: return LONG_PTR(w->style);
    case GWL_EXSTYLE: return LONG_PTR(w->exStyle);
    case GWLP_ID: return LONG_PTR(w->id);
    case GWLP_USERDATA: return w->userData;
    case GWLP_HWNDPARENT: return LONG_PTR(HandleValue(w->parent ? w->parent->handle : H(w->owner)));
    default: return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value)
{
    TWindow* w = W(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: Ws().SetStyle(w, index, DWORD(value)); break;
    case GWLP_ID: w->id = intptr_t(value); break;
    case GWLP_USERDATA: w->userData = value; break;
    case GWLP_HWNDPARENT:
        if (w->IsTopLevel()) w->owner = TWindowSystem::Root(W(HandleFromValue(uint64_t(value))));
        break;
    default: return 0;
    }
    return old;
}

bool SetWindowText(HWND hwnd, std::string_view text)
{
    std::string copy(text);
    return W(hwnd) && SendMessage(hwnd, WM_SETTEXT, 0, PtrToLParam(copy.c_str())) != 0;
}

std::string GetWindowText(HWND hwnd)
{
    int length = GetWindowTextLength(hwnd);
    if (length <= 0) return {};
    std::string text(size_t(length) + 1, '\0');
    LRESULT n = SendMessage(hwnd, WM_GETTEXT, WPARAM(text.size()), PtrToLParam(text.data()));
    text.resize(size_t(std::clamp<LRESULT>(n, 0, length)));
    return text;
}

int GetWindowTextLength(HWND hwnd) { return int(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0)); }

bool SetProp(HWND hwnd, std::string_view name, intptr_t value)
{
    TWindow* w = W(hwnd);
    if (!w) return false;
    w->props.insert_or_assign(std::string(name), value);
    return true;
}

intptr_t GetProp(HWND hwnd, std::string_view name)
{
    TWindow* w = W(hwnd);
    if (!w) return 0;
    auto it = w->props.find(name);
    return it == w->props.end() ? 0 : it->second;
}

intptr_t RemoveProp(HWND hwnd, std::string_view name)
{
    TWindow* w = W(hwnd);
    if (!w) return 0;
    auto it = w->props.find(name);
    if (it == w->props.end()) return 0;
    intptr_t value = it->second;
    w->props.erase(it);
    return value;
}

TWndProcId SubclassWindow(HWND hwnd, WNDPROC proc)
{
    TWindow* w = W(hwnd);
    return w ? Ws().Subclass(w, std::move(proc)) : 0;
}

bool RemoveWindowSubclass(HWND hwnd, TWndProcId id)
{
    TWindow* w = W(hwnd);
    return w && Ws().Unsubclass(w, id);
}

LRESULT CallWindowProc(TWndProcId id, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return Ws().CallProcBehind(W(hwnd), id, msg, wParam, lParam);
}

TWindowSubclass::TWindowSubclass(HWND hwnd, WNDPROC proc) : hwnd_(hwnd), id_(SubclassWindow(hwnd, std::move(proc))) {}

TWindowSubclass::~TWindowSubclass() { Remove(); }

TWindowSubclass::TWindowSubclass(TWindowSubclass&& other) noexcept : hwnd_(other.hwnd_), id_(other.id_)
{
    other.hwnd_ = nullptr;
    other.id_ = 0;
}

TWindowSubclass& TWindowSubclass::operator=(TWindowSubclass&& other) noexcept
{
    if (this != &other) {
        Remove();
        std::swap(hwnd_, other.hwnd_);
        std::swap(id_, other.id_);
    }
    return *this;
}

LRESULT TWindowSubclass::CallPrevious(UINT msg, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProc(id_, hwnd_, msg, wParam, lParam);
}

void TWindowSubclass::Remove()
{
    if (id_ && TWindowSystem::Exists()) RemoveWindowSubclass(hwnd_, id_);
    hwnd_ = nullptr;
    id_ = 0;
}

LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return Ws().Send(hwnd, msg, wParam, lParam); }
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) { return Ws().Post(hwnd, msg, wParam, lParam); }
void PostQuitMessage(int exitCode) { Ws().Queue().PostQuit(exitCode); }

bool GetMessage(MSG* msg, HWND hwnd, UINT first, UINT last) { return Ws().Get(*msg, hwnd, first, last); }

bool PeekMessage(MSG* msg, HWND hwnd, UINT first, UINT last, UINT flags)
{
    return Ws().Peek(*msg, hwnd, first, last, flags);
}

bool TranslateMessage(const MSG*) { return false; }
LRESULT DispatchMessage(const MSG* msg) { return Ws().Dispatch(*msg); }

void WaitMessage()
{
    MSG m;
    if (!Ws().Peek(m, nullptr, 0, 0, PM_NOREMOVE)) Ws().WaitForInput();
}

void ProcessMessages() { Ws().ProcessMessages(); }

void Sleep(DWORD ms) { Ws().Backend().Sleep(int64_t(ms)); }
bool RunMessageLoopUntil(const std::function<bool()>& done) { return Ws().RunLoopUntil(done); }

TWorkerWait::TWorkerWait()
{
    if (TWindowSystem::Exists()) Ws().AwaitWorker(true);
}
TWorkerWait::~TWorkerWait()
{
    if (TWindowSystem::Exists()) Ws().AwaitWorker(false);
}
std::function<bool(MSG&)> SetMessageFilter(std::function<bool(MSG&)> filter)
{
    return Ws().SetMessageFilter(std::move(filter));
}
DWORD GetMessageTime() { return Ws().CurrentMessage().time; }
TPoint GetMessagePos() { return Ws().CurrentMessage().pt; }

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return Ws().SetWindowPos(W(hwnd), insertAfter, x, y, cx, cy, flags);
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool ShowWindow(HWND hwnd, int command)
{
    TWindow* w = W(hwnd);
    return w && Ws().Show(w, command);
}

bool IsWindowVisible(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w && TWindowSystem::IsVisible(w);
}

bool IsIconic(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w && (w->style & WS_MINIMIZE);
}

bool IsZoomed(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w && (w->style & WS_MAXIMIZE);
}

bool BringWindowToTop(HWND hwnd) { return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

TRect GetWindowRect(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w ? TWindowSystem::WindowScreenRect(w) : TRect{};
}

TRect GetClientRect(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w ? Bounds(0, 0, w->client.Width(), w->client.Height()) : TRect{};
}

TPoint ClientToScreen(HWND hwnd, TPoint p)
{
    TWindow* w = W(hwnd);
    if (!w) return p;
    TPoint o = TWindowSystem::ClientScreenOrigin(w);
    return {p.x + o.x, p.y + o.y};
}

TPoint ScreenToClient(HWND hwnd, TPoint p)
{
    TWindow* w = W(hwnd);
    if (!w) return p;
    TPoint o = TWindowSystem::ClientScreenOrigin(w);
    return {p.x - o.x, p.y - o.y};
}

TPoint MapWindowPoints(HWND from, HWND to, TPoint p)
{
    TPoint screen = from ? ClientToScreen(from, p) : p;
    return to ? ScreenToClient(to, screen) : screen;
}

TRect MapWindowPoints(HWND from, HWND to, const TRect& r)
{
    TPoint tl = MapWindowPoints(from, to, r.TopLeft());
    return r.Offset(tl.x - r.Left, tl.y - r.Top);
}

TRect AdjustWindowRectEx(const TRect& client, DWORD style, DWORD exStyle)
{
    TRect in = FrameInsets(style, exStyle);
    return {client.Left - in.Left, client.Top - in.Top, client.Right + in.Right, client.Bottom + in.Bottom};
}

HWND WindowFromPoint(TPoint screen) { return H(Ws().Input().HitTest(screen).window); }

HWND ChildWindowFromPoint(HWND parent, TPoint client)
{
    TWindow* w = W(parent);
    if (!w || !Bounds(0, 0, w->client.Width(), w->client.Height()).Contains(client)) return nullptr;
    TPoint screen = ClientToScreen(parent, client);
    for (TWindow* c : w->children)
        if ((c->style & WS_VISIBLE) && Ws().Painter().HitsWindow(c, screen)) return c->handle;
    return parent;
}

bool SetWindowRgn(HWND hwnd, std::optional<TRegion> region, bool redraw)
{
    TWindow* w = W(hwnd);
    if (!w) return false;
    Ws().Painter().SetShape(w, std::move(region), redraw);
    return true;
}

std::optional<TRegion> GetWindowRgn(HWND hwnd)
{
    TWindow* w = W(hwnd);
    return w ? w->shape : std::nullopt;
}

bool SetLayeredWindowAttributes(HWND hwnd, TColor, uint8_t alpha, DWORD flags)
{
    TWindow* w = W(hwnd);
    if (!w || !w->native || !(w->exStyle & WS_EX_LAYERED)) return false;
    if (flags & LWA_ALPHA) {
        w->alpha = alpha;
        Ws().Backend().SetNativeOpacity(w->native, alpha);
    }
    return true;
}

bool GetLayeredWindowAttributes(HWND hwnd, uint8_t* alpha)
{
    TWindow* w = W(hwnd);
    if (!w || !(w->exStyle & WS_EX_LAYERED)) return false;
    if (alpha) *alpha = w->alpha;
    return true;
}

bool LayeredWindowsSupported() { return Ws().Backend().SupportsOpacity(); }

} // namespace tavrik
