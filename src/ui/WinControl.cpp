#include "ui/WinControl.h"

#include "core/Exception.h"
#include "gfx/Canvas.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

namespace {

// Names the control of a window for FromHandle; the class procedure reads GWLP_USERDATA.
constexpr const char* kControlProp = "TavrikControl";

} // namespace

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    MarkDestroying();
    DestroyHandle();
    DestroyChildren();
}

void TWinControl::BeforeDestruction()
{
    TControl::BeforeDestruction();
    // One DestroyWindow for the whole tree instead of one per child.
    DestroyHandle();
}

void TWinControl::DestroyChildren()
{
    while (!controls_.empty()) {
        TControl* c = controls_.back();
        RemoveControl(c);
        c->Free();
    }
}

HWND TWinControl::Handle()
{
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded()
{
    if (handle_) return;
    if (Parent()) Parent()->HandleNeeded(); // makes ours too
    if (!handle_) CreateHandle();
}

TWinControl* TWinControl::FromHandle(HWND hwnd)
{
    if (!hwnd || !TWindowSystem::Exists()) return nullptr;
    return reinterpret_cast<TWinControl*>(GetProp(hwnd, kControlProp));
}

void TWinControl::SetParentWindow(HWND window)
{
    if (window == parentWindow_) return;
    parentWindow_ = window;
    if (handle_ && !Parent()) RecreateWnd();
}

void TWinControl::CreateParams(TCreateParams& p)
{
    p.Caption = Text();
    p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (Parent()) {
        p.Style |= WS_CHILD;
        if (Visible()) p.Style |= WS_VISIBLE;
        p.WndParent = Parent()->handle_; // made before ours (HandleNeeded)
    } else {
        p.Style |= WS_POPUP;
        p.WndParent = parentWindow_;
    }
    if (!Enabled()) p.Style |= WS_DISABLED;
    if (tabStop_) p.Style |= WS_TABSTOP;
    p.X = Left();
    p.Y = Top();
    p.Width = Width();
    p.Height = Height();
    p.WinClassName = ClassName();
}

LRESULT TWinControl::ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    TWinControl* c = nullptr;
    if (msg == WM_NCCREATE) {
        c = reinterpret_cast<TWinControl*>(intptr_t(LParamToPtr<CREATESTRUCT>(lParam)->lpCreateParams));
        SetWindowLongPtr(hwnd, GWLP_USERDATA, LONG_PTR(reinterpret_cast<intptr_t>(c)));
        SetProp(hwnd, kControlProp, reinterpret_cast<intptr_t>(c));
        if (c) c->handle_ = hwnd;
    } else {
        c = reinterpret_cast<TWinControl*>(intptr_t(GetWindowLongPtr(hwnd, GWLP_USERDATA)));
    }
    if (!c) return DefWindowProc(hwnd, msg, wParam, lParam);
    return c->MainWndProc(msg, wParam, lParam);
}

bool& TWinControl::SwallowNextChar()
{
    static bool swallow = false;
    return swallow;
}

LRESULT TWinControl::MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // The character of a key the form used (a dialog key, a menu shortcut) was queued with
    // the key; nobody sees it.
    if ((msg == WM_CHAR || msg == WM_SYSCHAR) && SwallowNextChar()) {
        SwallowNextChar() = false;
        return 0;
    }
    TMessage m{msg, wParam, lParam, 0};
    auto alive = Guard();
    try {
        Perform(m);
    } catch (...) {
        // An error escaping a handler is reported, and the message loop goes on.
        HandleExceptionOrRethrow(alive ? this : nullptr);
    }
    return m.Result;
}

