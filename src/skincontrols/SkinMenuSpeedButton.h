#pragma once

#include "skincontrols/SkinSpeedButton.h"

namespace tavrik {

class TbsSkinPopupMenu;

// A tool button with a skinned menu ("toolmenubutton"): a left press opens SkinPopupMenu below
// it (with TrackButtonMode only a press on its arrow part does; elsewhere it is a plain speed
// button). It stays down while the menu is open and comes up when the menu closes.
class TbsSkinMenuSpeedButton : public TbsSkinSpeedButton {
public:
    explicit TbsSkinMenuSpeedButton(TComponent* owner);
    ~TbsSkinMenuSpeedButton() override;
    const char* ClassName() const override { return "TbsSkinMenuSpeedButton"; }

    TbsSkinPopupMenu* SkinPopupMenu() const { return menu_; }
    void SetSkinPopupMenu(TbsSkinPopupMenu* menu);
    bool TrackButtonMode() const { return trackButtonMode_; }
    void SetTrackButtonMode(bool on);
    bool MenuOpen() const { return menuOpen_; }
    // The arrow part, in the button's coordinates: the skin's track rectangle moved with the
    // button's width, or the rightmost 15 pixels.
    TRect TrackButtonRect() const;

    TNotifyEvent OnShowTrackMenu;
    TNotifyEvent OnHideTrackMenu;

    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    void ReadSkinObject() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    void OpenMenu();

    TbsSkinPopupMenu* menu_ = nullptr;
    bool trackButtonMode_ = false;
    bool menuOpen_ = false;
    TRect trackbuttonrect_;
};

} // namespace tavrik
