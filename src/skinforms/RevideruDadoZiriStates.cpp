#include "shell/NotifyIcon.h"
#include "skin/SkinWindows.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/SkinButtonObject.h"
#include "skinforms/SkinHint.h"
#include "skinforms/TrayIcon.h"
#include "ui/Application.h"
#include "ui/PopupMenu.h"
#include "ui/Screen.h"
#include "ui/Timer.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <utility>

namespace tavrik {

namespace {

constexpr const char* kBuiltInItems[] = {"BSF_MINITEM", "BSF_MAXITEM", "BSF_CLOSE", "BSF_MINTOTRAY", "BSF_ROLLUP",
                                         "BSF_RESTORE"};

bool IsMainForm(const TForm* form) { return Application() && Application()->MainForm() == form; }

} // namespace

void TbsRevideruDadoZiri::SetFormWindowState(TWindowState state)
{
    if (state == windowState_) return;
    const TRect bounds = form_->BoundsRect();
    switch (state) {
    case TWindowState::wsNormal: {
        // A minimized form comes back as it was, rolled up or not; a maximized one at full size.
        if (windowState_ == TWindowState::wsMaximized) LeaveRollUpForFullBounds();
        windowState_ = state;
        rolledUpWhileMaximized_ = false;
        if (!restoreBounds_.IsEmpty()) form_->SetBoundsRect(restoreBounds_);
        hoverTimer_->SetEnabled(true);
        if (form_->Width() == bounds.Width() && form_->Height() == bounds.Height()) NudgeWidth();
        form_->Invalidate();
        restoreBounds_ = {};
        break;
    }
    case TWindowState::wsMinimized:
        // The main form stands for the program: the program goes to the task bar instead.
        if (IsMainForm(form_)) {
            Application()->Minimize();
            return;
        }
        windowState_ = state;
        if (restoreBounds_.IsEmpty()) restoreBounds_ = bounds;
        form_->SetBoundsRect(IconSlot({GetMinWidth(), GetMinHeight()}));
        break;
    case TWindowState::wsMaximized: {
        if (restoreBounds_.IsEmpty()) restoreBounds_ = bounds;
        windowState_ = state;
        LeaveRollUpForFullBounds();
        const TRect monitor = GetMonitorWorkArea(FormHandle(), false);
        TRect target = GetMonitorWorkArea(FormHandle(), true);
        if (maximizeOnFullScreen_) target = monitor;
        else if (target.Width() == monitor.Width() && target.Height() == monitor.Height())
            target = target.Inflate(-1, -1); // a hidden task bar can still be reached
        form_->SetBoundsRect(target);
        break;
    }
    }
    RepaintFrame();
}

// Maximized and normal forms fill their bounds: a roll-up ends with the change.
void TbsRevideruDadoZiri::LeaveRollUpForFullBounds()
{
    if (!rolledUp_) return;
    // Rolled up in the normal state, the form comes back at its full height.
    if (!rolledUpWhileMaximized_ && !restoreBounds_.IsEmpty())
        restoreBounds_.Bottom = restoreBounds_.Top + heightBeforeRollUp_;
    rolledUp_ = rolledUpWhileMaximized_ = false;
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

TRect TbsRevideruDadoZiri::IconSlot(TSize size) const
{
    const TRect area = GetMonitorWorkArea(FormHandle(), true);
    auto taken = [&](int x, int y) {
        for (TForm* other : Screen()->FormList()) {
            if (other == form_ || IsMainForm(other) || !other->Visible()) continue;
            auto* frame = dynamic_cast<TbsRevideruDadoZiri*>(other->FrameHook());
            if (frame && frame->FormWindowState() == TWindowState::wsMinimized && other->Left() == x && other->Top() == y)
                return true;
        }
        return false;
    };
    int x = area.Left;
    int y = area.Bottom - size.cy;
    while (taken(x, y) && size.cx > 0 && size.cy > 0) {
        x += size.cx;
        if (x + size.cx > area.Right) {
            x = area.Left;
            y -= size.cy;
        }
        if (y < area.Top) {
            // Every slot is taken: the bottom-left one is shared.
            x = area.Left;
            y = area.Bottom - size.cy;
            break;
        }
    }
    return Bounds(x, y, size.cx, size.cy);
}

void TbsRevideruDadoZiri::NudgeWidth()
{
    const int w = form_->Width();
    const int h = form_->Height();
    if (w - 1 < GetMinWidth()) {
        SetFormSize(w + 1, h);
        SetFormSize(w, h);
    } else {
        SetFormSize(w - 1, h);
        SetFormSize(w, h);
    }
}

void TbsRevideruDadoZiri::SetRollUp(bool on)
{
    if (!borderIcons_.Contains(TbsBorderIcon::biRollUp) || windowState_ == TWindowState::wsMinimized) return;
    const bool maximized = windowState_ == TWindowState::wsMaximized;
    if (rolledUp_ && maximized && !rolledUpWhileMaximized_) return;
    // Rolling up twice would take the rolled-up height for the full one.
    if (on == rolledUp_) return;
    if (maximized) rolledUpWhileMaximized_ = on;
    rolledUp_ = on;
    if (on) {
        heightBeforeRollUp_ = form_->Height();
        SetFormSize(form_->Width(), GetMinHeight());
    } else {
        SetFormSize(form_->Width(), heightBeforeRollUp_);
    }
    RepaintFrame();
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

void TbsRevideruDadoZiri::CaptionDblClick()
{
    const bool sizeable = Sizeable();
    if (sizeable && windowState_ == TWindowState::wsMinimized) SetFormWindowState(TWindowState::wsNormal);
    else if (sizeable && windowState_ == TWindowState::wsNormal && !rolledUp_ && borderIcons_.Contains(TbsBorderIcon::biMaximize))
        SetFormWindowState(TWindowState::wsMaximized);
    else if (sizeable && windowState_ == TWindowState::wsMaximized && !rolledUpWhileMaximized_)
        SetFormWindowState(TWindowState::wsNormal);
    else SetRollUp(!rolledUp_);
}

void TbsRevideruDadoZiri::RestoreCommand()
{
    if (rolledUpWhileMaximized_ || (rolledUp_ && windowState_ == TWindowState::wsNormal)) SetRollUp(false);
    else SetFormWindowState(TWindowState::wsNormal);
}

void TbsRevideruDadoZiri::ExecuteCommand(SkinCommand command)
{
    const TWindowState state = windowState_;
    switch (command) {
    case SkinCommand::cmClose: CloseForm(); break;
    case SkinCommand::cmMaximize:
        SetFormWindowState(state == TWindowState::wsMaximized ? TWindowState::wsNormal : TWindowState::wsMaximized);
        break;
    case SkinCommand::cmMinimize:
        // Without a tray icon the minimize command still minimizes.
        if (alwaysMinimizeToTray_ && trayIcon_) SendToTray();
        else SetFormWindowState(state == TWindowState::wsMinimized ? TWindowState::wsNormal : TWindowState::wsMinimized);
        break;
    case SkinCommand::cmRollUp: SetRollUp(!rolledUp_); break;
    case SkinCommand::cmMinimizeToTray: SendToTray(); break;
    case SkinCommand::cmSysMenu:
    case SkinCommand::cmDefault: break;
    }
}

void TbsRevideruDadoZiri::SetTrayIcon(TbsTrayIcon* icon)
{
    if (icon == trayIcon_) return;
    ReleaseTrayIcon();
    trayIcon_ = icon;
    if (!icon) return;
    icon->FreeNotification(this);
    if (!alwaysShowInTray_) icon->SetIconVisible(false);
    icon->SetMinimizeToTray(false);
    if (icon->PopupMenu()) return;
    icon->SetPopupMenu(trayMenu_);
    TComponentRef<TbsRevideruDadoZiri> self(this);
    icon->OnDblClick = [self](TComponent*) {
        if (TbsRevideruDadoZiri* frame = self.Get()) frame->RestoreFromTray();
    };
    trayIconTakesOurMenu_ = true;
}

// The icon stays another component's: it keeps nothing of this frame once they part.
void TbsRevideruDadoZiri::ReleaseTrayIcon()
{
    TbsTrayIcon* icon = std::exchange(trayIcon_, nullptr);
    const bool ours = std::exchange(trayIconTakesOurMenu_, false);
    inTray_ = false;
    if (!icon) return;
    icon->RemoveFreeNotification(this);
    if (!ours) return;
    if (icon->PopupMenu() == trayMenu_) icon->SetPopupMenu(nullptr);
    icon->OnDblClick = nullptr;
}

void TbsRevideruDadoZiri::SetAlwaysShowInTray(bool on)
{
    alwaysShowInTray_ = on;
    if (trayIcon_ && !inTray_) trayIcon_->SetIconVisible(on);
}

void TbsRevideruDadoZiri::SendToTray()
{
    if (!trayIcon_) return;
    // Hidden with no notification area to come back from, the program would be lost.
    if (!NotificationAreaRunning()) {
        SetFormWindowState(TWindowState::wsMinimized);
        return;
    }
    trayIcon_->SetMinimizeToTray(true);
    inTray_ = true;
    auto alive = Guard();
    Application()->Minimize(); // the tray icon hides the program and shows itself
    if (alive && OnMinimizeToTray) OnMinimizeToTray(this);
}

void TbsRevideruDadoZiri::RestoreFromTray()
{
    if (!trayIcon_) return;
    inTray_ = false;
    trayIcon_->SetMinimizeToTray(false);
    trayIcon_->ShowApplicationWindows();
    Application()->Restore();
    if (!alwaysShowInTray_) trayIcon_->SetIconVisible(false);
    if (OnRestoreFromTray) OnRestoreFromTray(this);
}

// The tray icon brings the program back by itself (on the task bar, minimized); the frame
// only forgets that it sent it there.
void TbsRevideruDadoZiri::NotificationAreaGone()
{
    if (!trayIcon_ || !inTray_) return;
    inTray_ = false;
    trayIcon_->SetMinimizeToTray(false);
    if (!alwaysShowInTray_) trayIcon_->SetIconVisible(false);
    if (OnRestoreFromTray) OnRestoreFromTray(this);
}

void TbsRevideruDadoZiri::RemoveBuiltInItems(TMenuItem* items)
{
    for (int i = items->Count() - 1; i >= 0; --i) {
        const std::string& name = items->Items(i)->Name();
        if (std::find(std::begin(kBuiltInItems), std::end(kBuiltInItems), name) != std::end(kBuiltInItems)) items->Delete(i);
    }
}

// The built-in items present in the current state. Into a menu of the application's own they
// go on top (its items keep their place between them and Close); otherwise a separator stands
// before Close.
void TbsRevideruDadoZiri::BuildSysMenuItems(TMenuItem* target, bool atTop)
{
    const TWindowState state = windowState_;
    const bool minimized = state == TWindowState::wsMinimized;
    const bool maximized = state == TWindowState::wsMaximized;
    struct TBuiltIn {
        const char* name;
        const char* caption;
        bool present;
        std::function<void()> action;
    };
    const TBuiltIn minimize{"BSF_MINITEM", "Mi&nimize", !minimized && borderIcons_.Contains(TbsBorderIcon::biMinimize),
                            [this] { ExecuteCommand(SkinCommand::cmMinimize); }};
    const TBuiltIn maximize{"BSF_MAXITEM", "Ma&ximize", !maximized && borderIcons_.Contains(TbsBorderIcon::biMaximize),
                            [this] { SetFormWindowState(TWindowState::wsMaximized); }};
    const TBuiltIn restore{"BSF_RESTORE", "&Restore", minimized || maximized || rolledUp_, [this] { RestoreCommand(); }};
    const TBuiltIn rollUp{"BSF_ROLLUP", "Ro&llUp", borderIcons_.Contains(TbsBorderIcon::biRollUp) && !rolledUp_ && !minimized,
                          [this] { SetRollUp(true); }};
    const TBuiltIn toTray{"BSF_MINTOTRAY", "Minimize to &Tray", borderIcons_.Contains(TbsBorderIcon::biMinimizeToTray),
                          [this] { SendToTray(); }};
    // Above the application's items Restore comes second; in the frame's own menu third.
    const TBuiltIn* order[] = {&minimize, &maximize, &restore, &rollUp, &toTray};
    if (atTop) std::swap(order[1], order[2]);
    auto make = [&](const char* name, const char* caption, std::function<void()> action) {
        auto* item = new TMenuItem(this);
        item->SetName(name);
        item->SetCaption(caption);
        item->OnClick = [action = std::move(action)](TComponent*) { action(); };
        return item;
    };
    int added = 0;
    int position = 0;
    for (const TBuiltIn* b : order) {
        if (!b->present) continue;
        target->Insert(atTop ? position++ : target->Count(), make(b->name, b->caption, b->action));
        ++added;
    }
    if (!atTop && added > 0) {
        auto* line = new TMenuItem(this);
        line->SetCaption("-");
        target->Add(line);
    }
    TMenuItem* close = make("BSF_CLOSE", "&Close", [this] { CloseForm(); });
    close->SetShortCut(ShortCut(VK_F4, ssAlt));
    target->Add(close);
}

TMenuItem* TbsRevideruDadoZiri::GetSystemMenu()
{
    TMenuItem* items = systemMenu_ ? systemMenu_->Items() : sysMenu_->Items();
    if (!systemMenu_) {
        items->Clear();
        BuildSysMenuItems(items, false);
    } else if (useDefaultSysMenu_) {
        RemoveBuiltInItems(items);
        BuildSysMenuItems(items, true);
    }
    return items;
}

void TbsRevideruDadoZiri::ShowSystemMenu(int x, int y)
{
    TMenuItem* items = GetSystemMenu();
    if (systemMenu_) {
        PopupMenu(items, {x, y, x, y}, systemMenu_->Images());
        return;
    }
    sysMenu_->SetSkinData(MenusSkin());
    sysMenu_->Popup(x, y);
    EndMenuIfNoneOpened();
}

// Placement 1 opens beside the object, at its right edge; otherwise below it.
void TbsRevideruDadoZiri::ShowObjectPopup(TbsActiveSkinObject& object, TMenuItem* item, int placement)
{
    if (!item || item->Count() == 0) return;
    const TRect window = FormHandle() ? GetWindowRect(FormHandle()) : form_->BoundsRect();
    const TRect r = object.ObjectRect.Offset(window.Left, window.Top);
    popupButton_ = dynamic_cast<TbsSkinButtonObject*>(&object);
    PopupMenu(item, placement == 1 ? TRect{r.Right, r.Top, r.Right, r.Top} : r, nullptr);
}

void TbsRevideruDadoZiri::PopupMenu(TMenuItem* items, const TRect& anchor, TImageList* images)
{
    MarkMenuOpen();
    SkinMenu()->MenuPopup(nullptr, MenusSkin(), 0, anchor, items, false, images);
    EndMenuIfNoneOpened();
}

// A popup without visible items opens nothing: the menu is over at once.
void TbsRevideruDadoZiri::EndMenuIfNoneOpened()
{
    if (!menuEngine_->MenuOpen() && skinMenuOpen_) MenusClosed();
}

void TbsRevideruDadoZiri::MarkMenuOpen()
{
    if (!menuKeys_ && Application())
        menuKeys_ = Application()->AddMessageListener([this](MSG& msg, bool& handled) { ApplicationMessage(msg, handled); });
    if (skinMenuOpen_) return;
    skinMenuOpen_ = true;
    if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TbsRevideruDadoZiri::MenusClosed()
{
    skinMenuOpen_ = false;
    if (TbsSkinButtonObject* button = popupButton_) {
        popupButton_ = nullptr;
        if (button->Down) button->SetDown(false);
    }
    if (menuKeys_) {
        if (Application()) Application()->RemoveMessageListener(menuKeys_);
        menuKeys_ = 0;
    }
    if (OnSkinMenuClose) OnSkinMenuClose(this);
}

// While a menu of the form is open, keys go to its innermost level and the wheel to nobody.
void TbsRevideruDadoZiri::ApplicationMessage(MSG& msg, bool& handled)
{
    if (msg.message == WM_KEYDOWN) {
        menuEngine_->KeyDown(uint16_t(msg.wParam));
        // Esc on the first level ends the menu without a word to the form.
        if (!menuEngine_->MenuOpen() && skinMenuOpen_) MenusClosed();
        handled = true;
    } else if (msg.message == WM_MOUSEWHEEL) {
        handled = true;
    }
}

// Messages that mean the user turned elsewhere close the frame's menus before they are handled.
void TbsRevideruDadoZiri::CloseMenusBefore(UINT msg)
{
    switch (msg) {
    case WM_MOVE: case WM_SIZE: case WM_ACTIVATE: case WM_KILLFOCUS: case WM_CANCELMODE: case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: case WM_PARENTNOTIFY: break;
    default: return;
    }
    if (showObjectHint_ && skinHint_) skinHint_->HideObjectHint();
    if (menuEngine_->MenuOpen()) menuEngine_->CloseAll();
    else if (skinMenuOpen_) MenusClosed();
}

} // namespace tavrik