void TWinControl::CreateWnd()
{
    TCreateParams p;
    CreateParams(p);
    WNDCLASS wc;
    wc.style = p.WindowClassStyle;
    wc.lpfnWndProc = &TWinControl::ClassProc;
    wc.hCursor = LoadCursor(IDC_ARROW);
    wc.lpszClassName = p.WinClassName;
    RegisterClass(wc); // a class registered before stays as it is
    SetControlState(ControlState() | csCreating);
    HWND h = CreateWindowEx(p.ExStyle, p.WinClassName, p.Caption, p.Style, p.X, p.Y, p.Width, p.Height, p.WndParent, 0,
                            LPARAM(reinterpret_cast<intptr_t>(this)));
    SetControlState(ControlState() & ~unsigned(csCreating));
    if (!h) throw Exception(std::string("Cannot create a window for ") + ClassName());
    handle_ = h;
    UpdateBounds();
}

void TWinControl::DestroyWnd()
{
    if (handle_) DestroyWindow(handle_);
}

void TWinControl::CreateHandle()
{
    if (handle_) return;
    CreateWnd();
    for (TControl* c : std::vector<TControl*>(controls_))
        if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->handle_) w->CreateHandle();
}

void TWinControl::DestroyHandle()
{
    if (!handle_ || !TWindowSystem::Exists()) {
        handle_ = nullptr;
        return;
    }
    SetControlState(ControlState() | csDestroyingHandle);
    DestroyWnd();
    SetControlState(ControlState() & ~unsigned(csDestroyingHandle));
    handle_ = nullptr;
}

void TWinControl::RecreateWnd()
{
    if (!handle_) return;
    bool hadFocus = Focused();
    TForm* form = GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    bool focusInside = active && ContainsControl(active) && active->Focused();
    // A shown top-level window (a form whose border changed) comes back shown.
    const bool shownTopLevel = !Parent() && IsWindowVisible(handle_);
    const bool wasActive = shownTopLevel && GetActiveWindow() == handle_;
    DestroyHandle();
    CreateHandle();
    if (shownTopLevel) ShowWindow(handle_, wasActive ? SW_SHOW : SW_SHOWNA);
    Perform(CM_RECREATEWND);
    if (hadFocus) SetFocus();
    else if (focusInside) active->SetFocus();
}

void TWinControl::WMNcDestroy(TMessage& m)
{
    HWND h = handle_;
    DefaultHandler(m);
    if (handle_ == h) handle_ = nullptr;
    mouseTracked_ = false;
}

void TWinControl::InsertControl(TControl* control)
{
    if (!control || control == this || control->Parent() == this) return;
    control->SetParentField(this);
    controls_.push_back(control);
    if (auto* w = dynamic_cast<TWinControl*>(control)) tabList_.push_back(w);
    control->InitFromParent();
    control->UpdateAnchorRules();
    if (auto* w = dynamic_cast<TWinControl*>(control); w && handle_) w->CreateHandle();
    control->Invalidate();
    control->RequestAlign();
}

void TWinControl::RemoveControl(TControl* control)
{
    if (!control || control->Parent() != this) return;
    if (!Destroying()) control->Invalidate();
    if (captureControl_.Get() == control) captureControl_ = nullptr;
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    auto* w = dynamic_cast<TWinControl*>(control);
    if (w) tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), w), tabList_.end());
    if (TForm* form = GetParentForm(this); form && !Destroying()) form->ControlRemoved(control);
    control->SetParentField(nullptr);
    // A windowed child leaves with its window; without a parent it has no place to show it.
    if (w) w->DestroyHandle();
    if (!Destroying() && control->Align() != TAlign::alNone) Realign();
    if (!Destroying()) ControlsChanged(control);
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint client, bool allowDisabled, bool allowWinControls) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!allowWinControls && dynamic_cast<TWinControl*>(c)) continue;
        if (!c->Visible() || (!allowDisabled && !c->Enabled())) continue;
        if (c->BoundsRect().Contains(client)) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message)
{
    auto alive = Guard();
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (!alive) return;
        if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
        c->Perform(message);
        if (message.Result != 0) return;
    }
}

