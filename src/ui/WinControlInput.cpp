#include "gfx/Canvas.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/MouseControl.h"
#include "ui/PopupMenu.h"
#include "ui/Screen.h"
#include "ui/WinControl.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

bool IsButtonDown(UINT msg)
{
    return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN || msg == WM_RBUTTONDBLCLK ||
           msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK;
}

bool IsNonClientButtonDown(UINT msg) { return IsButtonDown(msg + (WM_LBUTTONDOWN - WM_NCLBUTTONDOWN)); }

// Whether the pointer is over the client area of one of this program's windows, where the
// controls under it take the hints on; over a window's frame no control is.
bool OverOurClientArea(TPoint screen)
{
    HWND w = WindowFromPoint(screen);
    return w && TWinControl::FromHandle(w) && GetClientRect(w).Contains(ScreenToClient(w, screen));
}

} // namespace

void TWinControl::WndProc(TMessage& m)
{
    if (IsNonClientButtonDown(m.Msg))
        if (TApplication* app = Application()) app->CancelHint();
    switch (m.Msg) {
    case WM_PAINT: WMPaint(m); return;
    case WM_ERASEBKGND: WMEraseBkgnd(m); return;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(m); return;
    case WM_NCDESTROY: WMNcDestroy(m); return;
    case WM_SETCURSOR: WMSetCursor(m); return;
    case WM_CONTEXTMENU: WMContextMenu(m); return;
    case WM_SETFOCUS: WMSetFocus(m); return;
    case WM_MOUSELEAVE: WMMouseLeave(m); return;
    case WM_CAPTURECHANGED:
        if (HandleFromValue(uint64_t(m.LParam)) != handle_) captureControl_ = nullptr;
        DefaultHandler(m);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: WMKeyDown(m); return;
    case WM_CHAR:
    case WM_SYSCHAR: WMChar(m); return;
    case WM_KEYUP:
    case WM_SYSKEYUP: WMKeyUp(m); return;
    case CM_DIALOGKEY: CMDialogKey(m); return;
    case CM_FOCUSCHANGED: Broadcast(m); return;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (TWinControl* bar = FromHandle(HandleFromValue(uint64_t(m.LParam))); bar && bar != this) {
            m.Result = bar->Perform(CN_BASE + m.Msg, m.WParam, m.LParam);
            return;
        }
        break;
    default: break;
    }
    if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK) {
        WMMouse(m);
        return;
    }
    TControl::WndProc(m);
}

