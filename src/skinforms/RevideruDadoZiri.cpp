#include "skinforms/RevideruDadoZiri.h"

#include "gfx/Region.h"
#include "gfx/SystemColors.h"
#include "skin/SkinData.h"
#include "skin/SkinMessages.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skinforms/ActiveSkinObject.h"
#include "skinforms/SkinAnimateObject.h"
#include "skinforms/SkinCaptionObject.h"
#include "skinforms/SkinHint.h"
#include "skinforms/TrayIcon.h"
#include "ui/Application.h"
#include "ui/PopupMenu.h"
#include "ui/Timer.h"
#include "wsys/NotificationArea.h"
#include "wsys/WinApi.h"

#include <utility>

namespace tavrik {

namespace {

TTimer* NewTimer(TComponent* owner, unsigned interval, std::function<void()> tick)
{
    auto* timer = new TTimer(owner);
    timer->SetEnabled(false);
    timer->SetInterval(interval);
    timer->OnTimer = [tick = std::move(tick)](TComponent*) { tick(); };
    return timer;
}

void SetCaptionFont(TFont& font, TColor color)
{
    font.SetName("Arial");
    font.SetHeight(14);
    font.SetStyle(fsBold);
    font.SetColor(color);
}

TMenuItem* NewItem(TComponent* owner, const std::string& name, const std::string& caption,
                   std::function<void()> action)
{
    auto* item = new TMenuItem(owner);
    item->SetName(name);
    item->SetCaption(caption);
    if (action) item->OnClick = [action = std::move(action)](TComponent*) { action(); };
    return item;
}

} // namespace

TbsRevideruDadoZiri::TbsRevideruDadoZiri(TForm* owner) : TComponent(owner), form_(owner)
{
    SetCaptionFont(defCaptionFont_, clBtnText);
    SetCaptionFont(defInActiveCaptionFont_, clBtnShadow);
    defMenuItemFont_.SetName("Arial");
    defMenuItemFont_.SetHeight(14);
    hoverTimer_ = NewTimer(this, 50, [this] { HoverTimerTick(); });
    morphTimer_ = NewTimer(this, 20, [this] { MorphTimerTick(); });
    animateTimer_ = NewTimer(this, kAnimationTick, [this] { AnimateTimerTick(); });
    menuEngine_ = new TbsSkinMenu(this);
    sysMenu_ = new TbsSkinPopupMenu(this);
    sysMenu_->SetPopupForm(owner);
    trayMenu_ = new TbsSkinPopupMenu(this);
    trayMenu_->SetPopupForm(owner);
    trayMenu_->Items()->Add(NewItem(this, "TRAY_BSF_RESTORE", "&Restore", [this] { RestoreFromTray(); }));
    trayMenu_->Items()->Add(NewItem(this, "", "-", {}));
    TMenuItem* close = NewItem(this, "TRAY_BSF_CLOSE", "&Close", [this] { CloseForm(); });
    close->SetShortCut(ShortCut(VK_F4, ssAlt));
    trayMenu_->Items()->Add(close);

    // The frame's buttons replace the form's; the form's own caption and state code step back.
    form_->SetBorderIcons(0);
    form_->SetAutoSize(false);
    formHook_ = TWindowHook(form_, [this](TMessage& m, const TWndNext& next) { FormWndProc(m, next); });
    form_->SetFrameHook(this);
    CreateDefaultButtons();
}

TbsRevideruDadoZiri::~TbsRevideruDadoZiri()
{
    MarkDestroying();
    // The timers and menus are components of this one and have gone already.
    if (menuKeys_ && Application()) Application()->RemoveMessageListener(menuKeys_);
    ReleaseTrayIcon();
    formHook_.Remove();
    // A form that is going takes its window with it; only a form that stays needs its own frame back.
    if (!form_->Destroying()) {
        form_->SetFrameHook(nullptr);
        if (form_->HandleAllocated()) SetWindowRgn(form_->Handle(), std::nullopt, true);
    }
    objects_.clear();
}

HWND TbsRevideruDadoZiri::FormHandle() const { return form_->HandleAllocated() ? form_->Handle() : nullptr; }

void TbsRevideruDadoZiri::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == systemMenu_) systemMenu_ = nullptr;
    if (component == skinHint_) skinHint_ = nullptr;
    if (component == trayIcon_) {
        trayIcon_ = nullptr;
        trayIconTakesOurMenu_ = inTray_ = false;
    }
}