void TWinControl::RelayToControls(TMessage& message, bool stopAtAnswer)
{
    // Answers whether the walk is to stop.
    auto relay = [&](TWinControl* container, auto& self) -> bool {
        auto alive = container->Guard();
        std::vector<std::pair<TControl*, TComponentGuard>> children;
        for (TControl* c : container->controls_) children.emplace_back(c, c->Guard());
        for (auto& [c, childAlive] : children) {
            if (!alive) return false;
            if (!childAlive || c->Parent() != container) continue;
            TMessage copy = message;
            copy.Result = 0;
            c->Perform(copy);
            if (stopAtAnswer && copy.Result != 0) {
                message.Result = copy.Result;
                return true;
            }
            auto* w = dynamic_cast<TWinControl*>(c);
            if (childAlive && w && w->Parent() == container && self(w, self)) return true;
        }
        return false;
    };
    relay(this, relay);
}

void TWinControl::ApplyBounds(int left, int top, int width, int height)
{
    if (handle_) {
        SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
        // A handler that took over WM_WINDOWPOSCHANGED may not have passed it on.
        UpdateBounds();
        return;
    }
    bool sized = width != Width() || height != Height();
    TControl::left_ = left;
    TControl::top_ = top;
    TControl::width_ = width;
    TControl::height_ = height;
    if (sized) {
        Realign();
        Resize();
    }
}

bool TWinControl::UpdateBounds()
{
    if (!handle_ || IsIconic(handle_)) return false;
    TRect r = GetWindowRect(handle_);
    if (GetWindowLongPtr(handle_, GWL_STYLE) & WS_CHILD) r = MapWindowPoints(nullptr, GetParent(handle_), r);
    bool sized = r.Width() != Width() || r.Height() != Height();
    TControl::left_ = r.Left;
    TControl::top_ = r.Top;
    TControl::width_ = r.Width();
    TControl::height_ = r.Height();
    if (sized) {
        auto alive = Guard();
        Realign();
        if (alive) Resize();
    }
    return sized;
}

void TWinControl::WMWindowPosChanged(TMessage& m)
{
    auto alive = Guard();
    UpdateBounds();
    if (alive) DefaultHandler(m);
}

TRect TWinControl::ClientRectWithoutWindow() const
{
    TCreateParams p;
    const_cast<TWinControl*>(this)->CreateParams(p);
    TRect frame = AdjustWindowRectEx({0, 0, 0, 0}, p.Style, p.ExStyle);
    return {0, 0, std::max(0, Width() - frame.Width()), std::max(0, Height() - frame.Height())};
}

TRect TWinControl::ClientRect() const
{
    if (handle_) return GetClientRect(handle_);
    // Without a window yet: the frame its styles will give it.
    return ClientRectWithoutWindow();
}

TPoint TWinControl::ClientOrigin() const
{
    if (handle_) return tavrik::ClientToScreen(handle_, {0, 0});
    return TControl::ClientOrigin();
}

void TWinControl::SetClientSize(int width, int height)
{
    TRect c = ClientRect();
    SetBounds(Left(), Top(), width + Width() - c.Width(), height + Height() - c.Height());
}

bool TWinControl::Showing() const
{
    if (handle_) return IsWindowVisible(handle_);
    return Visible() && Parent() && Parent()->Showing();
}

void TWinControl::VisibleChanged()
{
    if (Parent()) {
        if (!handle_ && Visible() && Parent()->HandleAllocated()) CreateHandle();
        if (handle_) ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
        return;
    }
    // A top-level control that is not a form (a hint, a menu) shows without taking the focus.
    if (Visible()) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
    else if (handle_) ShowWindow(handle_, SW_HIDE);
}

void TWinControl::EnabledChanged()
{
    if (handle_) EnableWindow(handle_, Enabled());
    Invalidate();
}

void TWinControl::TextChanged()
{
    if (handle_) SetWindowText(handle_, Text());
    Invalidate();
}

void TWinControl::Invalidate()
{
    if (handle_) InvalidateRect(handle_, nullptr, !(ControlStyle() & csOpaque));
}

void TWinControl::Update()
{
    if (handle_) UpdateWindow(handle_);
}

void TWinControl::EraseBackground(TCanvas& canvas)
{
    canvas.Brush().Color = Color();
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.FillRect(ClientRect());
}

