#pragma once

#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinValues.h"
#include "skincontrols/SkinMenuHost.h"
#include "skinforms/BorderIcons.h"
#include "skinforms/FrameEvents.h"
#include "skinforms/FrameGeometry.h"
#include "ui/Application.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"
#include "ui/WndHookChain.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrik {

class TbsActiveSkinObject;
class TbsSkinButtonObject;
class TbsSkinData;
class TbsSkinHint;
class TbsSkinPopupMenu;
class TbsTrayIcon;
class TCanvas;
class TImageList;
class TPopupMenu;
class TTimer;

// Takes over the whole frame of the form that owns it: the window keeps no caption or border of
// the window system; this component draws a frame cut from the skin's frame picture (or, with no
// skin loaded, a plain built-in one that behaves the same), shapes the window by the skin's
// mask, answers hit tests so that the window system moves and sizes the window by the drawn
// frame, and keeps the window states itself: normal, minimized, maximized and rolled up (only
// the caption strip shows). The caption text and buttons are live objects on the frame (see
// ActiveSkinObject.h). It owns the form's skinned menu engine and hosts every skinned menu
// shown on the form (TbsSkinMenuHost): the system menu, its objects' popups and the form's
// TbsSkinPopupMenus; while one is open the program's keys go to the engine.
//
// It also relays the skin's change messages to every control of the form, nested ones
// included, so that skinned controls let go of the old skin and take the new one.
//
// Timers: hover poll 50 ms (from the first hit test on a frame object until a move or size
// starts), morph 20 ms and animation 25 ms (while an object morphs or plays).
class TbsRevideruDadoZiri : public TComponent, public TFormFrameHook, public TbsSkinMenuHost {
public:
    explicit TbsRevideruDadoZiri(TForm* owner);
    ~TbsRevideruDadoZiri() override;
    const char* ClassName() const override { return "TbsRevideruDadoZiri"; }

    TForm* Form() const { return form_; }

    // --- Skin -----------------------------------------------------------------------------
    TbsSkinData* SkinData() const override { return skinData_; }
    // Applies the skin at once.
    void SetSkinData(TbsSkinData* skinData);
    // The skin of the system menu and of object popups; SkinData when not set.
    TbsSkinData* MenusSkinData() const override { return menusSkinData_; }
    void SetMenusSkinData(TbsSkinData* skinData) { menusSkinData_ = skinData; }
    // A skin is assigned and loaded: the skinned frame is drawn, else the plain one.
    bool SkinInUse() const { return skinInUse_; }
    // Re-reads everything from SkinData: objects, size limits, region; repaints.
    void ChangeSkinData();