void TbsRevideruDadoZiri::SetSkinHint(TbsSkinHint* hint)
{
    if (hint == skinHint_) return;
    if (skinHint_) skinHint_->RemoveFreeNotification(this);
    skinHint_ = hint;
    if (hint) hint->FreeNotification(this);
}

void TbsRevideruDadoZiri::SetSystemMenu(TPopupMenu* menu)
{
    if (menu == systemMenu_) return;
    if (systemMenu_) RemoveFreeNotification(systemMenu_);
    systemMenu_ = menu;
    if (menu) FreeNotification(menu);
}

void TbsRevideruDadoZiri::SetSkinData(TbsSkinData* skinData)
{
    skinData_ = skinData;
    trayMenu_->SetSkinData(skinData);
    ChangeSkinData();
}

void TbsRevideruDadoZiri::SetBorderIcons(TbsBorderIcons icons)
{
    borderIcons_ = icons;
    CreateDefaultButtons();
    if (skinInUse_) GeometryUpdate();
    else RepaintFrame();
}

void TbsRevideruDadoZiri::SetDefMenuItemHeight(int height)
{
    if (height > 0) defMenuItemHeight_ = height;
}

TbsSkinMenu* TbsRevideruDadoZiri::SkinMenu()
{
    menuEngine_->SetUseSkinFont(useSkinFontInMenu_);
    menuEngine_->SetDefItemHeight(defMenuItemHeight_);
    menuEngine_->DefItemFont() = defMenuItemFont_;
    menuEngine_->SetAlphaBlend(menusAlphaBlend_);
    menuEngine_->SetAlphaBlendValue(menusAlphaBlendValue_);
    menuEngine_->SetAlphaBlendAnimation(menusAlphaBlendAnimation_);
    return menuEngine_;
}

bool TbsRevideruDadoZiri::IsFormActive() const { return form_->Active(); }

std::string TbsRevideruDadoZiri::FormCaption() const { return form_->Caption(); }

TPoint TbsRevideruDadoZiri::FrameLeftTop() const { return skinData_ ? skinData_->lefttoppoint : TPoint{}; }

TPoint TbsRevideruDadoZiri::FrameRightTop() const { return skinData_ ? skinData_->righttoppoint : TPoint{}; }

bool TbsRevideruDadoZiri::RendersInactiveLook() const { return skinInUse_ && skinData_->autorenderinginactiveimage; }

int TbsRevideruDadoZiri::InactiveEffect() const { return skinData_ ? int(skinData_->inactiveeffect) : 0; }

bool TbsRevideruDadoZiri::FrameOff() const { return form_->BorderStyle() == TFormBorderStyle::bsNone; }

void TbsRevideruDadoZiri::CloseForm() { form_->Close(); }

void TbsRevideruDadoZiri::CallPrevious(TMessage& m)
{
    if (next_) (*next_)(m);
}

void TbsRevideruDadoZiri::ChangeSkinData()
{
    hoverIndex_ = prevHoverIndex_ = captureIndex_ = -1;
    skinInUse_ = skinData_ && !skinData_->NoSkinLoaded();
    if (skinInUse_) {
        BuildObjects();
    } else {
        FreeObjects();
        RemoveRegion();
        CreateDefaultButtons();
    }
    // The form is at least as large as the frame needs.
    const int minWidth = GetMinWidth();
    const int minHeight = GetMinHeight();
    const bool narrow = form_->Width() < minWidth;
    const bool low = form_->Height() < minHeight;
    if (narrow || low) SetFormSize(narrow ? minWidth : form_->Width(), low ? minHeight : form_->Height());
    else NudgeWidth();
    if ((rolledUp_ || windowState_ == TWindowState::wsMinimized) && form_->Height() != GetMinHeight())
        SetFormSize(form_->Width(), GetMinHeight());
    if (windowState_ == TWindowState::wsMinimized && form_->Width() != GetMinWidth())
        SetFormSize(GetMinWidth(), form_->Height());
    TakeFrameSize();
    if (skinInUse_) GeometryUpdate();
    form_->Invalidate();
    auto alive = Guard();
    UpdateCaptionState(true);
    if (!alive) return;
    hoverTimer_->SetEnabled(true);
    if (OnChangeSkinData) OnChangeSkinData(this);
    if (!alive) return;
    if (clientWidth_ > 0) form_->SetClientWidth(clientWidth_);
    if (clientHeight_ > 0) form_->SetClientHeight(clientHeight_);
}

