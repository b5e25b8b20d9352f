#include "skinforms/TrayIcon.h"

#include "core/Utf8.h"
#include "gfx/SystemIcons.h"
#include "skincontrols/SkinPopupMenu.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/Timer.h"
#include "wsys/NotificationArea.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr std::string_view kWindowClass = "TbsTrayIconWindow";
constexpr std::string_view kSelfProp = "TbsTrayIcon";
constexpr int kApplicationIconSize = 32;

TShiftState AsyncModifiers()
{
    TShiftState s = 0;
    if (GetAsyncKeyState(VK_SHIFT) < 0) s |= ssShift;
    if (GetAsyncKeyState(VK_MENU) < 0) s |= ssAlt;
    if (GetAsyncKeyState(VK_CONTROL) < 0) s |= ssCtrl;
    return s;
}

std::string FirstCharacters(const std::string& text, size_t count)
{
    size_t pos = 0;
    for (size_t n = 0; n < count && pos < text.size(); ++n) Utf8Next(text, pos);
    return text.substr(0, pos);
}

UINT TaskbarCreated() { return RegisterWindowMessage(kTaskbarCreatedMessage); }
UINT TaskbarGone() { return RegisterWindowMessage(kTaskbarGoneMessage); }

} // namespace

TbsTrayIcon::TbsTrayIcon(TComponent* owner) : TComponent(owner)
{
    if (WantsApplicationIcon()) icon_ = SystemIcon(TSystemIcon::Application, kApplicationIconSize);
    WNDCLASS wc;
    wc.lpszClassName = std::string(kWindowClass);
    wc.lpfnWndProc = &TbsTrayIcon::NotifyWindowProc;
    RegisterClass(wc); // already there for the program's second tray icon: fine
    notifyWindow_ = CreateWindowEx(WS_EX_TOOLWINDOW, kWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr);
    if (notifyWindow_) SetProp(notifyWindow_, kSelfProp, reinterpret_cast<intptr_t>(this));

    cycleTimer_ = new TTimer(this);
    cycleTimer_->SetEnabled(false);
    cycleTimer_->SetInterval(0);
    cycleTimer_->OnTimer = [this](TComponent*) { CycleTick(); };
    singleClickTimer_ = new TTimer(this);
    singleClickTimer_->SetEnabled(false);
    singleClickTimer_->SetInterval(GetDoubleClickTime());
    singleClickTimer_->OnTimer = [this](TComponent*) { ClickTimerTick(); };

    if (TApplication* app = Application())
        minimizeListener_ = app->AddMinimizeListener([this](TComponent*) { ApplicationMinimized(); });
    UpdateTrayIcon();
    SetIconVisible(iconVisible_);
}

TbsTrayIcon::~TbsTrayIcon()
{
    MarkDestroying();
    if (TApplication* app = Application()) app->RemoveMinimizeListener(minimizeListener_);
    SetIconVisible(false);
    if (notifyWindow_ && IsWindow(notifyWindow_)) {
        RemoveProp(notifyWindow_, kSelfProp);
        DestroyWindow(notifyWindow_);
    }
}

TForm* TbsTrayIcon::OwnerForm() const { return dynamic_cast<TForm*>(Owner()); }

void TbsTrayIcon::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == iconList_) iconList_ = nullptr;
    if (component == popupMenu_) popupMenu_ = nullptr;
}

NOTIFYICONDATA TbsTrayIcon::NotifyData() const
{
    NOTIFYICONDATA data;
    data.hWnd = notifyWindow_;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    if (showHint_) data.szTip = FirstCharacters(hint_, kMaxTip);
    return data;
}

void TbsTrayIcon::AddTrayIcon()
{
    iconVisible_ = true;
    NOTIFYICONDATA data = NotifyData();
    Shell_NotifyIcon(NIM_ADD, &data);
}

void TbsTrayIcon::RemoveTrayIcon()
{
    iconVisible_ = false;
    NOTIFYICONDATA data = NotifyData();
    Shell_NotifyIcon(NIM_DELETE, &data);
}

void TbsTrayIcon::UpdateTrayIcon()
{
    NOTIFYICONDATA data = NotifyData();
    Shell_NotifyIcon(NIM_MODIFY, &data);
}