    // --- Frame ----------------------------------------------------------------------------
    TbsBorderIcons BorderIcons() const { return borderIcons_; }
    // Replaces the frame's objects by the six built-in buttons (a later skin change brings the
    // skin's own back).
    void SetBorderIcons(TbsBorderIcons icons);
    // The caption buttons are shown inert (those drawn as part of the frame picture) or not at all.
    bool HideCaptionButtons() const { return hideCaptionButtons_; }
    void SetHideCaptionButtons(bool on) { hideCaptionButtons_ = on; }
    int MinWidth() const { return minWidth_; }
    void SetMinWidth(int width) { minWidth_ = width; }
    int MinHeight() const { return minHeight_; }
    void SetMinHeight(int height) { minHeight_ = height; }
    // When above 0, the form's client size after every skin change.
    int ClientWidth() const { return clientWidth_; }
    void SetClientWidth(int width) { clientWidth_ = width; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientHeight(int height) { clientHeight_ = height; }
    // While moved, the form snaps to the work area's edges within MagneticSize pixels.
    bool Magnetic() const { return magnetic_; }
    void SetMagnetic(bool on) { magnetic_ = on; }
    uint8_t MagneticSize() const { return magneticSize_; }
    void SetMagneticSize(uint8_t size) { magneticSize_ = size; }
    bool MaximizeOnFullScreen() const { return maximizeOnFullScreen_; }
    void SetMaximizeOnFullScreen(bool on) { maximizeOnFullScreen_ = on; }
    // The caption fonts of the plain frame.
    TFont& DefCaptionFont() { return defCaptionFont_; }
    TFont& DefInActiveCaptionFont() { return defInActiveCaptionFont_; }
    // The system-menu button shows the program's small icon.
    bool ShowIcon() const { return showIcon_; }
    void SetShowIcon(bool on) { showIcon_ = on; }
    // Centred in the client area whenever its background is painted.
    TBitmap& LogoBitMap() { return logo_; }
    bool LogoBitMapTransparent() const { return logoTransparent_; }
    void SetLogoBitMapTransparent(bool on) { logoTransparent_ = on; }

    // --- Translucency (where the display shows it) ----------------------------------------
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on);
    // Fades in when shown (to AlphaBlendValue, or to opaque without AlphaBlend).
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value);

    // --- Menus ----------------------------------------------------------------------------
    // The application's own items, shown in the system menu (with the built-in ones around
    // them when UseDefaultSysMenu).
    TPopupMenu* SystemMenu() const { return systemMenu_; }
    void SetSystemMenu(TPopupMenu* menu);
    bool UseDefaultSysMenu() const { return useDefaultSysMenu_; }
    void SetUseDefaultSysMenu(bool on) { useDefaultSysMenu_ = on; }
    // Passed on to the menu engine.
    bool MenusAlphaBlend() const { return menusAlphaBlend_; }
    void SetMenusAlphaBlend(bool on) { menusAlphaBlend_ = on; }
    bool MenusAlphaBlendAnimation() const { return menusAlphaBlendAnimation_; }
    void SetMenusAlphaBlendAnimation(bool on) { menusAlphaBlendAnimation_ = on; }
    uint8_t MenusAlphaBlendValue() const { return menusAlphaBlendValue_; }
    void SetMenusAlphaBlendValue(uint8_t value) { menusAlphaBlendValue_ = value; }
    int DefMenuItemHeight() const { return defMenuItemHeight_; }
    // A height of 0 or less is ignored.
    void SetDefMenuItemHeight(int height);
    TFont& DefMenuItemFont() { return defMenuItemFont_; }
    bool UseSkinFontInMenu() const { return useSkinFontInMenu_; }
    void SetUseSkinFontInMenu(bool on) { useSkinFontInMenu_ = on; }
    // The engine that shows every skinned menu of the form; it takes the menu settings above
    // at each popup.
    TbsSkinMenu* SkinMenu() override;
    void MarkSkinMenuOpen() override { MarkMenuOpen(); }
    bool SkinMenuOpen() const { return skinMenuOpen_; }

    // --- Window states --------------------------------------------------------------------
    TWindowState FormWindowState() const { return windowState_; }
    // Minimizing the application's main form minimizes the application and leaves the state.
    void SetFormWindowState(TWindowState state);
    bool RolledUp() const { return rolledUp_; }
    bool RolledUpWhileMaximized() const { return rolledUpWhileMaximized_; }
    // Only the frame's caption strip stays (biRollUp, not minimized).
    void SetRollUp(bool on);
    // The bounds a restore returns to; empty in the normal state.
    TRect RestoreBounds() const { return restoreBounds_; }
    // Lays the form out again without changing its size.
    void NudgeWidth();
    // The icon in the notification area that minimize-to-tray uses; forgotten when it is
    // destroyed. Assigning it hides the icon (unless AlwaysShowInTray) and, when it has no
    // menu of its own, gives it TrayMenu and makes its double click restore the program.
    TbsTrayIcon* TrayIcon() const { return trayIcon_; }
    void SetTrayIcon(TbsTrayIcon* icon);
    // Hides the program in the notification area; where none runs, the form minimizes as
    // usual. Without a TrayIcon both do nothing.
    void SendToTray();
    void RestoreFromTray();
    // The minimize command goes to the tray (a plain minimize without a TrayIcon).
    bool AlwaysMinimizeToTray() const { return alwaysMinimizeToTray_; }
    void SetAlwaysMinimizeToTray(bool on) { alwaysMinimizeToTray_ = on; }
    // The tray icon stays while the form shows.
    bool AlwaysShowInTray() const { return alwaysShowInTray_; }
    void SetAlwaysShowInTray(bool on);
    // With ShowObjectHint on, the hints of the frame's objects show through this component
    // after the application's hint pause; forgotten when it is destroyed.
    TbsSkinHint* SkinHint() const { return skinHint_; }
    void SetSkinHint(TbsSkinHint* hint);
    bool ShowObjectHint() const { return showObjectHint_; }
    void SetShowObjectHint(bool on) { showObjectHint_ = on; }
    // Restore, a line and Close, for a tray icon that has no menu of its own; shown by this
    // frame's menu engine in SkinData's look.
    TbsSkinPopupMenu* TrayMenu() const { return trayMenu_; }
    // The items of the system menu, built afresh for the current state.
    TMenuItem* GetSystemMenu();
    // Opens the system menu with its corner at a screen point.
    void ShowSystemMenu(int x, int y);

    // --- The frame's pictures ---------------------------------------------------------------
    // Draws the frame for the form's current size and state, skinned or plain, on a canvas
    // whose origin is the window's top-left corner (as WM_NCPAINT draws it on the window).
    void PaintFrameOn(TCanvas& canvas);
    // Cuts the window's shape for the current size from the skin's mask; none for a frame
    // without a mask (a rectangular window).
    std::optional<TRegion> BuildShape();

    // --- Size limits ----------------------------------------------------------------------
    int GetMinWidth() const;
    int GetMinHeight() const;
    int GetMaxWidth() const;
    int GetMaxHeight() const;

    // --- What the frame's objects use -------------------------------------------------------
    bool IsFormActive() const;
    const std::vector<std::unique_ptr<TbsActiveSkinObject>>& Objects() const { return objects_; }
    TbsActiveSkinObject* FindObject(std::string_view idName) const;
    const TFrameGeometry& Geometry() const { return geometry_; }
    int HoverIndex() const { return hoverIndex_; }
    int CaptureIndex() const { return captureIndex_; }
    // Repaints one object directly on the window.
    void DrawObjectOnWindow(TbsActiveSkinObject* object);
    void StartMorphTimer();
    void StartAnimateTimer();
    void ExecuteCommand(SkinCommand command);
    void CloseForm();
    // Opens a popup below an object (the button stays pressed until the menus close).
    void ShowObjectPopup(TbsActiveSkinObject& object, TMenuItem* item, int placement);
    std::string FormCaption() const;
    void DrawSmallIcon(TCanvas& canvas, TPoint at) const;
    TPoint FrameLeftTop() const;
    TPoint FrameRightTop() const;
    // The skin draws its inactive frame by an effect on the active pictures.
    bool RendersInactiveLook() const;
    int InactiveEffect() const;
    void FireMouseEnter(const TbsActiveSkinObject& object);
    void FireMouseLeave(const TbsActiveSkinObject& object);
    void FireMouseDown(const TbsActiveSkinObject& object, int x, int y, TMouseButton button);
    void FireMouseUp(const TbsActiveSkinObject& object, int x, int y, TMouseButton button);
    void FireMouseMove(const TbsActiveSkinObject& object, int x, int y);
    void FirePaint(const TbsActiveSkinObject& object, TCanvas& canvas);

    // TFormFrameHook
    TWindowState FrameWindowState() const override { return windowState_; }
    void SetFrameWindowState(TWindowState state) override { SetFormWindowState(state); }

    void Notification(TComponent* component, TOperation operation) override;

    TNotifyEvent OnChangeSkinData;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeActivate;
    TNotifyEvent OnChangeRollUpState;
    TNotifyEvent OnSkinMenuOpen;
    TNotifyEvent OnSkinMenuClose;
    TNotifyEvent OnMinimizeToTray;
    TNotifyEvent OnRestoreFromTray;
    TbsMouseEnterEvent OnMouseEnterEvent;
    TbsMouseLeaveEvent OnMouseLeaveEvent;
    TbsMouseDownEvent OnMouseDownEvent;
    TbsMouseUpEvent OnMouseUpEvent;
    TbsMouseMoveEvent OnMouseMoveEvent;
    TbsPaintEvent OnPaintEvent;
    TbsActivateCustomObjectEvent OnActivateCustomObject;