void TbsRevideruDadoZiri::UpdateCaptionState(bool repaint)
{
    const bool active = IsFormActive();
    for (auto& object : objects_) {
        auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get());
        if (!caption) continue;
        if (caption->Active != active) {
            caption->Active = active;
            if (repaint) {
                RepaintFrame();
                if (caption->morphing) StartMorphTimer();
            } else if (caption->morphing) {
                caption->MorphFactor = active ? 1 : 0;
            }
        }
        break;
    }
    lastActive_ = active;
    if (active && OnActivate) OnActivate(this);
    else if (!active && OnDeActivate) OnDeActivate(this);
}

void TbsRevideruDadoZiri::FormWndProc(TMessage& m, const TWndNext& next)
{
    // Messages nest (a handler sends others): each one hands on to its own next link.
    struct TNextScope {
        const TWndNext*& current;
        const TWndNext* outer;
        TComponentGuard alive;
        ~TNextScope()
        {
            if (alive) current = outer;
        }
    } scope{next_, std::exchange(next_, &next), Guard()};
    HandleMessage(m);
}

void TbsRevideruDadoZiri::HandleMessage(TMessage& m)
{
    CloseMenusBefore(m.Msg);
    if (NcMouse(m)) return;
    switch (m.Msg) {
    case WM_DESTROY:
        StopTimers();
        CallPrevious(m);
        return;
    case WM_SIZE: WMSize(m); return;
    case WM_ACTIVATE: WMActivate(m); return;
    case WM_CAPTURECHANGED:
        // A menu or another window took the mouse: the press on a frame object is over (the
        // release will not come here).
        if (m.LParam && HWND(m.LParam) != FormHandle() && captureIndex_ != -1 && !IsCaptionObject(captureIndex_))
            captureIndex_ = -1;
        CallPrevious(m);
        return;
    case WM_SETTEXT:
        CallPrevious(m);
        if (!FrameOff()) RepaintFrame();
        return;
    case WM_ERASEBKGND:
        if (auto* canvas = reinterpret_cast<TCanvas*>(uintptr_t(m.WParam))) PaintClientBackground(*canvas);
        m.Result = 1;
        return;
    case WM_SHOWWINDOW: WMShowWindow(m); return;
    case WM_GETMINMAXINFO: WMGetMinMaxInfo(m); return;
    case WM_NCCALCSIZE: WMNcCalcSize(m); return;
    case WM_NCHITTEST: m.Result = HitTest(FormPoint(LParamToPoint(m.LParam))); return;
    case WM_NCPAINT:
        if (!FrameOff()) PaintFrame();
        m.Result = 0;
        return;
    case WM_NCACTIVATE: WMNcActivate(m); return;
    case WM_SYNCPAINT:
        if (rolledUp_) {
            RepaintFrame();
            m.Result = 0;
            return;
        }
        CallPrevious(m);
        return;
    case WM_SYSCOMMAND: WMSysCommand(m); return;
    case WM_TIMER:
        if (m.WParam == kFadeInTimer) FadeIn();
        CallPrevious(m);
        return;
    case WM_SIZING: WMSizing(m); return;
    case WM_MOVING: WMMoving(m); return;
    case WM_ENTERSIZEMOVE: WMEnterSizeMove(m); return;
    case WM_EXITSIZEMOVE: WMExitSizeMove(m); return;
    case SKM_BEFORECHANGE:
    case SKM_CHANGE:
    case SKM_AFTERCHANGE: SkinMessage(m); return;
    case SKM_MENUCLOSED:
        MenusClosed();
        CallPrevious(m);
        return;
    default:
        if (m.Msg == RegisterWindowMessage(kTaskbarGoneMessage)) NotificationAreaGone();
        CallPrevious(m);
        return;
    }
}

void TbsRevideruDadoZiri::WMActivate(TMessage& m)
{
    auto alive = Guard();
    CallPrevious(m);
    if (!alive) return;
    // The objects lose their hover before the frame is painted, so that a form left for
    // another one keeps no lit button. A button held down keeps its state: on X11 the focus
    // (and so the activation) arrives after the press that asked for it.
    if (captureIndex_ == -1) {
        ResetObjects();
        hoverIndex_ = prevHoverIndex_ = -1;
    }
    RepaintFrame();
    UpdateCaptionState(true);
}

void TbsRevideruDadoZiri::WMNcActivate(TMessage& m)
{
    // The window system draws no frame of its own.
    m.Result = 1;
    if (FrameOff()) {
        UpdateCaptionState(false);
        return;
    }
    RepaintFrame();
    UpdateCaptionState(true);
}

