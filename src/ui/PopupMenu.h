#pragma once

#include "ui/Component.h"
#include "ui/ControlTypes.h"
#include "ui/MenuItem.h"

namespace tavrik {

class TImageList;

enum class TPopupAlignment : uint8_t { paLeft, paRight, paCenter };

// A menu that opens at a point: by a right click on a control whose PopupMenu it is (with
// AutoPopup), or by Popup. The shortcuts of its items work while the focus is in such a
// control.
class TPopupMenu : public TComponent {
public:
    explicit TPopupMenu(TComponent* owner);
    ~TPopupMenu() override;
    const char* ClassName() const override { return "TPopupMenu"; }

    TMenuItem* Items() const { return items_.get(); }
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    bool AutoPopup() const { return autoPopup_; }
    void SetAutoPopup(bool on) { autoPopup_ = on; }
    TPopupAlignment Alignment() const { return alignment_; }
    void SetAlignment(TPopupAlignment alignment) { alignment_ = alignment; }
    // The control that opened the menu last.
    TComponent* PopupComponent() const { return popupComponent_.Get(); }
    void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

    // Shows the menu with its corner at the screen point (the left, right or centre of its top
    // edge, by Alignment) and tracks the mouse and keys until it closes; the chosen item's
    // Click runs after the menu has gone, before Popup returns.
    virtual void Popup(int x, int y);
    // Runs the item with this shortcut, if the menu has one.
    bool IsShortCut(uint16_t key, TShiftState shift);

    TNotifyEvent OnPopup;

    void Notification(TComponent* component, TOperation operation) override;

private:
    TOwnedPtr<TMenuItem> items_;
    TImageList* images_ = nullptr;
    bool autoPopup_ = true;
    TPopupAlignment alignment_ = TPopupAlignment::paLeft;
    TComponentRef<TComponent> popupComponent_;
};

} // namespace tavrik