void TWinControl::PaintControls(TCanvas& canvas)
{
    for (TControl* c : std::vector<TControl*>(controls_)) {
        if (dynamic_cast<TWinControl*>(c) || !c->Visible()) continue;
        TRect r = c->BoundsRect();
        if (r.IsEmpty() || !canvas.RectVisible(r)) continue;
        TCanvasStateSaver saver(canvas);
        canvas.IntersectClipRect(r);
        canvas.MoveOrigin(r.Left, r.Top);
        canvas.SetPen(TPen());
        canvas.SetBrush(TBrush());
        canvas.SetFont(c->Font().Request());
        c->PaintGraphic(canvas);
    }
}

void TWinControl::PaintTo(TCanvas& canvas)
{
    TCanvasStateSaver saver(canvas);
    canvas.SetFont(Font().Request());
    // Through the message, so that a component that took over the window's messages (a
    // skinned frame painting its own background) erases here too.
    auto canvasParam = WPARAM(reinterpret_cast<uintptr_t>(&canvas));
    Perform(WM_ERASEBKGND, canvasParam, LPARAM(canvasParam));
    PaintWindow(canvas);
    PaintControls(canvas);
}

void TWinControl::PaintParentImage(TCanvas& canvas)
{
    if (!Parent()) return;
    TCanvasStateSaver saver(canvas);
    canvas.IntersectClipRect({0, 0, Width(), Height()});
    canvas.MoveOrigin(-Left(), -Top());
    Parent()->PaintTo(canvas);
}

void TWinControl::WMEraseBkgnd(TMessage& m)
{
    // Double-buffered controls erase into their buffer when they paint (PaintTo marks that
    // erase by passing the canvas in both parameters), not on the window beforehand.
    bool intoBuffer = m.LParam == LPARAM(m.WParam);
    if (!doubleBuffered_ || intoBuffer) {
        auto* canvas = reinterpret_cast<TCanvas*>(uintptr_t(m.WParam));
        if (canvas) EraseBackground(*canvas);
    }
    m.Result = 1;
}

void TWinControl::WMPaint(TMessage& m)
{
    (void)m;
    PAINTSTRUCT ps;
    HWND h = handle_;
    HDC dc = BeginPaint(h, &ps);
    auto alive = Guard();
    if (dc && !ps.rcPaint.IsEmpty()) {
        if (doubleBuffered_) {
            TBitmap buffer(ps.rcPaint.Width(), ps.rcPaint.Height(), TPixelFormat::pf32bit);
            TCanvas bufferCanvas(buffer);
            bufferCanvas.SetOrigin({-ps.rcPaint.Left, -ps.rcPaint.Top});
            PaintTo(bufferCanvas);
            if (alive) dc->Draw(ps.rcPaint.Left, ps.rcPaint.Top, buffer);
        } else {
            TCanvasStateSaver saver(*dc);
            dc->SetFont(Font().Request());
            PaintWindow(*dc);
            if (alive) PaintControls(*dc);
        }
    }
    EndPaint(h, &ps);
}

void TWinControl::EnableAlign()
{
    if (alignLevel_ > 0 && --alignLevel_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign()
{
    if (alignLevel_ > 0 || (ControlState() & csAligning)) {
        alignPending_ = true; // done when alignment is enabled again, or by the running pass
        return;
    }
    auto alive = Guard();
    // A pass can ask for another one: a child that shows or hides a sibling while it is being
    // placed (a scroll bar beside an aligned box). Layouts that settle do so in a few passes.
    constexpr int kMaxPasses = 4;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        alignPending_ = false;
        TRect rect = ClientRect();
        AdjustClientRect(rect);
        SetControlState(ControlState() | csAligning);
        AlignControls(nullptr, rect);
        if (!alive) return;
        SetControlState(ControlState() & ~unsigned(csAligning));
        if (!alignPending_ || alignLevel_ > 0) break;
    }
}

} // namespace tavrik