private:
    // The window timer of the fade-in when the form shows.
    static constexpr uint64_t kFadeInTimer = 1;

    // Messages (RevideruDadoZiri.cpp).
    void FormWndProc(TMessage& m, const TWndNext& next);
    void HandleMessage(TMessage& m);
    // Hands the message being handled on to the form's handlers behind the frame.
    void CallPrevious(TMessage& m);
    bool NcMouse(TMessage& m);
    void WMActivate(TMessage& m);
    void WMNcActivate(TMessage& m);
    void WMShowWindow(TMessage& m);
    void WMSysCommand(TMessage& m);
    void SkinMessage(TMessage& m);
    void RelayToControls(TMessage& m);
    void UpdateCaptionState(bool repaint);
    bool FrameOff() const;
    HWND FormHandle() const;

    // Geometry, painting, region (RevideruDadoZiriPaint.cpp).
    TSize PictureSize() const;
    void TakeFrameSize();
    void ComputeFrameGeometry();
    void GeometryUpdate();
    void BuildFormRegion();
    void RemoveRegion();
    void RepaintFrame();
    void PaintFrame();
    void PaintSkinFrame(TCanvas& canvas);
    void PaintDefaultFrame(TCanvas& canvas);
    void PaintClientBackground(TCanvas& canvas);
    void WMNcCalcSize(TMessage& m);
    int CaptionHeight() const;
    int ButtonSize() const;

    // Hit testing, sizing and moving (RevideruDadoZiriSizing.cpp).
    TPoint FormPoint(TPoint screen) const;
    int HitTest(TPoint p);
    int SkinHitTest(TPoint p) const;
    int DefaultHitTest(TPoint p);
    bool OnCaption(TPoint p) const;
    bool InMask(TPoint q) const;
    bool Sizeable() const;
    void WMGetMinMaxInfo(TMessage& m);
    void WMSize(TMessage& m);
    void WMSizing(TMessage& m);
    void WMMoving(TMessage& m);
    void WMEnterSizeMove(TMessage& m);
    void WMExitSizeMove(TMessage& m);
    void SetFormSize(int width, int height);

    // Objects (RevideruDadoZiriObjects.cpp).
    void BuildObjects();
    void CreateDefaultButtons();
    void ApplyObjectVisibility();
    void LayoutObjects();
    void LayoutDefaultButtons();
    TRect DefaultCaptionArea() const { return defaultCaptionArea_; }
    void ResetObjects();
    // The object under the point lights up, the one before goes dark; with no point, none.
    void UpdateHover(std::optional<TPoint> p, bool pressed = false);
    void ObjectMouseDown(TMouseButton button, TPoint p);
    void ObjectMouseUp(TMouseButton button, TPoint p);
    void ObjectMouseMove(TPoint p);
    void ObjectDblClick();
    void HoverTimerTick();
    void MorphTimerTick();
    void AnimateTimerTick();
    void StopTimers();
    void FreeObjects();
    TbsActiveSkinObject* ObjectAt(int index) const;
    bool IsCaptionObject(int index) const;

    // Window states and menus (RevideruDadoZiriStates.cpp).
    void CaptionDblClick();
    void RestoreCommand();
    TRect IconSlot(TSize size) const;
    void LeaveRollUpForFullBounds();
    void BuildSysMenuItems(TMenuItem* target, bool atTop);
    void RemoveBuiltInItems(TMenuItem* items);
    void MarkMenuOpen();
    void MenusClosed();
    void CloseMenusBefore(UINT msg);
    void ApplicationMessage(MSG& msg, bool& handled);
    TbsSkinData* MenusSkin() const { return menusSkinData_ ? menusSkinData_ : skinData_; }
    void PopupMenu(TMenuItem* items, const TRect& anchor, TImageList* images);
    void EndMenuIfNoneOpened();
    void ReleaseTrayIcon();
    void NotificationAreaGone();

    // Translucency (RevideruDadoZiriAlpha.cpp).
    bool AlphaSupported() const;
    void SetLayered(bool on);
    void StartFadeIn();
    void FadeIn();

    TForm* form_;
    TWindowHook formHook_;
    const TWndNext* next_ = nullptr; // while a message passes through the hook
    TbsSkinData* skinData_ = nullptr;
    TbsSkinData* menusSkinData_ = nullptr;
    bool skinInUse_ = false;

    TbsBorderIcons borderIcons_{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize,
                                TbsBorderIcon::biRollUp};
    bool hideCaptionButtons_ = false;
    int minWidth_ = 0;
    int minHeight_ = 0;
    int clientWidth_ = 0;
    int clientHeight_ = 0;
    bool magnetic_ = false;
    uint8_t magneticSize_ = 5;
    bool maximizeOnFullScreen_ = false;
    bool alphaBlend_ = false;
    bool alphaBlendAnimation_ = false;
    uint8_t alphaBlendValue_ = 200;
    bool menusAlphaBlend_ = false;
    bool menusAlphaBlendAnimation_ = false;
    uint8_t menusAlphaBlendValue_ = 200;
    TFont defCaptionFont_;
    TFont defInActiveCaptionFont_;
    int defMenuItemHeight_ = 20;
    TFont defMenuItemFont_;
    bool useSkinFontInMenu_ = true;
    bool showIcon_ = false;
    TBitmap logo_;
    bool logoTransparent_ = false;
    TPopupMenu* systemMenu_ = nullptr;
    bool useDefaultSysMenu_ = true;
    bool alwaysMinimizeToTray_ = false;
    bool alwaysShowInTray_ = false;
    TbsSkinHint* skinHint_ = nullptr;
    bool showObjectHint_ = false;

    TWindowState windowState_ = TWindowState::wsNormal;
    bool rolledUp_ = false;
    bool rolledUpWhileMaximized_ = false;
    int heightBeforeRollUp_ = 0;
    TRect restoreBounds_;

    int frameWidth_ = 0;
    int frameHeight_ = 0;
    bool inSizeMove_ = false;
    bool dragFullWindows_ = true;
    TFrameGeometry geometry_;
    TRect defaultCaptionArea_;
    TFrameParts maskParts_;
    bool regionSet_ = false;
    bool lastActive_ = false;

    std::vector<std::unique_ptr<TbsActiveSkinObject>> objects_;
    int hoverIndex_ = -1;
    int prevHoverIndex_ = -1;
    int captureIndex_ = -1;
    TTimer* hoverTimer_ = nullptr;
    TTimer* morphTimer_ = nullptr;
    TTimer* animateTimer_ = nullptr;

    TbsSkinPopupMenu* sysMenu_ = nullptr;
    TbsSkinPopupMenu* trayMenu_ = nullptr;
    TbsTrayIcon* trayIcon_ = nullptr;
    bool trayIconTakesOurMenu_ = false; // we gave it TrayMenu and its double click
    bool inTray_ = false;               // SendToTray hid the program there
    TbsSkinMenu* menuEngine_ = nullptr;
    TbsSkinButtonObject* popupButton_ = nullptr; // whose popup is open
    bool skinMenuOpen_ = false;
    TListenerId menuKeys_ = 0;
};

} // namespace tavrik
