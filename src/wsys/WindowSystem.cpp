#include "wsys/WindowSystem.h"

#include "wsys/Caret.h"
#include "wsys/Messages.h"
#include "wsys/NotificationArea.h"
#include "wsys/Painter.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <cassert>

namespace tavrik {

TWindowSystem* TWindowSystem::current_ = nullptr;

TWindowSystem::TWindowSystem(std::unique_ptr<IBackend> backend)
    : backend_(std::move(backend)), input_(*this), painter_(std::make_unique<TPainter>(*this)),
      caret_(std::make_unique<TCaret>(*this))
{
    assert(!current_ && "only one window system may exist at a time");
    current_ = this;
    backend_->Attach(this);
    doubleClickTime_ = backend_->DoubleClickTime();
    input_.SetCursorPos(backend_->CursorPos());
    RegisterSystemClasses();
    notificationArea_ = std::make_unique<TNotificationArea>(*this);
}

void TWindowSystem::RegisterSystemClasses()
{
    WNDCLASS scrollBar;
    scrollBar.style = CS_DBLCLKS;
    scrollBar.lpfnWndProc = &ScrollBarControlProc;
    scrollBar.lpszClassName = std::string(WC_SCROLLBAR);
    RegisterClass(scrollBar);
}

TWindowSystem::~TWindowSystem()
{
    notificationArea_.reset(); // its tip is a window, and its icons leave the tray
    while (!topLevels_.empty()) {
        TWindow* w = topLevels_.back();
        if (!Destroy(w)) Unlink(w); // a window that refuses to die is still forgotten
    }
    caret_.reset();
    painter_.reset();
    backend_->Attach(nullptr);
    current_ = nullptr;
}

TWindowSystem& TWindowSystem::Current()
{
    assert(current_ && "no window system exists");
    return *current_;
}

bool TWindowSystem::Exists() { return current_ != nullptr; }

bool TWindowSystem::RegisterClass(const WNDCLASS& wc)
{
    if (wc.lpszClassName.empty() || classes_.count(wc.lpszClassName)) return false;
    auto cls = std::make_shared<TWindowClass>();
    cls->style = wc.style;
    cls->proc = wc.lpfnWndProc;
    cls->cursor = wc.hCursor;
    cls->background = wc.hbrBackground;
    cls->name = wc.lpszClassName;
    classes_.emplace(cls->name, std::move(cls));
    return true;
}

bool TWindowSystem::UnregisterClass(std::string_view name)
{
    auto it = classes_.find(name);
    if (it == classes_.end()) return false;
    classes_.erase(it); // living windows keep their own reference to the class
    return true;
}

TWindow* TWindowSystem::Root(TWindow* w)
{
    while (w && w->parent) w = w->parent;
    return w;
}

bool TWindowSystem::IsDescendant(const TWindow* ancestor, const TWindow* w)
{
    for (; w; w = w->parent)
        if (w == ancestor) return true;
    return false;
}

bool TWindowSystem::IsVisible(const TWindow* w)
{
    for (; w; w = w->parent)
        if (!(w->style & WS_VISIBLE)) return false;
    return true;
}

namespace {

// CW_USEDEFAULT: windows cascade from the work area's corner at three quarters of its size.
TRect DefaultTopLevelBounds(TWindowSystem::TPlacement at, const TRect& work, int serial)
{
    if (at.cx == CW_USEDEFAULT) {
        at.cx = work.Width() * 3 / 4;
        at.cy = work.Height() * 3 / 4;
    }
    if (at.x == CW_USEDEFAULT) {
        int step = 26 * (serial % 8);
        at.x = work.Left + step;
        at.y = work.Top + step;
    }
    return Bounds(at.x, at.y, at.cx, at.cy);
}

TRect ChildBounds(TWindowSystem::TPlacement at)
{
    if (at.x == CW_USEDEFAULT) at.x = at.y = 0;
    if (at.cx == CW_USEDEFAULT) at.cx = at.cy = 0;
    return Bounds(at.x, at.y, at.cx, at.cy);
}

} // namespace

HWND TWindowSystem::Create(DWORD exStyle, std::string_view className, std::string_view name, DWORD style,
                           TPlacement at, HWND parent, intptr_t id, LPARAM param)
{
    auto clsIt = classes_.find(className);
    if (clsIt == classes_.end()) return nullptr;
    TWindow* parentWindow = Find(parent);
    if ((style & WS_CHILD) && !parentWindow) return nullptr;

    auto holder = std::make_shared<TWindow>();
    TWindow* w = holder.get();
    w->cls = clsIt->second;
    w->text = std::string(name);
    w->style = style & ~WS_VISIBLE;
    w->exStyle = exStyle;
    w->id = id;
    w->procs.push_back(TProcLink{nextProcId_++, w->cls->proc, false});
    table_.Add(holder);

    if (style & WS_CHILD) {
        w->parent = parentWindow;
        w->rect = ChildBounds(at);
        InsertChild(parentWindow, w);
    } else {
        w->owner = Root(parentWindow);
        w->rect = DefaultTopLevelBounds(at, WorkAreaFor(w->owner), defaultPlacements_++);
        InsertTopLevel(w);
    }
    w->client = Bounds(0, 0, w->rect.Width(), w->rect.Height());

    std::string classText = w->cls->name;
    CREATESTRUCT cs;
    cs.lpCreateParams = param;
    cs.hMenu = id;
    cs.hwndParent = parent;
    cs.x = w->rect.Left;
    cs.y = w->rect.Top;
    cs.cx = w->rect.Width();
    cs.cy = w->rect.Height();
    cs.style = style;
    cs.dwExStyle = exStyle;
    cs.lpszName = w->text.c_str();
    cs.lpszClass = classText.c_str();

    HWND handle = w->handle;
    if (!Send(w, WM_NCCREATE, 0, PtrToLParam(&cs))) {
        if (Find(handle)) Destroy(w);
        return nullptr;
    }
    if (!Find(handle)) return nullptr;
    w->client = CalcClientRect(w, w->rect);
    if (w->IsTopLevel()) CreateNative(w);
    painter_->WindowCreated(w);
    if (Send(w, WM_CREATE, 0, PtrToLParam(&cs)) == -1) {
        if (Find(handle)) Destroy(w);
        return nullptr;
    }
    if (!Find(handle)) return nullptr;
    w->life = TWindowLife::Alive;

    Send(w, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->client.Width(), w->client.Height()));
    TPoint origin{w->rect.Left + w->client.Left, w->rect.Top + w->client.Top};
    Send(w, WM_MOVE, 0, PointToLParam(origin));
    if (w->parent && !(exStyle & WS_EX_NOPARENTNOTIFY) && Find(handle))
        Send(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, int(id)), LPARAM(HandleValue(handle)));
    if ((style & WS_VISIBLE) && Find(handle)) {
        if (w->IsChild())
            SetWindowPos(w, nullptr, 0, 0, 0, 0,
                         SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        else
            Show(w, (exStyle & WS_EX_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    }
    return Find(handle) ? handle : nullptr;
}

void TWindowSystem::CreateNative(TWindow* w)
{
    TNativeWindowParams params;
    params.bounds = w->rect;
    params.kind = (w->style & WS_POPUP) && (w->exStyle & WS_EX_TOOLWINDOW) ? TNativeKind::Popup : TNativeKind::Normal;
    params.owner = w->owner ? w->owner->native : 0;
    params.toolWindow = (w->exStyle & WS_EX_TOOLWINDOW) != 0;
    params.topmost = (w->exStyle & WS_EX_TOPMOST) != 0;
    params.noActivate = (w->exStyle & WS_EX_NOACTIVATE) != 0;
    params.title = w->text;
    w->native = backend_->CreateNativeWindow(params);
}

void TWindowSystem::InsertTopLevel(TWindow* w)
{
    // New windows go on top of their band (topmost or not), and owned windows stay above
    // their owner, which a new window on top of its band always is.
    auto it = topLevels_.begin();
    if (!(w->exStyle & WS_EX_TOPMOST))
        while (it != topLevels_.end() && ((*it)->exStyle & WS_EX_TOPMOST)) ++it;
    topLevels_.insert(it, w);
}

void TWindowSystem::InsertChild(TWindow* parent, TWindow* w)
{
    parent->children.insert(parent->children.begin(), w);
}

void TWindowSystem::Unlink(TWindow* w)
{
    std::vector<TWindow*>& list = Siblings(w);
    std::erase(list, w);
}

bool TWindowSystem::Destroy(TWindow* w)
{
    if (!w || w->life == TWindowLife::Destroying || w->life == TWindowLife::Dead) return false;
    std::shared_ptr<TWindow> pin = Pin(w->handle);
    HWND handle = w->handle;

    // Owned windows go first, as their owner could not outlive them anyway.
    std::vector<HWND> owned;
    for (TWindow* t : topLevels_)
        if (t->owner == w) owned.push_back(t->handle);
    for (HWND h : owned) Destroy(Find(h));

    if (w->parent && !(w->exStyle & WS_EX_NOPARENTNOTIFY))
        Send(w->parent, WM_PARENTNOTIFY, MAKEWPARAM(WM_DESTROY, int(w->id)), LPARAM(HandleValue(handle)));
    if (!Find(handle) || w->life == TWindowLife::Destroying) return Find(handle) == nullptr;
    if (w->style & WS_VISIBLE)
        SetWindowPos(w, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!Find(handle) || w->life == TWindowLife::Destroying) return Find(handle) == nullptr;
    if (active_ && IsDescendant(w, active_)) ActivateAfterLoss(w);
    if (focus_ && IsDescendant(w, focus_)) SetFocusTo(w->parent && IsVisible(w->parent) ? w->parent : nullptr);
    if (focus_ && IsDescendant(w, focus_)) focus_ = nullptr;
    input_.ReleaseCaptureOf(w);

    w->life = TWindowLife::Destroying;
    SendDestroy(w);
    SendNcDestroy(w);
    return true;
}

void TWindowSystem::SendDestroy(TWindow* w)
{
    std::shared_ptr<TWindow> pin = Pin(w->handle);
    w->life = TWindowLife::Destroying;
    Send(w, WM_DESTROY, 0, 0);
    std::vector<HWND> children;
    for (TWindow* c : w->children) children.push_back(c->handle);
    for (HWND h : children) {
        TWindow* c = Find(h);
        if (c && c->life != TWindowLife::Dead && c->life != TWindowLife::Destroying) SendDestroy(c);
    }
}

void TWindowSystem::SendNcDestroy(TWindow* w)
{
    std::shared_ptr<TWindow> pin = Pin(w->handle);
    std::vector<HWND> children;
    for (TWindow* c : w->children) children.push_back(c->handle);
    for (HWND h : children)
        if (TWindow* c = Find(h)) SendNcDestroy(c);
    Send(w, WM_NCDESTROY, 0, 0);
    ForgetWindow(w);
}

void TWindowSystem::ForgetWindow(TWindow* w)
{
    for (TWindow* c : std::vector<TWindow*>(w->children)) ForgetWindow(c);
    w->life = TWindowLife::Dead;
    if (active_ == w) active_ = nullptr;
    if (focus_ == w) focus_ = nullptr;
    for (TWindow* t : topLevels_)
        if (t->lastActivePopup == w) t->lastActivePopup = nullptr;
    input_.Forget(w);
    caret_->Forget(w);
    painter_->Forget(w);
    if (notificationArea_) notificationArea_->Forget(w->handle);
    timers_.KillAllOf(w->handle);
    queue_.RemoveFor(w->handle);
    Unlink(w);
    w->parent = nullptr;
    if (w->native) {
        backend_->DestroyNativeWindow(w->native);
        w->native = 0;
    }
    w->props.clear();
    table_.Remove(w->handle);
}

void TWindowSystem::SetStyle(TWindow* w, int index, DWORD value)
{
    DWORD& field = index == GWL_STYLE ? w->style : w->exStyle;
    STYLESTRUCT ss{field, value};
    Send(w, WM_STYLECHANGING, WPARAM(index), PtrToLParam(&ss));
    if (!Find(w->handle)) return;
    DWORD old = field;
    field = ss.styleNew;
    if (index == GWL_EXSTYLE && w->native) {
        if ((old & WS_EX_LAYERED) && !(field & WS_EX_LAYERED) && w->alpha != 255) {
            w->alpha = 255;
            backend_->SetNativeOpacity(w->native, 255);
        }
    }
    ss.styleOld = old;
    Send(w, WM_STYLECHANGED, WPARAM(index), PtrToLParam(&ss));
}

bool TWindowSystem::SetParent(TWindow* w, TWindow* newParent)
{
    if (newParent && IsDescendant(w, newParent)) return false;
    std::shared_ptr<TWindow> pin = Pin(w->handle);
    std::shared_ptr<TWindow> pinParent = Pin(newParent ? newParent->handle : nullptr);
    bool visible = (w->style & WS_VISIBLE) != 0;
    if (visible)
        SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!Find(w->handle) || (newParent && !Find(newParent->handle))) return false;
    TPoint screen = WindowScreenOrigin(w);
    Unlink(w);
    painter_->Forget(w);
    if (newParent) {
        if (w->native) {
            backend_->DestroyNativeWindow(w->native);
            w->native = 0;
        }
        w->style |= WS_CHILD;
        w->style &= ~WS_POPUP;
        w->owner = nullptr;
        w->parent = newParent;
        TPoint origin = ClientScreenOrigin(newParent);
        w->rect = w->rect.Offset(screen.x - origin.x - w->rect.Left, screen.y - origin.y - w->rect.Top);
        InsertChild(newParent, w);
    } else {
        w->style &= ~WS_CHILD;
        w->parent = nullptr;
        w->rect = w->rect.Offset(screen.x - w->rect.Left, screen.y - w->rect.Top);
        InsertTopLevel(w);
        CreateNative(w);
    }
    painter_->WindowCreated(w);
    if (visible)
        SetWindowPos(w, nullptr, 0, 0, 0, 0, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

} // namespace tavrik