void TbsTrayIcon::SetIconVisible(bool on)
{
    if (on) AddTrayIcon();
    else RemoveTrayIcon();
}

void TbsTrayIcon::SetCycleIcons(bool on)
{
    cycleIcons_ = on;
    if (on) SetIconIndex(0);
    cycleTimer_->SetEnabled(on);
}

void TbsTrayIcon::SetAnimateTimerInterval(unsigned ms)
{
    animateInterval_ = ms;
    cycleTimer_->SetInterval(ms);
}

void TbsTrayIcon::SetIconList(TImageList* list)
{
    if (iconList_) iconList_->RemoveFreeNotification(this);
    iconList_ = list;
    if (list) list->FreeNotification(this);
    SetIconIndex(0);
}

void TbsTrayIcon::SetPopupMenu(TbsSkinPopupMenu* menu)
{
    if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TbsTrayIcon::SetIconIndex(int index)
{
    if (iconList_ && iconList_->Count() > 0) {
        iconIndex_ = std::clamp(index, 0, iconList_->Count() - 1);
        icon_ = iconList_->GetBitmap(iconIndex_);
    } else {
        iconIndex_ = 0;
    }
    UpdateTrayIcon();
}

void TbsTrayIcon::SetHint(const std::string& hint)
{
    hint_ = hint;
    UpdateTrayIcon();
}

void TbsTrayIcon::SetShowHint(bool on)
{
    showHint_ = on;
    UpdateTrayIcon();
}

void TbsTrayIcon::SetIcon(const TBitmap& icon)
{
    icon_ = icon;
    UpdateTrayIcon();
}

void TbsTrayIcon::SetMinimizedOnStart(bool on)
{
    minimizedOnStart_ = on;
    TApplication* app = Application();
    if (!on || !OwnerForm() || !app) return;
    minimizeToTray_ = true;
    SetIconVisible(true);
    if (!NotificationAreaRunning()) return; // hidden there, the program would be out of reach
    app->SetShowMainForm(false);
    hiddenInTray_ = true;
}

void TbsTrayIcon::CycleTick()
{
    if (!iconList_ || iconList_->Count() == 0) return;
    icon_ = iconList_->GetBitmap(std::min(iconIndex_, iconList_->Count() - 1));
    const int next = iconIndex_ < iconList_->Count() - 1 ? iconIndex_ + 1 : 0;
    DoCycle(next);
    UpdateTrayIcon();
    SetIconIndex(next);
}

LRESULT TbsTrayIcon::NotifyWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    auto* self = reinterpret_cast<TbsTrayIcon*>(GetProp(hwnd, kSelfProp));
    if (!self) return DefWindowProc(hwnd, msg, wp, lp);
    try {
        return self->HandleNotifyMessage(msg, wp, lp);
    } catch (...) {
        HandleExceptionOrRethrow(self);
        return 0;
    }
}

LRESULT TbsTrayIcon::HandleNotifyMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == kCallbackMessage) {
        if (enabled_) IconMouse(UINT(lp));
        return 0;
    }
    if (msg == TaskbarCreated()) {
        if (iconVisible_) AddTrayIcon();
        return 0;
    }
    if (msg == TaskbarGone()) {
        NotificationAreaGone();
        return 0;
    }
    switch (msg) {
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUIT:
    case WM_NCDESTROY: return 1;
    default: return DefWindowProc(notifyWindow_, msg, wp, lp);
    }
}

