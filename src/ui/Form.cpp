#include "ui/Form.h"

#include "gfx/SystemColors.h"
#include "ui/Application.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

TForm* GetParentForm(const TControl* control)
{
    const TControl* top = control;
    while (top && top->Parent()) top = top->Parent();
    return dynamic_cast<TForm*>(const_cast<TControl*>(top));
}

TForm::TForm(TComponent* owner) : TCustomControl(owner)
{
    SetVisible(false);
    SetControlStyle(ControlStyle() | csAcceptsControls);
    SetBounds(0, 0, 320, 240);
    Screen()->AddForm(this);
}

TForm::~TForm()
{
    MarkDestroying();
    frameHook_ = nullptr;
    Screen()->RemoveForm(this);
}

void TForm::AfterConstruction()
{
    if (OnCreate) OnCreate(this);
}

void TForm::BeforeDestruction()
{
    if (OnDestroy) OnDestroy(this);
    // The frame component goes with the form's components; nothing asks it from here on.
    frameHook_ = nullptr;
    // No broadcast reaches a form that is going.
    Screen()->RemoveForm(this);
    TCustomControl::BeforeDestruction();
}

void TForm::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    p.ExStyle = 0;
    bool tool = borderStyle_ == TFormBorderStyle::bsToolWindow || borderStyle_ == TFormBorderStyle::bsSizeToolWin;
    switch (borderStyle_) {
    case TFormBorderStyle::bsNone: p.Style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle:
    case TFormBorderStyle::bsToolWindow: p.Style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable:
    case TFormBorderStyle::bsSizeToolWin: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
        p.Style |= WS_POPUP | WS_CAPTION;
        p.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
        break;
    }
    if (tool) p.ExStyle |= WS_EX_TOOLWINDOW;
    if (borderStyle_ != TFormBorderStyle::bsNone) {
        if (borderIcons_ & biSystemMenu) p.Style |= WS_SYSMENU;
        if (borderStyle_ != TFormBorderStyle::bsDialog && !tool) {
            if (borderIcons_ & biMinimize) p.Style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize) p.Style |= WS_MAXIMIZEBOX;
        }
    }
    if (frameHook_) p.Style &= ~WS_CAPTION;
    if (!Enabled()) p.Style |= WS_DISABLED;
    p.WndParent = ParentWindow();
}