void TbsRevideruDadoZiri::WMShowWindow(TMessage& m)
{
    if (m.WParam) {
        if ((alphaBlend_ || alphaBlendAnimation_) && AlphaSupported()) StartFadeIn();
        NudgeWidth();
    } else if (alphaBlend_ && AlphaSupported()) {
        SetLayered(false);
    }
    CallPrevious(m);
}

void TbsRevideruDadoZiri::WMSysCommand(TMessage& m)
{
    if ((m.WParam & 0xFFF0) != SC_KEYMENU) {
        CallPrevious(m);
        return;
    }
    if (menuEngine_->MenuOpen()) {
        menuEngine_->CloseAll();
        return;
    }
    // Alt+Space opens the system menu below the frame's top-left corner, as on any desktop.
    if (m.LParam == ' ' && !FrameOff()) {
        TRect window = GetWindowRect(FormHandle());
        TPoint at = form_->ClientToScreen({0, 0});
        ShowSystemMenu(window.Left, at.y);
    }
}

void TbsRevideruDadoZiri::SkinMessage(TMessage& m)
{
    TbsSkinData* sender = TbsSkinData::FromMessageParam(uintptr_t(m.WParam));
    const bool ours = sender && sender == skinData_;
    if (m.Msg == SKM_BEFORECHANGE && ours) {
        skinInUse_ = false;
        StopTimers();
        FreeObjects();
        RelayToControls(m);
    } else if (m.Msg == SKM_CHANGE) {
        auto alive = Guard();
        if (ours) ChangeSkinData();
        if (!alive) return;
        RelayToControls(m);
    }
    CallPrevious(m);
}

void TbsRevideruDadoZiri::RelayToControls(TMessage& m)
{
    // Containers first, then what they hold, so that a skinned panel has its new skin before
    // the controls on it are fitted.
    TMessage relayed{m.Msg, m.WParam, m.LParam, 0};
    form_->RelayToControls(relayed);
}

// Mouse messages on the frame go to its objects after the form had them. Answers whether the
// message was one of them.
bool TbsRevideruDadoZiri::NcMouse(TMessage& m)
{
    const bool captionHit = m.WParam == WPARAM(HTCAPTION);
    auto alive = Guard();
    switch (m.Msg) {
    case WM_NCMOUSEMOVE:
        CallPrevious(m);
        if (alive) ObjectMouseMove(FormPoint(LParamToPoint(m.LParam)));
        return true;
    case WM_NCLBUTTONDOWN:
        CallPrevious(m);
        if (!alive) return true;
        // A move or size loop ran inside the form's handling of the press: the press is over.
        if (inSizeMove_) {
            inSizeMove_ = false;
            return true;
        }
        UpdateHover(FormPoint(LParamToPoint(m.LParam)), true);
        ObjectMouseDown(TMouseButton::Left, FormPoint(LParamToPoint(m.LParam)));
        if (captionHit) captureIndex_ = -1;
        return true;
    case WM_NCLBUTTONUP:
        CallPrevious(m);
        if (alive) ObjectMouseUp(TMouseButton::Left, FormPoint(LParamToPoint(m.LParam)));
        return true;
    case WM_NCLBUTTONDBLCLK:
        CallPrevious(m);
        if (!alive) return true;
        UpdateHover(FormPoint(LParamToPoint(m.LParam)), true);
        ObjectMouseDown(TMouseButton::Left, FormPoint(LParamToPoint(m.LParam)));
        if (alive) ObjectDblClick();
        if (alive && captionHit) {
            CaptionDblClick();
            captureIndex_ = -1;
        }
        return true;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK: {
        CallPrevious(m);
        if (!alive) return true;
        TPoint screen = LParamToPoint(m.LParam);
        UpdateHover(FormPoint(screen), true);
        ObjectMouseDown(TMouseButton::Right, FormPoint(screen));
        if (alive && captionHit) {
            captureIndex_ = -1;
            if (m.Msg == WM_NCRBUTTONDOWN) ShowSystemMenu(screen.x, screen.y);
        }
        return true;
    }
    case WM_NCRBUTTONUP:
        CallPrevious(m);
        if (alive) ObjectMouseUp(TMouseButton::Right, FormPoint(LParamToPoint(m.LParam)));
        return true;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        CallPrevious(m);
        if (alive) ObjectMouseUp(m.Msg == WM_LBUTTONUP ? TMouseButton::Left : TMouseButton::Right, {-1, -1});
        return true;
    default: return false;
    }
}

} // namespace tavrik