void TbsTrayIcon::IconMouse(UINT mouseMessage)
{
    const TPoint p = GetCursorPos();
    const TShiftState shift = AsyncModifiers();
    auto guard = Guard();
    switch (mouseMessage) {
    case WM_MOUSEMOVE: DoMouseMove(shift, p.x, p.y); break;
    case WM_LBUTTONDOWN:
        singleClickTimer_->SetEnabled(false);
        singleClickTimer_->SetEnabled(true);
        DoMouseDown(TMouseButton::Left, shift | ssLeft, p.x, p.y);
        if (!guard) return;
        buttonWentDown_ = true;
        if (popupByLeftButton_) ShowTrayMenu();
        break;
    case WM_LBUTTONUP:
        if (buttonWentDown_) {
            clickWaiting_ = true;
            if (!singleClickTimer_->Enabled()) {
                buttonWentDown_ = clickWaiting_ = false;
                DoClick();
                if (!guard) return;
            }
        }
        buttonWentDown_ = false;
        DoMouseUp(TMouseButton::Left, shift | ssLeft, p.x, p.y);
        break;
    case WM_LBUTTONDBLCLK:
        clickWaiting_ = false;
        doubleClickSeen_ = true;
        DoDblClick();
        if (!guard) return;
        if (popupMenu_ && popupMenu_->AutoPopup() && !popupByLeftButton_) ClickDefaultItem();
        break;
    case WM_RBUTTONDOWN:
        DoMouseDown(TMouseButton::Right, shift | ssRight, p.x, p.y);
        if (guard) ShowTrayMenu();
        break;
    case WM_RBUTTONUP: DoMouseUp(TMouseButton::Right, shift | ssRight, p.x, p.y); break;
    case WM_MBUTTONDOWN: DoMouseDown(TMouseButton::Middle, shift | ssMiddle, p.x, p.y); break;
    case WM_MBUTTONUP: DoMouseUp(TMouseButton::Middle, shift | ssMiddle, p.x, p.y); break;
    default: break;
    }
}

void TbsTrayIcon::ClickDefaultItem()
{
    TMenuItem* items = popupMenu_->Items();
    for (int i = 0; i < items->Count(); ++i)
        if (TMenuItem* item = items->Items(i); item->Default()) {
            item->Click();
            return;
        }
}

void TbsTrayIcon::ClickTimerTick()
{
    singleClickTimer_->SetEnabled(false);
    if (!doubleClickSeen_ && clickWaiting_) {
        clickWaiting_ = false;
        DoClick();
    }
    doubleClickSeen_ = false;
}

void TbsTrayIcon::ShowTrayMenu()
{
    if (!popupMenu_ || !popupMenu_->AutoPopup()) return;
    TApplication* app = Application();
    if (app) app->ProcessMessages();
    if (!popupMenu_) return; // gone meanwhile
    SetForegroundWindow(notifyWindow_);
    TForm* form = OwnerForm();
    if (form && form->HandleAllocated() && form->Visible()) SetForegroundWindow(form->Handle());
    popupMenu_->SetPopupComponent(this);
    const TPoint p = GetCursorPos();
    popupMenu_->Popup(p.x, p.y);
    if (form && form->HandleAllocated()) PostMessage(form->Handle(), WM_NULL);
}

void TbsTrayIcon::ApplicationMinimized()
{
    if (minimizeToTray_) DoHideToTray();
}

// Where no notification area runs the program stays minimized, as the user can reach it
// there; hidden, it would be lost.
void TbsTrayIcon::DoHideToTray()
{
    if (!NotificationAreaRunning()) return;
    HideApplicationWindows();
    SetIconVisible(true);
}

void TbsTrayIcon::HideApplicationWindows()
{
    TApplication* app = Application();
    TForm* main = app ? app->MainForm() : nullptr;
    if (!OwnerForm() || !main) return;
    main->Hide();
    hiddenInTray_ = true;
}

void TbsTrayIcon::ShowApplicationWindows()
{
    TApplication* app = Application();
    TForm* main = app ? app->MainForm() : nullptr;
    if (!OwnerForm() || !main) return;
    hiddenInTray_ = false;
    app->Restore(); // the program's other windows come back with it
    main->Show();
    if (main->HandleAllocated() && IsIconic(main->Handle())) ShowWindow(main->Handle(), SW_RESTORE);
}

// The program hidden there would be out of reach: it comes back minimized.
void TbsTrayIcon::NotificationAreaGone()
{
    if (!hiddenInTray_) return;
    TApplication* app = Application();
    TForm* main = app ? app->MainForm() : nullptr;
    if (!main) return;
    hiddenInTray_ = false;
    main->Show();
}

void TbsTrayIcon::DoClick()
{
    if (OnClick) OnClick(this);
}

void TbsTrayIcon::DoDblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void TbsTrayIcon::DoCycle(int nextIndex)
{
    if (OnCycle) OnCycle(this, nextIndex);
}

void TbsTrayIcon::DoMouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TbsTrayIcon::DoMouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TbsTrayIcon::DoMouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

} // namespace tavrik
