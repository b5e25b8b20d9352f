#pragma once

#include "gfx/Bitmap.h"
#include "shell/NotifyIcon.h"
#include "ui/Component.h"
#include "ui/ControlTypes.h"
#include "ui/ListenerList.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tavrik {

class TForm;
class TImageList;
class TTimer;
class TbsSkinPopupMenu;

using TbsCycleEvent = std::function<void(TComponent* Sender, int NextIndex)>;

// The program's icon in the desktop's notification area: it reports clicks on the icon,
// opens its popup menu there, can step through the icons of an image list, and takes the
// program there when it is minimized (MinimizeToTray). The skinned frame uses it for its
// minimize-to-tray command and for coming back.
//
// A single click raises OnClick once the double-click time has passed since the press; a
// double click raises OnDblClick and no OnClick. The right button opens the menu on its
// press (the left one too with PopupByLeftButton).
//
// Where no notification area runs, minimizing leaves the program minimized as usual; when
// the notification area goes away while the program is hidden there, the program comes back.
class TbsTrayIcon : public TComponent {
public:
    // The icon's callback message and its number among its window's icons.
    static constexpr UINT kCallbackMessage = 0x0800;
    static constexpr UINT kIconId = 1;
    // Tips longer than this many characters are cut.
    static constexpr size_t kMaxTip = 127;

    explicit TbsTrayIcon(TComponent* owner);
    ~TbsTrayIcon() override;
    const char* ClassName() const override { return "TbsTrayIcon"; }

    // Icons to step through; forgotten when the list is destroyed.
    TImageList* IconList() const { return iconList_; }
    void SetIconList(TImageList* list);
    bool CycleIcons() const { return cycleIcons_; }
    void SetCycleIcons(bool on);
    // 0: the icons never step.
    unsigned AnimateTimerInterval() const { return animateInterval_; }
    void SetAnimateTimerInterval(unsigned ms);
    // Off: the icon reacts to no mouse message at all.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on) { enabled_ = on; }
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    // 32 bits with straight alpha; drawn at the size the notification area gives its icons.
    const TBitmap& Icon() const { return icon_; }
    void SetIcon(const TBitmap& icon);
    bool IconVisible() const { return iconVisible_; }
    void SetIconVisible(bool on);
    // Into IconList: lowered to the last icon, 0 without a list.
    int IconIndex() const { return iconIndex_; }
    void SetIconIndex(int index);
    // The menu of the icon, shown by the skinned menu engine of its form; forgotten when it
    // is destroyed.
    TbsSkinPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TbsSkinPopupMenu* menu);
    bool PopupByLeftButton() const { return popupByLeftButton_; }
    void SetPopupByLeftButton(bool on) { popupByLeftButton_ = on; }
    // On: the program starts hidden in the notification area (set before it runs).
    bool MinimizedOnStart() const { return minimizedOnStart_; }
    void SetMinimizedOnStart(bool on);
    bool MinimizeToTray() const { return minimizeToTray_; }
    void SetMinimizeToTray(bool on) { minimizeToTray_ = on; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TbsCycleEvent OnCycle;

    // Brings the program back from the notification area, or hides it there.
    void ShowApplicationWindows();
    void HideApplicationWindows();
    // Opens the menu at the pointer.
    void ShowTrayMenu();

    // The window that hears the icon's mouse messages.
    HWND NotifyWindow() const { return notifyWindow_; }
    // Whether the program is hidden in the notification area now.
    bool HiddenInTray() const { return hiddenInTray_; }

    void Notification(TComponent* component, TOperation operation) override;

protected:
    virtual bool WantsApplicationIcon() { return true; }
    virtual void AddTrayIcon();
    virtual void RemoveTrayIcon();
    virtual void UpdateTrayIcon();
    virtual void DoClick();
    virtual void DoDblClick();
    virtual void DoCycle(int nextIndex);
    virtual void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void DoMouseMove(TShiftState shift, int x, int y);
    virtual void DoHideToTray();

private:
    static LRESULT NotifyWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleNotifyMessage(UINT msg, WPARAM wp, LPARAM lp);
    void IconMouse(UINT mouseMessage);
    void ClickTimerTick();
    void CycleTick();
    NOTIFYICONDATA NotifyData() const;
    void ApplicationMinimized();
    void ClickDefaultItem();
    void NotificationAreaGone();
    TForm* OwnerForm() const;

    TImageList* iconList_ = nullptr;
    bool cycleIcons_ = false;
    unsigned animateInterval_ = 0;
    bool enabled_ = true;
    std::string hint_;
    bool showHint_ = true;
    TBitmap icon_;
    bool iconVisible_ = true;
    int iconIndex_ = 0;
    TbsSkinPopupMenu* popupMenu_ = nullptr;
    bool popupByLeftButton_ = false;
    bool minimizedOnStart_ = false;
    bool minimizeToTray_ = true;

    HWND notifyWindow_ = nullptr;
    TTimer* cycleTimer_ = nullptr;
    TTimer* singleClickTimer_ = nullptr;
    bool buttonWentDown_ = false;
    bool clickWaiting_ = false;
    bool doubleClickSeen_ = false;
    bool hiddenInTray_ = false;
    TListenerId minimizeListener_ = 0;
};

} // namespace tavrik