void TWinControl::DefaultHandler(TMessage& m)
{
    if (handle_) m.Result = DefWindowProc(handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::WMMouse(TMessage& m)
{
    TApplication* app = Application();
    if (app && IsButtonDown(m.Msg)) app->CancelHint();
    TPoint p = LParamToPoint(m.LParam);
    TControl* target = captureControl_.Get();
    if (!target) target = ControlAtPos(p, false);
    if (m.Msg == WM_MOUSEMOVE) {
        if (!mouseTracked_ && handle_) {
            TRACKMOUSEEVENT track{TME_LEAVE, handle_, 0};
            mouseTracked_ = TrackMouseEvent(&track);
        }
        TControl* under = target ? target : this;
        auto alive = Guard();
        SetMouseControl(under);
        if (!alive) return;
        if (app) app->HintMouseMessage(under, ClientToScreen(p));
        if (!alive) return;
    }
    if (!ForwardToGraphic(m)) TControl::WndProc(m);
}

bool TWinControl::ForwardToGraphic(TMessage& m)
{
    TPoint p = LParamToPoint(m.LParam);
    TControl* target = captureControl_.Get();
    if (!target) target = ControlAtPos(p, false);
    if (!target) return false;
    TMessage forwarded = m;
    forwarded.LParam = PointToLParam({p.x - target->Left(), p.y - target->Top()});
    auto alive = Guard();
    target->Perform(forwarded);
    m.Result = forwarded.Result;
    // The window system makes the context menu request of a right button release.
    if (alive && m.Msg == WM_RBUTTONUP) DefaultHandler(m);
    return true;
}

void TWinControl::SetCaptureControl(TControl* control)
{
    captureControl_ = control;
    if (control) SetCapture(Handle());
    else if (handle_ && GetCapture() == handle_) ReleaseCapture();
}

void TWinControl::WMMouseLeave(TMessage& m)
{
    mouseTracked_ = false;
    TControl* current = MouseControl();
    if (current == this || (current && current->Parent() == this && !dynamic_cast<TWinControl*>(current))) {
        auto alive = Guard();
        SetMouseControl(nullptr);
        // Off to another control of ours, the hints go on from there; off the program or onto a
        // window's frame, they end.
        TApplication* app = Application();
        if (app && !OverOurClientArea(GetCursorPos())) app->HintMouseMessage(nullptr, {});
        if (!alive) return;
    }
    DefaultHandler(m);
}

void TWinControl::WMSetCursor(TMessage& m)
{
    if (int16_t(LOWORD(uint64_t(m.LParam))) == HTCLIENT) {
        TCursor cursor = Screen()->Cursor();
        if (cursor == crDefault && HandleFromValue(m.WParam) == handle_) {
            if (TControl* c = ControlAtPos(ScreenToClient(GetCursorPos()), false)) cursor = c->Cursor();
        }
        if (cursor == crDefault) cursor = Cursor();
        if (cursor != crDefault) {
            tavrik::SetCursor(CursorHandle(cursor));
            m.Result = 1;
            return;
        }
    }
    DefaultHandler(m);
}

void TWinControl::WMContextMenu(TMessage& m)
{
    TPoint screen = LParamToPoint(m.LParam);
    bool fromKeyboard = screen.x == -1 && screen.y == -1;
    auto alive = Guard();
    if (!fromKeyboard && HandleFromValue(m.WParam) == handle_) {
        if (TControl* c = ControlAtPos(ScreenToClient(screen), false)) {
            if (c->Perform(WM_CONTEXTMENU, m.WParam, m.LParam) != 0) {
                m.Result = 1;
                return;
            }
            if (!alive) return;
        }
    }
    ContextPopup(m);
    // Not taken: the window system passes it on to the parent window.
    if (alive && m.Result == 0) DefaultHandler(m);
}

void TWinControl::WMSetFocus(TMessage& m)
{
    auto alive = Guard();
    DefaultHandler(m);
    if (!alive) return;
    TForm* form = GetParentForm(this);
    if (form && form != this) form->FocusChanged(this);
}

int TWinControl::TabOrder() const
{
    if (!Parent()) return -1;
    auto& list = Parent()->tabList_;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order)
{
    if (!Parent()) return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, int(list.size()));
    list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool on)
{
    if (on == tabStop_) return;
    tabStop_ = on;
    if (handle_) {
        LONG_PTR style = GetWindowLongPtr(handle_, GWL_STYLE);
        SetWindowLongPtr(handle_, GWL_STYLE, on ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
    }
    Perform(CM_TABSTOPCHANGED);
}

bool TWinControl::CanFocus() const
{
    TForm* form = GetParentForm(this);
    if (!form) return false;
    for (const TControl* c = this; c; c = c->Parent()) {
        if (!c->Visible() || !c->Enabled()) return false;
        if (c == form) break;
    }
    return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus()
{
    TForm* form = GetParentForm(this);
    if (form && form != this) form->FocusControl(this);
    else tavrik::SetFocus(Handle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const
{
    for (TWinControl* w : tabList_) {
        list.push_back(w);
        w->GetTabOrderList(list);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    int n = int(list.size());
    int start = int(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == n) start = -1;
    for (int step = 1; step <= n; ++step) {
        int i = start < 0 ? (forward ? step - 1 : n - step) : ((start + (forward ? step : -step)) % n + n) % n;
        TWinControl* c = list[size_t(i)];
        if (c == current) break;
        if ((!checkTabStop || c->TabStop()) && (!checkParent || c->Parent() == this) && c->CanFocus()) return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop, false)) next->SetFocus();
}

void TWinControl::DoEnter()
{
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit) OnExit(this);
}

void TWinControl::WMKeyDown(TMessage& m)
{
    SwallowNextChar() = false;
    if (TApplication* app = Application()) app->CancelHint();
    uint16_t key = uint16_t(m.WParam);
    TShiftState shift = KeyboardShiftState();
    auto alive = Guard();
    TForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        static_cast<TWinControl*>(form)->KeyDown(key, shift);
        if (!alive || key == 0) return;
    }
    if (IsMenuShortCut(key, shift) || (alive && IsDialogKey(key, shift))) {
        SwallowNextChar() = true;
        return;
    }
    if (!alive) return;
    KeyDown(key, shift);
    if (!alive || key == 0) return;
    m.WParam = key;
    DefaultHandler(m);
}

void TWinControl::WMChar(TMessage& m)
{
    char32_t key = char32_t(m.WParam);
    auto alive = Guard();
    TForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        static_cast<TWinControl*>(form)->KeyPress(key);
        if (!alive || key == 0) return;
    }
    // Alt+character belongs to the accelerators first; a plain character to the control,
    // then, when it does not want characters, to the accelerators. Both come before the
    // window system's default, which turns Alt+character into the keyboard menu.
    if (m.Msg == WM_SYSCHAR && IsDialogChar(m.Msg, key)) return;
    if (!alive) return;
    KeyPress(key);
    if (!alive || key == 0) return;
    if (m.Msg == WM_CHAR && IsDialogChar(m.Msg, key)) return;
    if (!alive) return;
    m.WParam = key;
    DefaultHandler(m);
}

bool TWinControl::IsDialogChar(UINT msg, char32_t key)
{
    if (key < 0x20 || key == 0x7F) return false;
    if (msg == WM_CHAR && (Perform(WM_GETDLGCODE) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS))) return false;
    TForm* form = GetParentForm(this);
    return form && form->Perform(CM_DIALOGCHAR, key, LPARAM(KeyboardShiftState())) != 0;
}

void TWinControl::WMKeyUp(TMessage& m)
{
    uint16_t key = uint16_t(m.WParam);
    TShiftState shift = KeyboardShiftState();
    auto alive = Guard();
    TForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview()) {
        static_cast<TWinControl*>(form)->KeyUp(key, shift);
        if (!alive || key == 0) return;
    }
    KeyUp(key, shift);
    if (!alive || key == 0) return;
    m.WParam = key;
    DefaultHandler(m);
}

bool TWinControl::IsMenuShortCut(uint16_t key, TShiftState shift)
{
    auto alive = Guard();
    TForm* form = GetParentForm(this);
    if (form && form->IsShortCut(key, shift)) return true;
    if (!alive) return true;
    for (TControl* c = this; c; c = c->Parent())
        if (TPopupMenu* menu = c->PopupMenu(); menu && menu->IsShortCut(key, shift)) return true;
    return false;
}

bool TWinControl::IsDialogKey(uint16_t key, TShiftState shift)
{
    LRESULT mask = 0;
    switch (key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    default: return false;
    }
    if (Perform(WM_GETDLGCODE) & mask) return false;
    TForm* form = GetParentForm(this);
    return form && form->Perform(CM_DIALOGKEY, key, LPARAM(shift)) != 0;
}

void TWinControl::CMDialogKey(TMessage& m) { Broadcast(m); }

void TWinControl::KeyDown(uint16_t& key, TShiftState shift)
{
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void TWinControl::KeyPress(char32_t& key)
{
    if (OnKeyPress) OnKeyPress(this, key);
}

void TWinControl::KeyUp(uint16_t& key, TShiftState shift)
{
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

} // namespace tavrik
