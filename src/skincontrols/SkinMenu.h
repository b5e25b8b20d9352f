#pragma once

#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/WndHookChain.h"

#include <cstdint>
#include <vector>

namespace tavrik {

class TControl;
class TForm;
class TImageList;
class TMenuItem;
class TTimer;
class TbsSkinData;
class TbsSkinMenuItem;
class TbsSkinPopupWindow;

// The skinned menu engine of one form; the form's skinned frame owns it. It shows a menu
// item's sub-items as one window per open level (TbsSkinPopupWindow), drawn from the skin's
// [POPUPWINDOW] picture and its first menu item object, or in a plain look without them.
//
// A popup opens with MenuPopup and lasts until CloseAll: a command chosen, Esc on the first
// level, a press outside every level (the window system tells the windows), or the form's own
// menu-closing messages (its frame calls CloseAll). Closing tells the form and the control
// that opened the menu SKM_MENUCLOSED; a chosen command tells that control SKM_MENUCOMMAND.
// While a menu is open, the frame routes the program's key presses to KeyDown.
class TbsSkinMenu : public TComponent {
public:
    // The owner form is the first form among the owners (the frame's form).
    explicit TbsSkinMenu(TComponent* owner);
    ~TbsSkinMenu() override;
    const char* ClassName() const override { return "TbsSkinMenu"; }

    TForm* OwnerForm() const { return ownerForm_.Get(); }

    // Entries take the font of the skin's menu item object; otherwise DefItemFont, whose
    // character set skin fonts use too.
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on) { useSkinFont_ = on; }
    // The height of an entry without a skin; 0 or less is ignored.
    int DefItemHeight() const { return defItemHeight_; }
    void SetDefItemHeight(int height);
    TFont& DefItemFont() { return defItemFont_; }
    const TFont& DefItemFont() const { return defItemFont_; }
    // Menu windows with constant opacity where the display shows it, faded in from 0 when
    // animated.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on) { alphaBlend_ = on; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t alpha) { alphaBlendValue_ = alpha; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }

    // Shows the sub-items of `item` from startIndex at the anchor (screen coordinates: a
    // point as an empty rectangle, or the rectangle of the asking button), below it or, with
    // upward, above it; the windows open before are closed. `control` (or none) is the
    // control that asks and hears SKM_MENUCLOSED and SKM_MENUCOMMAND; `images` the image list
    // of the item's menu. Nothing opens for an item without visible sub-items at startIndex.
    void MenuPopup(TControl* control, TbsSkinData* skinData, int startIndex, const TRect& anchor, TMenuItem* item,
                   bool upward, TImageList* images = nullptr);
    // Closes the windows from that level on; level 0 ends the popup and tells its control.
    void CloseFrom(int level);
    // Ends the popup and tells the form, then the control if still set.
    void CloseAll();
    // Routes a key press to the deepest open level; false when no level is shown.
    bool KeyDown(uint16_t key);

    bool MenuOpen() const { return menuOpen_; }
    int PopupWindowCount() const { return int(windows_.size()); }
    TbsSkinPopupWindow* PopupWindows(int level) const { return windows_.at(size_t(level)).get(); }
    int LevelOf(const TbsSkinPopupWindow* window) const;
    TMenuItem* PendingItem() const;
    // The work area of the owner form's monitor, read at each popup.
    const TRect& WorkArea() const { return workArea_; }
    // The skin data given to the current popup.
    TbsSkinData* SkinData() const { return skinData_; }
    // True while the first level of a popup opens when no popup was open before.
    bool FirstPopup() const { return firstPopup_; }

    // Forgets the submenu waiting to open (the pointer left its entry).
    void CancelSubmenu() { StopSubmenuTimer(); }
    // What an entry does when it is entered (click false) or clicked: see TbsSkinPopupWindow.
    void ItemAction(TbsSkinPopupWindow* window, TbsSkinMenuItem* entry, bool keyboard, bool click);
    // Opens the sub-items of `item` as the next level.
    void OpenWindow(TMenuItem* item, int startIndex, const TRect& anchor, bool submenu, bool upward);

    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetSkinData(TbsSkinData* data);
    void StartSubmenuTimer(TbsSkinMenuItem* entry);
    void StopSubmenuTimer();
    void SubmenuTimerFired();
    void Bury(int fromLevel);
    void Reap();
    void Notify(TComponent* target, uint32_t message);

    TComponentRef<TForm> ownerForm_;
    bool useSkinFont_ = true;
    int defItemHeight_ = 20;
    TFont defItemFont_;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 150;
    bool alphaBlendAnimation_ = false;

    std::vector<TOwnedPtr<TbsSkinPopupWindow>> windows_; // index = level
    std::vector<TOwnedPtr<TbsSkinPopupWindow>> closed_;  // freed once none handles a message
    TOwnedPtr<TTimer> submenuTimer_;
    TOwnedPtr<TTimer> reaper_;
    TbsSkinPopupWindow* pendingWindow_ = nullptr;
    int pendingIndex_ = -1;
    TRect workArea_;
    TbsSkinData* skinData_ = nullptr;
    bool menuOpen_ = false;
    bool firstPopup_ = false;
    TComponentRef<TImageList> images_;
    TComponentRef<TControl> ownerControl_;
    TComponentRef<TControl> commandControl_; // the last owner control, told of a command
    TWindowHook formHook_;
};

} // namespace tavrik