void TForm::SetFrameHook(TFormFrameHook* hook)
{
    if (hook == frameHook_) return;
    frameHook_ = hook;
    if (!HandleAllocated() || Destroying()) return;
    // The same frame bits as a window made afresh would get, without making it again.
    constexpr DWORD kFrameBits = WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    TCreateParams params;
    CreateParams(params);
    HWND h = Handle();
    auto style = DWORD(GetWindowLongPtr(h, GWL_STYLE));
    SetWindowLongPtr(h, GWL_STYLE, LONG_PTR((style & ~kFrameBits) | (params.Style & kFrameBits)));
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TForm::SetBorderStyle(TFormBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
}

void TForm::SetBorderIcons(TBorderIcons icons)
{
    if (icons == borderIcons_) return;
    borderIcons_ = icons;
    RecreateWnd();
}

TWindowState TForm::WindowState() const
{
    if (frameHook_) return frameHook_->FrameWindowState();
    if (HandleAllocated() && Showing()) {
        HWND h = const_cast<TForm*>(this)->Handle();
        if (IsIconic(h)) return TWindowState::wsMinimized;
        if (IsZoomed(h)) return TWindowState::wsMaximized;
        return TWindowState::wsNormal;
    }
    return windowState_;
}

void TForm::SetWindowState(TWindowState state)
{
    if (frameHook_) {
        frameHook_->SetFrameWindowState(state);
        return;
    }
    windowState_ = state;
    if (!HandleAllocated() || !Showing()) return;
    switch (state) {
    case TWindowState::wsNormal: ShowWindow(Handle(), SW_RESTORE); break;
    case TWindowState::wsMinimized: ShowWindow(Handle(), SW_MINIMIZE); break;
    case TWindowState::wsMaximized: ShowWindow(Handle(), SW_MAXIMIZE); break;
    }
}

bool TForm::Showing() const { return TCustomControl::Showing(); }

void TForm::Paint()
{
    if (OnPaint) OnPaint(this);
}

void TForm::PlaceOnShow()
{
    TRect area;
    switch (position_) {
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter: area = Bounds(0, 0, Screen()->Width(), Screen()->Height()); break;
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter: {
        TForm* other = position_ == TPosition::poMainFormCenter ? (Application() ? Application()->MainForm() : nullptr)
                                                                : dynamic_cast<TForm*>(Owner());
        if (other && other != this) area = other->BoundsRect();
        else area = Bounds(0, 0, Screen()->Width(), Screen()->Height());
        break;
    }
    default: return;
    }
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

void TForm::VisibleChanged()
{
    if (!Visible()) {
        if (OnHide) OnHide(this);
        if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
        return;
    }
    HandleNeeded();
    auto alive = Guard();
    if (OnShow) OnShow(this);
    if (!alive || !Visible()) return;
    PlaceOnShow();
    int command = SW_SHOW;
    if (frameHook_) command = SW_SHOW; // the frame component keeps the state
    else if (windowState_ == TWindowState::wsMaximized) command = SW_SHOWMAXIMIZED;
    else if (windowState_ == TWindowState::wsMinimized) command = SW_SHOWMINIMIZED;
    ShowWindow(Handle(), command);
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::DoClose(TCloseAction& action)
{
    if (OnClose) OnClose(this, action);
}

void TForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    auto alive = Guard();
    if (!CloseQuery() || !alive) return;
    TCloseAction action = TCloseAction::caHide;
    DoClose(action);
    if (!alive || action == TCloseAction::caNone) return;
    if (Application() && Application()->MainForm() == this) {
        Application()->Terminate();
        return;
    }
    switch (action) {
    case TCloseAction::caHide: Hide(); break;
    case TCloseAction::caMinimize: SetWindowState(TWindowState::wsMinimized); break;
    case TCloseAction::caFree: Release(); break;
    default: break;
    }
}

void TForm::Release()
{
    if (HandleAllocated()) PostMessage(Handle(), CM_RELEASE);
}

bool TForm::IsShortCut(uint16_t key, TShiftState shift)
{
    bool handled = false;
    if (OnShortCut) OnShortCut(this, key, shift & (ssShift | ssCtrl | ssAlt), handled);
    return handled;
}

void TForm::SetActiveControl(TWinControl* control)
{
    if (control == ActiveControl()) return;
    if (control && active_ && control->CanFocus()) {
        FocusControl(control);
        return;
    }
    activeControl_ = control;
}

void TForm::FocusControl(TWinControl* control)
{
    if (!control || control == this || !ContainsControl(control)) return;
    // A hidden form gives the control the focus when it is next activated.
    if (!Showing()) activeControl_ = control;
    else if (control->CanFocus()) tavrik::SetFocus(control->Handle());
}

void TForm::FocusChanged(TWinControl* control)
{
    TWinControl* old = ActiveControl();
    if (control == old) return;
    activeControl_ = control;
    auto alive = Guard();
    auto controlAlive = control->Guard();
    if (old) old->DoExit();
    if (!alive || !controlAlive) return;
    control->DoEnter();
    if (!alive) return;
    TMessage m{CM_FOCUSCHANGED, 0, LPARAM(reinterpret_cast<intptr_t>(control)), 0};
    Broadcast(m);
}

void TForm::ControlRemoved(TControl* control)
{
    TWinControl* active = ActiveControl();
    if (!active) return;
    auto* container = dynamic_cast<TWinControl*>(control);
    if (active == control || (container && container->ContainsControl(active))) activeControl_ = nullptr;
}

void TForm::SetWindowFocus()
{
    TWinControl* target = ActiveControl();
    if (!target || !target->CanFocus()) target = FindNextControl(nullptr, true, true, false);
    if (target) tavrik::SetFocus(target->Handle());
    else tavrik::SetFocus(Handle());
}

void TForm::WMActivate(TMessage& m)
{
    auto alive = Guard();
    if (LOWORD(m.WParam) != WA_INACTIVE) {
        active_ = true;
        Screen()->SetActiveForm(this);
        if (!HIWORD(m.WParam)) SetWindowFocus();
        if (alive && OnActivate) OnActivate(this);
        return;
    }
    active_ = false;
    if (OnDeactivate) OnDeactivate(this);
    if (alive) DefaultHandler(m);
}

void TForm::WMGetMinMaxInfo(TMessage& m)
{
    DefaultHandler(m);
    auto* mm = LParamToPtr<MINMAXINFO>(m.LParam);
    TSizeConstraints& c = Constraints();
    if (c.MinWidth() > 0) mm->ptMinTrackSize.x = std::max(mm->ptMinTrackSize.x, c.MinWidth());
    if (c.MinHeight() > 0) mm->ptMinTrackSize.y = std::max(mm->ptMinTrackSize.y, c.MinHeight());
    if (c.MaxWidth() > 0) mm->ptMaxTrackSize.x = c.MaxWidth();
    if (c.MaxHeight() > 0) mm->ptMaxTrackSize.y = c.MaxHeight();
}

void TForm::CMDialogKey(TMessage& m)
{
    auto key = uint16_t(m.WParam);
    auto shift = TShiftState(m.LParam);
    if (!(shift & ssAlt)) {
        if (key == VK_TAB && !(shift & ssCtrl)) {
            SelectNext(ActiveControl(), !(shift & ssShift), true);
            m.Result = 1;
            return;
        }
        bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
        TWinControl* active = ActiveControl();
        if (arrow && active && active->Parent()) {
            active->Parent()->SelectNext(active, key == VK_RIGHT || key == VK_DOWN, false);
            m.Result = 1;
            return;
        }
    }
    Broadcast(m);
}

void TForm::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_CLOSE: Close(); return;
    case WM_ACTIVATE: WMActivate(m); return;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(m); return;
    case CM_DIALOGKEY: CMDialogKey(m); return;
    case CM_DIALOGCHAR: RelayToControls(m, true); return;
    case CM_RELEASE: Free(); return;
    case WM_SIZE:
        TCustomControl::WndProc(m);
        // The main form back from the task bar brings the program back. A size change that
        // comes while the window is still iconic (a window manager's late configure) is none.
        if (m.WParam != SIZE_MINIMIZED && !IsIconic(Handle()) && Application() && Application()->MainForm() == this)
            Application()->Restore();
        return;
    default: break;
    }
    if (!frameHook_ && CaptionMouse(m)) return;
    TCustomControl::WndProc(m);
}

} // namespace tavrik
